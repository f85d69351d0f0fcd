// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/historystore.h"

#include "history/historystore_p.h"
#include "history/searchterm.h"

#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>
#include <QVariant>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Rows are added to the full-text index this many at a time. Indexing a
// single row writes a new index segment and merges older ones, which costs
// ten times what recording the row does; in batches that cost is shared,
// and searches read the few rows above the mark directly.
constexpr qint64 indexBatch = 64;

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

// A null QString binds as SQL NULL; the text columns hold empty texts instead.
QString text(const QString &value)
{
    return value.isNull() ? u""_s : value;
}

QString timeText(const QDateTime &time)
{
    return time.toUTC().toString(Qt::ISODateWithMs);
}

// The endpoint as the user may see it: a password in its user information
// stays out of the file.
QString endpointWithoutPassword(const QString &endpoint)
{
    const QUrl url(endpoint, QUrl::StrictMode);
    if (!url.isValid() || url.password().isEmpty())
        return endpoint;
    return url.toString(QUrl::RemovePassword);
}

QString csvField(const QString &value)
{
    if (!value.contains(u',') && !value.contains(u'"') && !value.contains(u'\n') && !value.contains(u'\r'))
        return value;
    QString quoted = value;
    quoted.replace(u"\""_s, u"\"\""_s);
    return u'"' + quoted + u'"';
}

} // namespace

// Inside a write transaction: indexes the rows above the mark once there are
// a batch of them.
bool HistoryStore::Private::indexNewRows(qint64 newestId)
{
    // The mark only grows, so a batch cannot be due before the last mark
    // seen says so; only then is the file asked.
    if (newestId - indexMarkSeen < indexBatch)
        return true;
    const std::optional<qint64> through = indexedThrough();
    if (!through)
        return false;
    if (newestId - *through < indexBatch)
        return true;
    QSqlQuery index(db);
    index.prepare(u"INSERT INTO message_search_index (rowid, text)"
                  " SELECT id, text FROM message_search WHERE id > ? AND id <= ?"_s);
    index.addBindValue(*through);
    index.addBindValue(newestId);
    QSqlQuery mark(db);
    mark.prepare(u"UPDATE search_index SET indexed_through = ?"_s);
    mark.addBindValue(newestId);
    if (!exec(index) || !exec(mark))
        return false;
    // Should the transaction not commit, rows above the real mark are still
    // found (read directly); they are indexed with a later batch.
    indexMarkSeen = newestId;
    return true;
}

QString HistoryStore::defaultFileName()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + u"/KORVANE/history.sqlite"_s;
}

HistoryStore::HistoryStore(QObject *parent) : HistoryStore(defaultFileName(), parent) {}

HistoryStore::HistoryStore(const QString &fileName, QObject *parent)
    : QObject(parent), d(std::make_unique<Private>())
{
    d->fileName = fileName;
    d->connectionName = Private::uniqueConnectionName();
    d->open = d->openFile();
    if (d->open)
        d->error.clear();
}

HistoryStore::~HistoryStore()
{
    if (d->open && !d->inFlight.isEmpty())
        d->markInterrupted(d->ownerLock.token());
    const QString connectionName = d->connectionName;
    // The connection must be unused before it is removed.
    d->statements.clear();
    d->db.close();
    d.reset();
    if (QSqlDatabase::contains(connectionName))
        QSqlDatabase::removeDatabase(connectionName);
}

QString HistoryStore::fileName() const
{
    return d->fileName;
}

bool HistoryStore::isOpen() const
{
    return d->open;
}

QString HistoryStore::errorString() const
{
    return d->error;
}

std::optional<qint64> HistoryStore::begin(const HistoryRecord &send)
{
    if (!d->open)
        return std::nullopt;
    d->error.clear();
    Private::Transaction transaction(*d);
    if (!transaction.isActive()) {
        d->setError(u"The send could not be recorded in %1"_s.arg(d->fileName), transaction.error());
        return std::nullopt;
    }
    QSqlQuery *insert = d->prepared(u"INSERT INTO messages (time, sender_name, sender_number, recipient_name,"
                                    " recipient_number, message, culture, endpoint, state, owner)"
                                    " VALUES (?, ?, ?, ?, ?, ?, ?, ?, 'sending', ?)"_s);
    QSqlQuery *search = d->prepared(u"INSERT INTO message_search (id, text) VALUES (?, ?)"_s);
    if (!insert || !search)
        return std::nullopt;
    insert->bindValue(0, timeText(send.time.isValid() ? send.time : QDateTime::currentDateTimeUtc()));
    insert->bindValue(1, text(send.senderName));
    insert->bindValue(2, text(send.senderNumber));
    insert->bindValue(3, text(send.recipientName));
    insert->bindValue(4, text(send.recipientNumber));
    insert->bindValue(5, text(send.message));
    insert->bindValue(6, text(send.culture));
    insert->bindValue(7, text(endpointWithoutPassword(send.endpoint)));
    insert->bindValue(8, d->ownerLock.token());
    if (!d->exec(*insert))
        return std::nullopt;
    const qint64 id = insert->lastInsertId().toLongLong();

    search->bindValue(0, id);
    search->bindValue(1, SearchTerm::searchText(send.recipientName, send.recipientNumber, send.message));
    if (!d->exec(*search) || !d->indexNewRows(id))
        return std::nullopt;
    if (!transaction.commit()) {
        d->setError(u"The send could not be recorded in %1"_s.arg(d->fileName), transaction.error());
        return std::nullopt;
    }
    d->inFlight.insert(id);
    emit recordAdded(id);
    return id;
}

bool HistoryStore::finish(qint64 id, HistoryRecord::State outcome, const QString &reason,
                          std::chrono::milliseconds duration)
{
    if (!d->open)
        return false;
    d->error.clear();
    if (outcome == HistoryRecord::State::Sending) {
        d->error = u"A send cannot finish in the state \"sending\"."_s;
        return false;
    }
    QSqlQuery *update = d->prepared(u"UPDATE messages SET state = ?, reason = ?, duration_ms = ?, owner = NULL"
                                    " WHERE id = ? AND state = 'sending'"_s);
    if (!update)
        return false;
    update->bindValue(0, HistoryRecord::stateKey(outcome));
    update->bindValue(1, text(reason));
    update->bindValue(2, qint64(std::max<std::chrono::milliseconds::rep>(duration.count(), 0)));
    update->bindValue(3, id);
    if (!d->exec(*update))
        return false;
    d->inFlight.remove(id);
    if (update->numRowsAffected() != 1) {
        d->error = u"The outcome of send %1 could not be recorded: it is no longer being sent."_s.arg(id);
        return false;
    }
    emit recordChanged(id);
    return true;
}

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

bool HistoryStore::remove(const QList<qint64> &ids)
{
    if (!d->open)
        return false;
    d->error.clear();
    Private::Transaction transaction(*d);
    if (!transaction.isActive()) {
        d->setError(u"The messages could not be deleted from %1"_s.arg(d->fileName), transaction.error());
        return false;
    }
    // An external-content index forgets a row only when told its text, and
    // must never be told of a row it does not hold.
    const std::optional<qint64> through = d->indexedThrough();
    if (!through)
        return false;
    QSqlQuery unindex(d->db);
    unindex.prepare(u"INSERT INTO message_search_index (message_search_index, rowid, text)"
                    " SELECT 'delete', id, text FROM message_search WHERE id = ?"_s);
    QSqlQuery unsearch(d->db);
    unsearch.prepare(u"DELETE FROM message_search WHERE id = ?"_s);
    QSqlQuery unrecord(d->db);
    unrecord.prepare(u"DELETE FROM messages WHERE id = ?"_s);
    QList<qint64> removed;
    for (const qint64 id : ids) {
        unindex.bindValue(0, id);
        unsearch.bindValue(0, id);
        unrecord.bindValue(0, id);
        if ((id <= *through && !d->exec(unindex)) || !d->exec(unsearch) || !d->exec(unrecord))
            return false;
        if (unrecord.numRowsAffected() > 0)
            removed.append(id);
    }
    if (!transaction.commit()) {
        d->setError(u"The messages could not be deleted from %1"_s.arg(d->fileName), transaction.error());
        return false;
    }
    // Old page images of the deleted text stay in the WAL until a checkpoint;
    // take one now if no reader is in the way.
    QSqlQuery(d->db).exec(u"PRAGMA wal_checkpoint(TRUNCATE)"_s);
    if (!removed.isEmpty())
        emit recordsRemoved(removed);
    return true;
}

bool HistoryStore::clear()
{
    if (!d->open)
        return false;
    d->error.clear();
    Private::Transaction transaction(*d);
    if (!transaction.isActive()) {
        d->setError(u"The history %1 could not be cleared"_s.arg(d->fileName), transaction.error());
        return false;
    }
    if (!d->exec(u"INSERT INTO message_search_index (message_search_index) VALUES ('delete-all')"_s)
        || !d->exec(u"DELETE FROM message_search"_s) || !d->exec(u"DELETE FROM messages"_s)) {
        return false;
    }
    if (!transaction.commit()) {
        d->setError(u"The history %1 could not be cleared"_s.arg(d->fileName), transaction.error());
        return false;
    }
    QSqlQuery(d->db).exec(u"PRAGMA wal_checkpoint(TRUNCATE)"_s);
    emit cleared();
    return true;
}

bool HistoryStore::exportCsv(const QString &fileName, const QString &filter) const
{
    if (!d->open)
        return false;
    d->error.clear();
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        d->error = u"%1 could not be written: %2"_s.arg(fileName, file.errorString());
        return false;
    }
    file.write("id,time,sender_name,sender_number,recipient_name,recipient_number,message,culture,endpoint,"
               "state,reason,duration_ms\r\n");

    // One read transaction: the file shows the history at one moment, even
    // while another process writes.
    if (!d->exec(u"BEGIN"_s))
        return false;
    static constexpr int pageSize = 1000;
    Query page;
    page.filter = filter;
    page.limit = pageSize;
    bool complete = false;
    while (!complete) {
        const std::optional<QList<HistoryRecord>> rows = records(page);
        if (!rows)
            break;
        for (const HistoryRecord &row : *rows) {
            const QStringList fields{
                QString::number(row.id),
                timeText(row.time),
                csvField(row.senderName),
                csvField(row.senderNumber),
                csvField(row.recipientName),
                csvField(row.recipientNumber),
                csvField(row.message),
                csvField(row.culture),
                csvField(row.endpoint),
                csvField(HistoryRecord::stateKey(row.state)),
                csvField(row.reason),
                row.duration ? QString::number(row.duration->count()) : QString(),
            };
            file.write((fields.join(u',') + u"\r\n"_s).toUtf8());
        }
        complete = rows->size() < pageSize;
        if (!rows->isEmpty())
            page.olderThan = rows->constLast().id;
    }
    const QString readError = d->error;
    d->exec(u"COMMIT"_s);
    if (!complete) {
        d->error = readError;
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        d->error = u"%1 could not be written: %2"_s.arg(fileName, file.errorString());
        return false;
    }
    d->error.clear();
    return true;
}
