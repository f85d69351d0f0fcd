// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's start-up, in a module of its own that main() loads only to
// open the window: a command then starts without QtGui, QtWidgets and what
// they load (X11, fonts, OpenGL), which would take about as long as the
// command's own work.

#include "app/frmsms.h"
#include "history/historystore.h"
#include "i18n/translations.h"
#include "settings/instancelock.h"
#include "settings/settingsstore.h"
#include "settings/storechangelock.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>

namespace {

// Why the program cannot go on: in a message box, and on the standard error
// for whoever started it from a terminal.
void tell(const QString &text)
{
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    std::fflush(stderr);
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("KORVANE"), text, QMessageBox::Ok);
    box.exec();
}

} // namespace

extern "C" Q_DECL_EXPORT int korvane_window_main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("KORVANE"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KORVANE_VERSION_STRING));
    // Lets the desktop (Wayland compositors, task bars) match the window to
    // the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.korvane.korvane"));
    // Before the first text is made: every window reads its texts as it is built.
    Translations::install(app);

    const QString settingsFile = SettingsStore::userFileName();
    InstanceLock lock(settingsFile);
    // Where no lock can be made at all, the program still starts; the store
    // then reports at the first save why it cannot write.
    switch (lock.tryLock()) {
    case InstanceLock::Result::HeldByAnother:
        tell(QCoreApplication::translate("WindowMain", "KORVANE is already running."));
        return 0;
    case InstanceLock::Result::Unusable:
        tell(QCoreApplication::translate("WindowMain", "KORVANE cannot start. %1 Remove it and start KORVANE again.")
                 .arg(lock.errorString()));
        return 1;
    case InstanceLock::Result::Acquired:
    case InstanceLock::Result::Unavailable:
        break;
    }
    // A command may be changing the address book at this moment; it saw no
    // window, so the window reads the store once the change is on disk.
    StoreChangeLock::waitForChanges(settingsFile);

    SettingsStore store(settingsFile);
    if (!store.isUsable()) {
        tell(QCoreApplication::translate("WindowMain",
                                         "KORVANE cannot start. %1 Move it out of the way and start KORVANE again.")
                 .arg(store.errorString()));
        return 1;
    }

    // The history opens itself at the first send or when the History window
    // opens, not before, and marks the sends that a program's end cut off
    // then. One that cannot be opened is told of at the first send; messages
    // still go. What its opening mended (a file that others could read) is
    // told once the action that opened it is done.
    HistoryStore history;
    frmSMS window(store, history);
    QObject::connect(
        &history, &HistoryStore::noticed, &window, [&window](const QString &text) { window.showMessage(text); },
        Qt::QueuedConnection);
    window.show();
    return app.exec();
}
