// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/storechangelock.h"

#include "common/filekind.h"
#include "settings/privatefolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

StoreChangeLock::StoreChangeLock(const QString &settingsFile)
    : m_fileName(QFileInfo(settingsFile).absoluteDir().filePath(QStringLiteral("KORVANE.change.lock")))
{
}

StoreChangeLock::~StoreChangeLock()
{
    unlock();
}

StoreChangeLock::Result StoreChangeLock::lock()
{
    if (m_fd >= 0)
        return Result::Acquired;
    m_errorString.clear();
    makePrivateFolder(QFileInfo(m_fileName).absolutePath());
    // Without blocking, so that a named pipe in the lock's place is looked
    // at rather than waited on.
    const int fd = ::open(QFile::encodeName(m_fileName).constData(),
                          O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600);
    if (fd < 0)
        return unusableOrUnavailable();
    struct stat info = {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return unusableOrUnavailable();
    }
    int result = 0;
    do {
        result = ::flock(fd, LOCK_EX);
    } while (result != 0 && errno == EINTR);
    if (result != 0) {
        ::close(fd);
        return Result::Unavailable;
    }
    m_fd = fd;
    return Result::Acquired;
}

StoreChangeLock::Result StoreChangeLock::unusableOrUnavailable()
{
    const QString kind = FileKind::at(m_fileName);
    if (kind.isEmpty())
        return Result::Unavailable;
    m_errorString = tr("The lock file %1 cannot be used: it is %2.")
                        .arg(QDir::toNativeSeparators(m_fileName), kind);
    return Result::Unusable;
}

void StoreChangeLock::unlock()
{
    if (m_fd < 0)
        return;
    // Closing the file lets the lock go.
    ::close(m_fd);
    m_fd = -1;
}

void StoreChangeLock::waitForChanges(const QString &settingsFile)
{
    StoreChangeLock lock(settingsFile);
    lock.lock();
}
