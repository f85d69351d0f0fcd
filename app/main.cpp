// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/frmsms.h"
#include "settings/instancelock.h"
#include "settings/settingsstore.h"

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

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("KORVANE"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KORVANE_VERSION_STRING));

    SettingsStore store;
    if (!store.isUsable()) {
        tell(QStringLiteral("KORVANE cannot start. %1 Move it out of the way and start KORVANE again.")
                 .arg(store.errorString()));
        return 1;
    }
    InstanceLock lock(store.fileName());
    // Where no lock can be made at all, the program still starts; the store
    // then reports at the first save why it cannot write.
    switch (lock.tryLock()) {
    case InstanceLock::Result::HeldByAnother:
        tell(QStringLiteral("KORVANE is already running."));
        return 0;
    case InstanceLock::Result::Unusable:
        tell(QStringLiteral("KORVANE cannot start. %1 Remove it and start KORVANE again.").arg(lock.errorString()));
        return 1;
    case InstanceLock::Result::Acquired:
    case InstanceLock::Result::Unavailable:
        break;
    }

    frmSMS window(store);
    window.show();
    return app.exec();
}
