// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/instancelock.h"

#include <QDir>
#include <QFileInfo>

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
    QDir().mkpath(QFileInfo(m_fileName).absolutePath());
    if (m_lock.tryLock(0))
        return Result::Acquired;
    return m_lock.error() == QLockFile::LockFailedError ? Result::HeldByAnother : Result::Unavailable;
}
