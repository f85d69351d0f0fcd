// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/commandline.h"

#include <dlfcn.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <string>

namespace {

// The folder the program lies in (links resolved), where its window module is.
std::string programFolder()
{
    char path[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0)
        return std::string(".");
    const std::string program(path, size_t(length));
    return program.substr(0, program.rfind('/'));
}

// The window and the toolkit it needs are loaded only here, so that a
// command starts without them.
int openWindow(int argc, char *argv[])
{
    const std::string module = programFolder() + "/korvane-window.so";
    using WindowMain = int (*)(int, char *[]);
    // Bound lazily, as the libraries that a program links are.
    void *handle = ::dlopen(module.c_str(), RTLD_LAZY | RTLD_LOCAL);
    const auto windowMain = handle ? reinterpret_cast<WindowMain>(::dlsym(handle, "korvane_window_main")) : nullptr;
    if (!windowMain) {
        std::fprintf(stderr, "KORVANE cannot start: %s\n", ::dlerror());
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
