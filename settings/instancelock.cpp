// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/instancelock.h"

#include "common/filekind.h"
#include "settings/privatefolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace {

QString lockFileFor(const QString &settingsFile)
{
    return QFileInfo(settingsFile).absoluteDir().filePath(QStringLiteral("KORVANE.lock"));
}

} // namespace

InstanceLock::InstanceLock(const QString &settingsFile)
    : m_fileName(lockFileFor(settingsFile))
    , m_lock(m_fileName)
{
}

InstanceLock::Result InstanceLock::tryLock()
{
    m_errorString.clear();
    makePrivateFolder(QFileInfo(m_fileName).absolutePath());
    if (m_lock.tryLock(0))
        return Result::Acquired;
    if (m_lock.error() != QLockFile::LockFailedError)
        return Result::Unavailable;
    return takeOverLeftover();
}

// QLockFile found something in the lock's place and did not take it over.
// A running copy holds a lock on the file for as long as it runs (QLockFile
// takes an flock on it), so the file itself tells a running copy's lock from
// anything else, whatever it holds and however old it is.
InstanceLock::Result InstanceLock::takeOverLeftover()
{
    const QByteArray path = QFile::encodeName(m_fileName);
    struct stat info = {};
    if (::lstat(path.constData(), &info) != 0) {
        // Gone in the meantime: its copy has just ended.
        return m_lock.tryLock(0) ? Result::Acquired : Result::HeldByAnother;
    }
    if (!S_ISREG(info.st_mode))
        return unusable(tr("it is %1").arg(FileKind::of(info.st_mode)));

    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0) {
        return unusable(info.st_uid != ::geteuid() ? tr("it belongs to another user and cannot be read")
                                                   : tr("it cannot be read"));
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        if (error == EWOULDBLOCK)
            return Result::HeldByAnother;
        // A file system without file locks: the process the file names decides.
        qint64 pid = 0;
        if (m_lock.getLockInfo(&pid, nullptr, nullptr) && (::kill(pid_t(pid), 0) == 0 || errno == EPERM))
            return Result::HeldByAnother;
        return unusable(tr("it was left behind and cannot be removed"));
    }
    ::close(fd);

    // No running copy holds it: a leftover, which QLockFile would not take
    // over (it names a process that still runs, or holds no lock details).
    if (m_lock.removeStaleLockFile())
        return m_lock.tryLock(0) ? Result::Acquired : Result::HeldByAnother;
    if (info.st_uid != ::geteuid())
        return unusable(tr("it was left behind and cannot be removed, as it belongs to another user"));
    if (::access(QFile::encodeName(QFileInfo(m_fileName).absolutePath()).constData(), W_OK) != 0)
        return unusable(tr("it was left behind and cannot be removed, as there is no permission to "
                                       "change its folder"));
    return unusable(tr("it was left behind and cannot be removed"));
}

InstanceLock::Result InstanceLock::unusable(const QString &why)
{
    //: %2 says why: "it belongs to another user and cannot be read".
    m_errorString = tr("The lock file %1 cannot be used: %2.").arg(QDir::toNativeSeparators(m_fileName), why);
    return Result::Unusable;
}
