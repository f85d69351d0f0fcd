// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/ownerlock.h"

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

struct flock byteAt(qint64 offset, short type)
{
    struct flock lock = {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    lock.l_start = off_t(offset);
    lock.l_len = 1;
    return lock;
}

} // namespace

OwnerLock::~OwnerLock()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool OwnerLock::open(const QString &fileName, QString *error)
{
    m_fd = ::open(QFile::encodeName(fileName).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (m_fd < 0) {
        *error = QCoreApplication::translate("HistoryFile", "The history's lock file %1 cannot be used: %2")
                     .arg(fileName, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    // Offsets below 2^62 keep clear of the end of off_t; a clash with a live
    // store's token is simply tried again.
    for (int attempt = 0; attempt < 16; ++attempt) {
        const qint64 token = QRandomGenerator::system()->bounded(qint64(1), qint64(1) << 62);
        struct flock lock = byteAt(token, F_WRLCK);
        if (::fcntl(m_fd, F_OFD_SETLK, &lock) == 0) {
            m_token = token;
            return true;
        }
        if (errno != EAGAIN && errno != EACCES)
            break;
    }
    *error = QCoreApplication::translate("HistoryFile", "The history's lock file %1 cannot be used: %2")
                 .arg(fileName, QString::fromLocal8Bit(std::strerror(errno)));
    ::close(m_fd);
    m_fd = -1;
    return false;
}

bool OwnerLock::isHeldElsewhere(qint64 token) const
{
    if (token <= 0)
        return false; // a row without an owner has no one to wait for
    if (m_fd < 0)
        return true;
    struct flock lock = byteAt(token, F_WRLCK);
    if (::fcntl(m_fd, F_OFD_GETLK, &lock) != 0)
        return true;
    return lock.l_type != F_UNLCK;
}
