// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QString>

// Lets one process at a time change the store from outside the window.
//
// The window reads the address book once and saves it whole, so nothing may
// change the book behind a running window: the commands that change it first
// take this lock, then look whether a window holds the InstanceLock, and
// change the book only when none does. Two such commands take turns rather
// than each saving over the other's change. A window that starts while a
// command changes the book takes its InstanceLock and then waits here,
// before it reads the store, until the change is on disk.
//
// The lock is a flock() on KORVANE.change.lock beside the settings file. The
// kernel drops it when its process ends in any way, so nothing is ever left
// held; the empty file itself stays.
class StoreChangeLock final
{
    Q_DECLARE_TR_FUNCTIONS(StoreChangeLock)

public:
    explicit StoreChangeLock(const QString &settingsFile);
    ~StoreChangeLock();
    Q_DISABLE_COPY_MOVE(StoreChangeLock)

    enum class Result {
        Acquired,
        // It cannot be made here (no folder, no permission): the caller goes
        // on without it, as the store itself will say why it cannot be
        // written.
        Unavailable,
        // Something other than a regular file is in its place (a link, a
        // folder, a named pipe), which would let a change go on unguarded:
        // the caller refuses, and errorString() names the lock and says what
        // is there.
        Unusable,
    };

    // Waits until no other process holds the lock and takes it.
    Result lock();
    void unlock();
    QString errorString() const { return m_errorString; }

    // Waits until no change is under way: takes the lock and lets it go.
    static void waitForChanges(const QString &settingsFile);

    QString fileName() const { return m_fileName; }

private:
    Result unusableOrUnavailable();

    QString m_fileName;
    QString m_errorString;
    int m_fd = -1;
};
