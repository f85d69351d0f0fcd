// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/servicedescription.h"

#include "settings/settingskeys.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace ServiceDescription {

QString path()
{
    return path(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation),
                QCoreApplication::applicationDirPath());
}

QString path(const QString &userConfigFolder, const QString &programFolder)
{
    const QString fileName = QStringLiteral("SendSMS.wsdl");
    // Without a configuration folder a relative path would be looked up in
    // whatever folder the program was started from.
    if (!userConfigFolder.isEmpty()) {
        const QString own = QDir(userConfigFolder).filePath(SettingsKeys::applicationName() + u'/' + fileName);
        // A folder or a dangling link under that name is no description.
        // Anything else is the user's choice, even what cannot be read (no
        // permission, a named pipe, a device): the send says why rather than
        // quietly using another service.
        const QFileInfo info(own);
        if (info.exists() && !info.isDir())
            return own;
    }
    return QDir(programFolder).filePath(fileName);
}

} // namespace ServiceDescription
