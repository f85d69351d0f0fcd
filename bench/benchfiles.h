// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Settings files in the store's INI layout, for benchmarks.
namespace BenchFiles {

inline QString senderName() { return QStringLiteral("Alice"); }
inline QString senderNumber() { return QStringLiteral("00441234567890"); }

// The name and number stored at a 1-based position.
QString recipientName(int position);
QString recipientNumber(int position);

// Writes a file with the sender's details and `count` recipients and
// returns its path.
QString writeStore(const QString &fileName, int count);

} // namespace BenchFiles
