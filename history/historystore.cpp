// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/historystore.h"

#include "history/historystore_p.h"
#include "history/searchterm.h"

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

// A null QString binds as SQL NULL; the text columns hold empty texts instead.
QString text(const QString &value)
{
    return value.isNull() ? u""_s : value;
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

} // namespace

QString HistoryStore::Private::timeText(const QDateTime &time)
{
    return time.toUTC().toString(Qt::ISODateWithMs);
}

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
    insert->bindValue(0, Private::timeText(send.time.isValid() ? send.time : QDateTime::currentDateTimeUtc()));
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
