// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QLockFile>
#include <QString>

// Keeps one copy of KORVANE's window running per user. Two windows would
// each hold the address book in memory and overwrite each other's saves, so
// the lock lives beside the settings file they share. A lock left by a copy
// that crashed is taken over. The commands that change the book look here
// too (under a StoreChangeLock) and leave the book alone while a window
// holds it.
class InstanceLock final
{
    Q_DECLARE_TR_FUNCTIONS(InstanceLock)

public:
    enum class Result {
        Acquired,      // this copy is the one running
        HeldByAnother, // another running copy holds the lock
        Unusable,      // something that no running copy holds is in the lock's place and cannot be
                       // taken over (a folder, a leftover lock that cannot be removed)
        Unavailable,   // the lock cannot be made here (no folder, no permission)
    };

    explicit InstanceLock(const QString &settingsFile);
    Q_DISABLE_COPY_MOVE(InstanceLock)

    Result tryLock();
    QString fileName() const { return m_fileName; }
    // After Unusable: that the lock file cannot be used, naming it, and why.
    QString errorString() const { return m_errorString; }

private:
    Result takeOverLeftover();
    Result unusable(const QString &why);

    QString m_fileName;
    QLockFile m_lock;
    QString m_errorString;
};
