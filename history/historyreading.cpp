// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reading rows: one by its id, or newest first from every row, the
// full-text index or a scan of the search text.

#include "history/historystore.h"

#include "history/historystore_p.h"
#include "history/searchterm.h"

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

std::optional<HistoryRecord> HistoryStore::record(qint64 id) const
{
    if (!d->open)
        return std::nullopt;
    d->error.clear();
    QSqlQuery query(d->db);
    query.setForwardOnly(true);
    query.prepare(u"SELECT "_s + recordColumns + u" FROM messages m WHERE m.id = ?"_s);
    query.addBindValue(id);
    if (!d->exec(query) || !query.next())
        return std::nullopt;
    return readRecord(query);
}

// One query of records(): the rows of one source (every row, the index, or
// a scan of the search text) between two ids, newest first.
bool HistoryStore::Private::readRows(Private::Source source, const QString &term, qint64 olderThan, qint64 newerThan,
                                     int limit, QList<HistoryRecord> *rows) const
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
    if (olderThan > 0)
        conditions << key + u" < :older"_s;
    if (newerThan > 0)
        conditions << key + u" > :newer"_s;
    if (!conditions.isEmpty())
        sql += u" WHERE "_s + conditions.join(u" AND "_s);
    sql += u" ORDER BY "_s + key + u" DESC"_s;
    if (limit >= 0)
        sql += u" LIMIT :limit"_s;

    QSqlQuery *query = prepared(sql);
    if (!query)
        return false;
    if (source != Source::Everything)
        query->bindValue(u":term"_s, term);
    if (olderThan > 0)
        query->bindValue(u":older"_s, olderThan);
    if (newerThan > 0)
        query->bindValue(u":newer"_s, newerThan);
    if (limit >= 0)
        query->bindValue(u":limit"_s, limit);
    if (!exec(*query))
        return false;
    while (query->next())
        rows->append(readRecord(*query));
    const QSqlError error = query->lastError();
    query->finish();
    if (error.isValid()) {
        setError(u"The history %1 could not be read"_s.arg(fileName), error);
        return false;
    }
    return true;
}

std::optional<qint64> HistoryStore::Private::indexedThrough() const
{
    QSqlQuery *query = prepared(u"SELECT indexed_through FROM search_index"_s);
    if (!query || !exec(*query))
        return std::nullopt;
    if (!query->next()) {
        setError(u"The history %1 could not be read"_s.arg(fileName), query->lastError());
        return std::nullopt;
    }
    const qint64 through = query->value(0).toLongLong();
    query->finish();
    indexMarkSeen = std::max(indexMarkSeen, through);
    return through;
}

std::optional<QList<HistoryRecord>> HistoryStore::records(const Query &request) const
{
    if (!d->open)
        return std::nullopt;
    d->error.clear();
    QList<HistoryRecord> rows;
    if (request.limit == 0)
        return rows;

    const SearchTerm term(request.filter);
    switch (term.kind()) {
    case SearchTerm::Kind::Everything:
        if (!d->readRows(Private::Source::Everything, QString(), request.olderThan, request.newerThan, request.limit, &rows))
            return std::nullopt;
        break;
    case SearchTerm::Kind::Scanned:
        if (!d->readRows(Private::Source::Scan, term.scanPattern(), request.olderThan, request.newerThan, request.limit,
                         &rows)) {
            return std::nullopt;
        }
        break;
    case SearchTerm::Kind::Indexed: {
        // Rows above the index's mark are newer than every indexed row: they
        // come first, read directly, then the index serves the rest.
        const std::optional<qint64> through = d->indexedThrough();
        if (!through)
            return std::nullopt;
        if (!d->readRows(Private::Source::Scan, term.scanPattern(), request.olderThan,
                         std::max(request.newerThan, *through), request.limit, &rows)) {
            return std::nullopt;
        }
        const qint64 olderThan = request.olderThan > 0 ? std::min(request.olderThan, *through + 1) : *through + 1;
        const int remaining = request.limit < 0 ? -1 : request.limit - int(rows.size());
        if (remaining != 0 && *through > 0 && olderThan > request.newerThan + 1
            && !d->readRows(Private::Source::Index, term.indexQuery(), olderThan, request.newerThan, remaining, &rows)) {
            return std::nullopt;
        }
        break;
    }
    }
    return rows;
}

std::optional<QList<HistoryRecord>> HistoryStore::newest(int limit) const
{
    Query query;
    query.limit = limit;
    return records(query);
}
