// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A mark of life for one open history store: an exclusive lock on one byte,
// at a random offset (the token), of a lock file beside the history. The
// kernel drops it when its holder closes the file or ends in any way, so a
// token whose byte nobody holds belongs to a store that is gone. The locks
// are open-file-description locks: they belong to this object, not to the
// process, so two stores of one process see each other's, and a child
// process never inherits one.
class OwnerLock final
{
public:
    OwnerLock() = default;
    ~OwnerLock();
    Q_DISABLE_COPY_MOVE(OwnerLock)

    // Opens (or creates, 0600) the lock file and takes a byte of its own.
    bool open(const QString &fileName, QString *error);

    // The offset of this lock's byte; 0 until open() succeeded.
    qint64 token() const { return m_token; }

    // Whether someone else holds the byte of `token`. When that cannot be
    // told, the answer is yes: a row is never taken from a live sender.
    bool isHeldElsewhere(qint64 token) const;

private:
    int m_fd = -1;
    qint64 m_token = 0;
};
