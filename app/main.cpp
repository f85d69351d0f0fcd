// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/frmsms.h"
#include "app/instancelock.h"
#include "settings/settingsstore.h"

#include <QApplication>
#include <QMessageBox>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("KORVANE"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KORVANE_VERSION_STRING));

    SettingsStore store;
    InstanceLock lock(store.fileName());
    // Where no lock can be made at all, the program still starts; the store
    // then reports at the first save why it cannot write.
    if (lock.tryLock() == InstanceLock::Result::HeldByAnother) {
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("KORVANE"), QStringLiteral("KORVANE is already running."),
                        QMessageBox::Ok);
        box.exec();
        return 0;
    }

    frmSMS window(store);
    window.show();
    return app.exec();
}
