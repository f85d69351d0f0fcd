// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/filekind.h"

#include <QCoreApplication>
#include <QFile>

#include <sys/stat.h>

namespace FileKind {

QString of(mode_t mode)
{
    if (S_ISREG(mode))
        return QString();
    if (S_ISLNK(mode))
        //: Completes "it is %1": what is found where a file should be.
        return QCoreApplication::translate("FileKind", "a symbolic link");
    if (S_ISDIR(mode))
        return QCoreApplication::translate("FileKind", "a folder");
    if (S_ISFIFO(mode))
        return QCoreApplication::translate("FileKind", "a named pipe");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QCoreApplication::translate("FileKind", "a device");
    if (S_ISSOCK(mode))
        return QCoreApplication::translate("FileKind", "a socket");
    return QCoreApplication::translate("FileKind", "something other than a file");
}

QString at(const QString &path)
{
    struct stat info = {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return QString();
    return of(info.st_mode);
}

} // namespace FileKind
