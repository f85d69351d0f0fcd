// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/commandline.h"

#include <QFile>
#include <QLibrary>

#include <unistd.h>

#include <climits>
#include <cstdio>

namespace {

// The folder the program lies in (links resolved), where its window module is.
QString programFolder()
{
    char path[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0)
        return QStringLiteral(".");
    const QString program = QFile::decodeName(QByteArray(path, length));
    return program.left(program.lastIndexOf(u'/'));
}

// The window and the toolkit it needs are loaded only here, so that a
// command starts without them.
int openWindow(int argc, char *argv[])
{
    const QString fileName = programFolder() + QStringLiteral("/korvane-window.so");
    // QLibrary would try other names too, and tell only of the last.
    if (!QFile::exists(fileName)) {
        std::fprintf(stderr, "KORVANE cannot start: %s is missing.\n", qUtf8Printable(fileName));
        return 1;
    }
    // Bound lazily and kept to itself, as the libraries that a program
    // links are; it stays loaded until the program ends.
    QLibrary module(fileName);
    module.setLoadHints(QLibrary::PreventUnloadHint);
    using WindowMain = int (*)(int, char *[]);
    const auto windowMain = reinterpret_cast<WindowMain>(module.resolve("korvane_window_main"));
    if (!windowMain) {
        std::fprintf(stderr, "KORVANE cannot start: %s\n", qUtf8Printable(module.errorString()));
        return 1;
    }
    return windowMain(argc, argv);
}

} // namespace

int main(int argc, char *argv[])
{
    // Decided before any application object exists: a command never loads a
    // platform plugin nor connects to a display.
    if (!CommandLine::opensWindow(argc, argv))
        return CommandLine::run(argc, argv);
    return openWindow(argc, argv);
}
