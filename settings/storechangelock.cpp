// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/storechangelock.h"

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

bool StoreChangeLock::lock()
{
    if (m_fd >= 0)
        return true;
    makePrivateFolder(QFileInfo(m_fileName).absolutePath());
    // Without blocking, so that a named pipe in the lock's place is looked
    // at rather than waited on.
    const int fd = ::open(QFile::encodeName(m_fileName).constData(),
                          O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600);
    if (fd < 0)
        return false;
    struct stat info = {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return false;
    }
    int result = 0;
    do {
        result = ::flock(fd, LOCK_EX);
    } while (result != 0 && errno == EINTR);
    if (result != 0) {
        ::close(fd);
        return false;
    }
    m_fd = fd;
    return true;
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
