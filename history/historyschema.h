// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QSqlDatabase;

// The history's schema: the statements of each version, and the check that a
// file holds exactly what they create. SQL in a file is run by SQLite
// whenever its table is written (a trigger) or read (a view), so a file with
// anything KORVANE did not put there is not used.
namespace HistorySchema {

// PRAGMA application_id of a KORVANE history: "KORV" in ASCII. It tells the
// file from another program's SQLite database whatever its user_version.
inline constexpr int applicationId = 0x4B4F5256;

// What each version adds to the one before it: entry N - 1 turns a file of
// version N - 1 into version N. A new version appends an entry and never
// edits an old one, so every older file can be brought forward.
const QList<QStringList> &migrations();

// Why the schema of `db`, a file of `version`, is not the one that the
// migrations up to that version create: it names the first object added,
// changed or missing, in words that follow "it ...". Empty when the schema
// is KORVANE's own. SQLite's own objects (sqlite_sequence, statistics) are
// left out on both sides.
QString strangerIn(const QSqlDatabase &db, int version);

} // namespace HistorySchema
