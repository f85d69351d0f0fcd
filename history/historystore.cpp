// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/historystore.h"

#include "common/privatefile.h"
#include "history/historycsv.h"
#include "history/historyfile.h"
#include "history/historyreader.h"
#include "history/searchterm.h"

#include <QSaveFile>
#include <QSqlDatabase>
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

void HistoryStore::loadDriver()
{
    // Once per program: the driver's plugin stays loaded when the connection
    // is removed, so later sends have nothing to load.
    static const bool loaded = [] {
        const QString name = u"korvane-driver"_s;
        QSqlDatabase::addDatabase(u"QSQLITE"_s, name);
        QSqlDatabase::removeDatabase(name);
        return true;
    }();
    Q_UNUSED(loaded);
}

QString HistoryStore::defaultFileName()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + u"/KORVANE/history.sqlite"_s;
}

HistoryStore::HistoryStore(QObject *parent) : HistoryStore(defaultFileName(), parent) {}

HistoryStore::HistoryStore(const QString &fileName, QObject *parent)
    : QObject(parent)
    , m_file(std::make_unique<HistoryFile>(fileName, [this](const QString &text) { emit noticed(text); }))
    , m_reader(std::make_unique<HistoryReader>(*m_file))
{
}

HistoryStore::~HistoryStore()
{
    if (m_file->isOpen() && !m_inFlight.isEmpty())
        m_file->markInterrupted(m_file->ownerToken());
}

QString HistoryStore::fileName() const
{
    return m_file->fileName();
}

bool HistoryStore::isOpen() const
{
    return m_file->use();
}

QString HistoryStore::errorString() const
{
    return m_file->errorString();
}

// Inside a write transaction: indexes the rows above the mark once there are
// a batch of them.
bool HistoryStore::indexNewRows(qint64 newestId)
{
    // The mark only grows, so a batch cannot be due before the last mark
    // seen says so; only then is the file asked.
    if (newestId - m_reader->indexMarkSeen() < indexBatch)
        return true;
    const std::optional<qint64> through = m_reader->indexedThrough();
    if (!through)
        return false;
    if (newestId - *through < indexBatch)
        return true;
    QSqlQuery index(m_file->database());
    index.prepare(u"INSERT INTO message_search_index (rowid, text)"
                  " SELECT id, text FROM message_search WHERE id > ? AND id <= ?"_s);
    index.addBindValue(*through);
    index.addBindValue(newestId);
    QSqlQuery mark(m_file->database());
    mark.prepare(u"UPDATE search_index SET indexed_through = ?"_s);
    mark.addBindValue(newestId);
    if (!m_file->exec(index) || !m_file->exec(mark))
        return false;
    // Should the transaction not commit, rows above the real mark are still
    // found (read directly); they are indexed with a later batch.
    m_reader->setIndexMarkSeen(newestId);
    return true;
}

std::optional<qint64> HistoryStore::begin(const HistoryRecord &send)
{
    if (!m_file->use())
        return std::nullopt;
    m_file->clearError();
    const QString failed = tr("The send could not be recorded in %1").arg(m_file->fileName());
    HistoryFile::Transaction transaction(*m_file);
    if (!transaction.isActive()) {
        m_file->setError(failed, transaction.error());
        return std::nullopt;
    }
    QSqlQuery *insert = m_file->prepared(u"INSERT INTO messages (time, sender_name, sender_number, recipient_name,"
                                         " recipient_number, message, culture, endpoint, state, owner)"
                                         " VALUES (?, ?, ?, ?, ?, ?, ?, ?, 'sending', ?)"_s);
    QSqlQuery *search = m_file->prepared(u"INSERT INTO message_search (id, text) VALUES (?, ?)"_s);
    if (!insert || !search)
        return std::nullopt;
    insert->bindValue(0, HistoryFile::timeText(send.time.isValid() ? send.time : QDateTime::currentDateTimeUtc()));
    insert->bindValue(1, text(send.senderName));
    insert->bindValue(2, text(send.senderNumber));
    insert->bindValue(3, text(send.recipientName));
    insert->bindValue(4, text(send.recipientNumber));
    insert->bindValue(5, text(send.message));
    insert->bindValue(6, text(send.culture));
    insert->bindValue(7, text(endpointWithoutPassword(send.endpoint)));
    insert->bindValue(8, m_file->ownerToken());
    if (!m_file->exec(*insert))
        return std::nullopt;
    const qint64 id = insert->lastInsertId().toLongLong();

    search->bindValue(0, id);
    search->bindValue(1, SearchTerm::searchText(send.recipientName, send.recipientNumber, send.message));
    if (!m_file->exec(*search) || !indexNewRows(id))
        return std::nullopt;
    if (!transaction.commit()) {
        m_file->setError(failed, transaction.error());
        return std::nullopt;
    }
    m_inFlight.insert(id);
    emit recordAdded(id);
    return id;
}

bool HistoryStore::finish(qint64 id, HistoryRecord::State outcome, const QString &reason,
                          std::chrono::milliseconds duration)
{
    if (!m_file->use())
        return false;
    m_file->clearError();
    if (outcome == HistoryRecord::State::Sending) {
        m_file->setError(tr("A send cannot finish in the state \"sending\"."));
        return false;
    }
    QSqlQuery *update = m_file->prepared(u"UPDATE messages SET state = ?, reason = ?, duration_ms = ?, owner = NULL"
                                         " WHERE id = ? AND state = 'sending'"_s);
    if (!update)
        return false;
    update->bindValue(0, HistoryRecord::stateKey(outcome));
    update->bindValue(1, text(reason));
    update->bindValue(2, qint64(std::max<std::chrono::milliseconds::rep>(duration.count(), 0)));
    update->bindValue(3, id);
    if (!m_file->exec(*update))
        return false;
    m_inFlight.remove(id);
    if (update->numRowsAffected() != 1) {
        m_file->setError(tr("The outcome of send %1 could not be recorded: it is no longer being sent.").arg(id));
        return false;
    }
    emit recordChanged(id);
    return true;
}

std::optional<HistoryRecord> HistoryStore::record(qint64 id) const
{
    if (!m_file->use())
        return std::nullopt;
    m_file->clearError();
    return m_reader->record(id);
}

std::optional<QList<HistoryRecord>> HistoryStore::records(const Query &query) const
{
    if (!m_file->use())
        return std::nullopt;
    m_file->clearError();
    return m_reader->records(query);
}

std::optional<QList<HistoryRecord>> HistoryStore::newest(int limit) const
{
    Query query;
    query.limit = limit;
    return records(query);
}

bool HistoryStore::remove(const QList<qint64> &ids)
{
    if (!m_file->use())
        return false;
    m_file->clearError();
    const QString failed = tr("The messages could not be deleted from %1").arg(m_file->fileName());
    HistoryFile::Transaction transaction(*m_file);
    if (!transaction.isActive()) {
        m_file->setError(failed, transaction.error());
        return false;
    }
    // An external-content index forgets a row only when told its text, and
    // must never be told of a row it does not hold.
    const std::optional<qint64> through = m_reader->indexedThrough();
    if (!through)
        return false;
    QSqlQuery unindex(m_file->database());
    unindex.prepare(u"INSERT INTO message_search_index (message_search_index, rowid, text)"
                    " SELECT 'delete', id, text FROM message_search WHERE id = ?"_s);
    QSqlQuery unsearch(m_file->database());
    unsearch.prepare(u"DELETE FROM message_search WHERE id = ?"_s);
    QSqlQuery unrecord(m_file->database());
    unrecord.prepare(u"DELETE FROM messages WHERE id = ?"_s);
    QList<qint64> removed;
    for (const qint64 id : ids) {
        unindex.bindValue(0, id);
        unsearch.bindValue(0, id);
        unrecord.bindValue(0, id);
        if ((id <= *through && !m_file->exec(unindex)) || !m_file->exec(unsearch) || !m_file->exec(unrecord))
            return false;
        if (unrecord.numRowsAffected() > 0)
            removed.append(id);
    }
    if (!transaction.commit()) {
        m_file->setError(failed, transaction.error());
        return false;
    }
    // Old page images of the deleted text stay in the WAL until a checkpoint;
    // take one now if no reader is in the way.
    QSqlQuery(m_file->database()).exec(u"PRAGMA wal_checkpoint(TRUNCATE)"_s);
    if (!removed.isEmpty())
        emit recordsRemoved(removed);
    return true;
}

bool HistoryStore::clear()
{
    if (!m_file->use())
        return false;
    m_file->clearError();
    const QString failed = tr("The history %1 could not be cleared").arg(m_file->fileName());
    HistoryFile::Transaction transaction(*m_file);
    if (!transaction.isActive()) {
        m_file->setError(failed, transaction.error());
        return false;
    }
    if (!m_file->exec(u"INSERT INTO message_search_index (message_search_index) VALUES ('delete-all')"_s)
        || !m_file->exec(u"DELETE FROM message_search"_s) || !m_file->exec(u"DELETE FROM messages"_s)) {
        return false;
    }
    if (!transaction.commit()) {
        m_file->setError(failed, transaction.error());
        return false;
    }
    QSqlQuery(m_file->database()).exec(u"PRAGMA wal_checkpoint(TRUNCATE)"_s);
    emit cleared();
    return true;
}

bool HistoryStore::exportCsv(const QString &fileName, const QString &filter) const
{
    if (!m_file->use())
        return false;
    m_file->clearError();
    QSaveFile file(fileName);
    if (!PrivateFile::open(file)) {
        m_file->setError(tr("%1 could not be written: %2").arg(fileName, file.errorString()));
        return false;
    }
    file.write(HistoryCsv::headerLine());

    // One read transaction: the file shows the history at one moment, even
    // while another process writes.
    if (!m_file->exec(u"BEGIN"_s))
        return false;
    static constexpr int pageSize = 1000;
    Query page{.filter = filter, .limit = pageSize};
    std::optional<QList<HistoryRecord>> rows;
    do {
        rows = m_reader->records(page);
        for (const HistoryRecord &row : rows.value_or(QList<HistoryRecord>()))
            file.write(HistoryCsv::line(row));
        if (rows && !rows->isEmpty())
            page.olderThan = rows->constLast().id;
    } while (rows && rows->size() == pageSize);
    const QString readError = m_file->errorString();
    m_file->exec(u"COMMIT"_s);
    if (!rows) {
        m_file->setError(readError);
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        m_file->setError(tr("%1 could not be written: %2").arg(fileName, file.errorString()));
        return false;
    }
    m_file->clearError();
    return true;
}
