// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/historyreader.h"

#include "history/historyfile.h"
#include "history/searchterm.h"

#include <QCoreApplication>
#include <QVariant>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const QString recordColumns = u"m.id, m.time, m.sender_name, m.sender_number, m.recipient_name,"
                              " m.recipient_number, m.message, m.culture, m.endpoint, m.state,"
                              " m.reason, m.duration_ms"_s;

// Reads the stored form, yyyy-MM-ddTHH:mm:ss.zzzZ, directly: a screen of
// rows parses faster than through QDateTime::fromString(), which stays for
// any other ISO 8601 form.
QDateTime parseTime(const QString &text)
{
    const auto number = [&text](qsizetype from, qsizetype length) {
        int value = 0;
        for (qsizetype i = from; i < from + length; ++i) {
            const char16_t c = text.at(i).unicode();
            if (c < u'0' || c > u'9')
                return -1;
            value = value * 10 + (c - u'0');
        }
        return value;
    };
    if (text.size() == 24 && text.at(4) == u'-' && text.at(7) == u'-' && text.at(10) == u'T' && text.at(13) == u':'
        && text.at(16) == u':' && text.at(19) == u'.' && text.at(23) == u'Z') {
        const QDate date(number(0, 4), number(5, 2), number(8, 2));
        const QTime time(number(11, 2), number(14, 2), number(17, 2), number(20, 3));
        if (date.isValid() && time.isValid())
            return QDateTime(date, time, Qt::UTC);
    }
    return QDateTime::fromString(text, Qt::ISODateWithMs).toUTC();
}

HistoryRecord readRecord(const QSqlQuery &query)
{
    HistoryRecord record;
    record.id = query.value(0).toLongLong();
    record.time = parseTime(query.value(1).toString());
    record.senderName = query.value(2).toString();
    record.senderNumber = query.value(3).toString();
    record.recipientName = query.value(4).toString();
    record.recipientNumber = query.value(5).toString();
    record.message = query.value(6).toString();
    record.culture = query.value(7).toString();
    record.endpoint = query.value(8).toString();
    // The CHECK constraint keeps other texts out of the file.
    record.state = HistoryRecord::stateFromKey(query.value(9).toString()).value_or(HistoryRecord::State::NotKnown);
    record.reason = query.value(10).toString();
    if (!query.value(11).isNull())
        record.duration = std::chrono::milliseconds(query.value(11).toLongLong());
    return record;
}

} // namespace

std::optional<HistoryRecord> HistoryReader::record(qint64 id) const
{
    QSqlQuery query(m_file.database());
    query.setForwardOnly(true);
    query.prepare(u"SELECT "_s + recordColumns + u" FROM messages m WHERE m.id = ?"_s);
    query.addBindValue(id);
    if (!m_file.exec(query) || !query.next())
        return std::nullopt;
    return readRecord(query);
}

// The statement of one read: the rows of one source (every row, the index,
// or a scan of the search text) between two ids, newest first.
QString HistoryReader::selection(Source source, const Range &range)
{
    QString sql = u"SELECT "_s + recordColumns;
    QString key;
    QStringList conditions;
    switch (source) {
    case Source::Everything:
        sql += u" FROM messages m"_s;
        key = u"m.id"_s;
        break;
    case Source::Index:
        // The index gives its rows in rowid order, so the newest matches come
        // first without sorting them all.
        sql += u" FROM message_search_index f CROSS JOIN messages m ON m.id = f.rowid"_s;
        conditions << u"message_search_index MATCH :term"_s;
        key = u"f.rowid"_s;
        break;
    case Source::Scan:
        sql += u" FROM message_search s CROSS JOIN messages m ON m.id = s.id"_s;
        conditions << u"s.text GLOB :term"_s;
        key = u"s.id"_s;
        break;
    }
    if (range.olderThan > 0)
        conditions << key + u" < :older"_s;
    if (range.newerThan > 0)
        conditions << key + u" > :newer"_s;
    if (!conditions.isEmpty())
        sql += u" WHERE "_s + conditions.join(u" AND "_s);
    sql += u" ORDER BY "_s + key + u" DESC"_s;
    if (range.limit >= 0)
        sql += u" LIMIT :limit"_s;
    return sql;
}

bool HistoryReader::readRows(Source source, const QString &term, const Range &range, QList<HistoryRecord> *rows) const
{
    QSqlQuery *query = m_file.prepared(selection(source, range));
    if (!query)
        return false;
    if (source != Source::Everything)
        query->bindValue(u":term"_s, term);
    if (range.olderThan > 0)
        query->bindValue(u":older"_s, range.olderThan);
    if (range.newerThan > 0)
        query->bindValue(u":newer"_s, range.newerThan);
    if (range.limit >= 0)
        query->bindValue(u":limit"_s, range.limit);
    bool read = query->exec();
    while (read && query->next())
        rows->append(readRecord(*query));
    const QSqlError error = query->lastError();
    query->finish();
    if (!read || error.isValid()) {
        // What the user typed is in the statement; SQLite's words about it
        // would mean nothing to them.
        const QString what = source == Source::Everything
            ? QCoreApplication::translate("HistoryFile", "The history %1 could not be read")
            : QCoreApplication::translate("HistoryFile", "The history %1 could not be searched");
        m_file.setError(what.arg(m_file.fileName()), error, HistoryFile::Detail::Plain);
        return false;
    }
    return true;
}

std::optional<qint64> HistoryReader::indexedThrough() const
{
    QSqlQuery *query = m_file.prepared(u"SELECT indexed_through FROM search_index"_s);
    if (!query || !m_file.exec(*query))
        return std::nullopt;
    if (!query->next()) {
        m_file.setError(
            QCoreApplication::translate("HistoryFile", "The history %1 could not be read").arg(m_file.fileName()),
            query->lastError());
        return std::nullopt;
    }
    const qint64 through = query->value(0).toLongLong();
    query->finish();
    m_indexMarkSeen = std::max(m_indexMarkSeen, through);
    return through;
}

// Rows above the index's mark are newer than every indexed row: they come
// first, read directly, then the index serves the rest.
bool HistoryReader::readMatches(const HistoryStore::Query &request, QList<HistoryRecord> *rows) const
{
    const SearchTerm term(request.filter);
    const Range range{request.olderThan, request.newerThan, request.limit};
    switch (term.kind()) {
    case SearchTerm::Kind::Everything:
        return readRows(Source::Everything, QString(), range, rows);
    case SearchTerm::Kind::Scanned:
        return readRows(Source::Scan, term.scanPattern(), range, rows);
    case SearchTerm::Kind::Indexed:
        break;
    }
    const std::optional<qint64> through = indexedThrough();
    if (!through)
        return false;
    if (!readRows(Source::Scan, term.scanPattern(), {range.olderThan, std::max(range.newerThan, *through), range.limit},
                  rows)) {
        return false;
    }
    const Range indexed{
        .olderThan = range.olderThan > 0 ? std::min(range.olderThan, *through + 1) : *through + 1,
        .newerThan = range.newerThan,
        .limit = range.limit < 0 ? -1 : range.limit - int(rows->size()),
    };
    if (indexed.limit == 0 || *through == 0 || indexed.olderThan <= indexed.newerThan + 1)
        return true;
    return readRows(Source::Index, term.indexQuery(), indexed, rows);
}

std::optional<QList<HistoryRecord>> HistoryReader::records(const HistoryStore::Query &query) const
{
    QList<HistoryRecord> rows;
    if (query.limit == 0)
        return rows;
    if (!readMatches(query, &rows))
        return std::nullopt;
    return rows;
}
