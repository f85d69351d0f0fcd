// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The history's files as the file system sees them: what the store accepts
// in their place, the folders and file it creates, and their modes. The
// history holds the user's messages and other people's numbers, so it is
// written only into regular files that no one else can read.
namespace HistoryDisk {

// The history and SQLite's files beside it: "-wal" and "-shm".
QStringList filesOf(const QString &fileName);

// What `path` is when it is there but is no regular file, in words that
// follow "it is" ("a symbolic link", "a folder"...). A link counts as a
// link, whatever it leads to: written through, it would turn another file
// into the history. Empty for a regular file or nothing at all.
QString nonRegularKind(const QString &path);

// Creates the missing folders of `path`, each 0700, leaving existing ones as
// they are.
bool makePrivatePath(const QString &path, QString *error);

// Creates an empty file readable by its owner only, unless one is there.
bool createPrivateFile(const QString &fileName, QString *error);

// Takes every right but the owner's from those of filesOf() that others may
// read or write (0644 becomes 0600, 0444 becomes 0400). A "-wal" or "-shm"
// that its owner cannot write while the history can be written (as an open
// of a read-only history leaves them) is made writable again: SQLite would
// otherwise take the whole history for read-only. Returns what the user is
// to be told, empty when there is nothing to tell.
QString makePrivate(const QString &fileName);

// Which of filesOf(), or their folder, cannot be written, in words for the
// user; empty when all can.
QString unwritablePart(const QString &fileName);

} // namespace HistoryDisk
