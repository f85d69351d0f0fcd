// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "history/historyrecord.h"
#include "history/historystore.h"

#include <QList>
#include <QString>

#include <optional>

class HistoryFile;

// Reads a history's rows: one by its id, or newest first from every row, the
// full-text index or a scan of the search text (see SearchTerm). The file
// must be in use (HistoryFile::use()) before each call; errors go to it.
class HistoryReader final
{
public:
    explicit HistoryReader(HistoryFile &file) : m_file(file) {}
    Q_DISABLE_COPY_MOVE(HistoryReader)

    std::optional<HistoryRecord> record(qint64 id) const;
    std::optional<QList<HistoryRecord>> records(const HistoryStore::Query &query) const;

    // The id up to which the full-text index holds the rows, as the file
    // says now.
    std::optional<qint64> indexedThrough() const;
    // The highest mark that this reader has seen or been told of; the file's
    // may be higher, never lower.
    qint64 indexMarkSeen() const { return m_indexMarkSeen; }
    void setIndexMarkSeen(qint64 mark) { m_indexMarkSeen = mark; }

private:
    enum class Source { Everything, Index, Scan };
    struct Range
    {
        qint64 olderThan = 0;
        qint64 newerThan = 0;
        int limit = -1;
    };
    static QString selection(Source source, const Range &range);
    bool readRows(Source source, const QString &term, const Range &range, QList<HistoryRecord> *rows) const;
    bool readMatches(const HistoryStore::Query &query, QList<HistoryRecord> *rows) const;

    HistoryFile &m_file;
    mutable qint64 m_indexMarkSeen = 0;
};
