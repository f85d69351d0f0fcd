// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/historydisk.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

using namespace Qt::StringLiterals;

namespace {

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// The mode a file of the history should have: no right for others, and for
// SQLite's side files the owner's reading and writing while the history
// itself can be written.
mode_t wantedMode(mode_t mode, bool sideFile, bool historyWritable)
{
    mode_t wanted = (mode & S_IRWXO) != 0 ? mode & S_IRWXU : mode;
    if (sideFile && historyWritable)
        wanted |= S_IRUSR | S_IWUSR;
    return wanted;
}

} // namespace

namespace HistoryDisk {

QStringList filesOf(const QString &fileName)
{
    return {fileName, fileName + u"-wal"_s, fileName + u"-shm"_s};
}

QString nonRegularKind(const QString &path)
{
    struct stat info = {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0 || S_ISREG(info.st_mode))
        return QString();
    if (S_ISLNK(info.st_mode))
        //: What the history's file is instead of a file, as %2 of "The history file %1 is %2, not a regular file".
        return QCoreApplication::translate("HistoryFile", "a symbolic link");
    if (S_ISDIR(info.st_mode))
        return QCoreApplication::translate("HistoryFile", "a folder");
    if (S_ISFIFO(info.st_mode))
        return QCoreApplication::translate("HistoryFile", "a named pipe");
    if (S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode))
        return QCoreApplication::translate("HistoryFile", "a device");
    if (S_ISSOCK(info.st_mode))
        return QCoreApplication::translate("HistoryFile", "a socket");
    return QCoreApplication::translate("HistoryFile", "something other than a file");
}

bool makePrivatePath(const QString &path, QString *error)
{
    QStringList missing;
    for (QString folder = QDir::cleanPath(QDir(path).absolutePath()); !QFileInfo::exists(folder);) {
        missing.prepend(folder);
        const QString parent = QFileInfo(folder).path();
        if (parent == folder)
            break;
        folder = parent;
    }
    for (const QString &folder : std::as_const(missing)) {
        if (::mkdir(QFile::encodeName(folder).constData(), 0700) != 0 && errno != EEXIST) {
            *error = QCoreApplication::translate("HistoryFile", "The folder %1 could not be created: %2")
                         .arg(folder, systemError(errno));
            return false;
        }
    }
    return true;
}

bool createPrivateFile(const QString &fileName, QString *error)
{
    const int fd = ::open(QFile::encodeName(fileName).constData(),
                          O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd >= 0) {
        ::close(fd);
        return true;
    }
    if (errno == EEXIST)
        return true; // another process made it first
    *error = QCoreApplication::translate("HistoryFile", "The history file %1 could not be created: %2")
                 .arg(fileName, systemError(errno));
    return false;
}

QString makePrivate(const QString &fileName)
{
    struct stat history = {};
    if (::lstat(QFile::encodeName(fileName).constData(), &history) != 0 || !S_ISREG(history.st_mode))
        return QString();
    const bool historyWritable = (history.st_mode & S_IWUSR) != 0;
    bool wasOpen = false;
    QString failure;
    for (const QString &name : filesOf(fileName)) {
        const QByteArray path = QFile::encodeName(name);
        struct stat info = {};
        if (::lstat(path.constData(), &info) != 0 || !S_ISREG(info.st_mode))
            continue;
        const mode_t mode = info.st_mode & 07777;
        const mode_t wanted = wantedMode(mode, name != fileName, historyWritable);
        const bool open = (mode & S_IRWXO) != 0;
        wasOpen = wasOpen || open;
        if (wanted != mode && ::chmod(path.constData(), wanted) != 0 && open && failure.isEmpty())
            failure = systemError(errno);
    }
    if (!failure.isEmpty()) {
        return QCoreApplication::translate(
                   "HistoryFile",
                   "Other users of this computer can read your history %1, and it could not be made private: %2.")
            .arg(fileName, failure);
    }
    if (wasOpen)
        return QCoreApplication::translate(
                   "HistoryFile",
                   "Other users of this computer could read your history %1. It is now readable by you alone.")
            .arg(fileName);
    return QString();
}

QString unwritablePart(const QString &fileName)
{
    for (const QString &name : filesOf(fileName)) {
        const QByteArray path = QFile::encodeName(name);
        if (::access(path.constData(), F_OK) == 0 && ::access(path.constData(), W_OK) != 0)
            return QCoreApplication::translate("HistoryFile", "%1 cannot be written (%2)")
                .arg(name, systemError(errno));
    }
    const QString folder = QFileInfo(fileName).path();
    if (::access(QFile::encodeName(folder).constData(), W_OK) != 0)
        return QCoreApplication::translate("HistoryFile", "the folder %1 cannot be written (%2)")
            .arg(folder, systemError(errno));
    return QString();
}

} // namespace HistoryDisk
