// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/privatefolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

#include <cerrno>

bool makePrivateFolder(const QString &folder)
{
    const QFileInfo info(QDir::cleanPath(QDir(folder).absolutePath()));
    if (info.isDir())
        return true;
    if (info.exists() || info.isSymLink())
        return false;
    const QString path = info.absoluteFilePath();
    const QString parent = info.absolutePath();
    if (parent != path && !makePrivateFolder(parent))
        return false;
    if (::mkdir(QFile::encodeName(path).constData(), 0700) == 0)
        return true;
    // Made by someone else in the meantime.
    return errno == EEXIST && QFileInfo(path).isDir();
}
