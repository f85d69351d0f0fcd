// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/historystore.h"

#include "history/ownerlock.h"
#include "history/searchterm.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QHash>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QUrl>
#include <QVariant>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>

using namespace Qt::StringLiterals;

namespace {

const QString interruptedReason = u"the program ended during the send"_s;

// PRAGMA application_id of a KORVANE history: "KORV" in ASCII. It tells the
// file from another program's SQLite database whatever its user_version.
constexpr int applicationId = 0x4B4F5256;

// Rows are added to the full-text index this many at a time. Indexing a
// single row writes a new index segment and merges older ones, which costs
// ten times what recording the row does; in batches that cost is shared,
// and searches read the few rows above the mark directly.
constexpr qint64 indexBatch = 64;

// What each schema version adds to the one before it: entry N - 1 turns a
// file of version N - 1 into version N. A new version appends an entry and
// never edits an old one, so every older file can be brought forward.
const QList<QStringList> &migrations()
{
    static const QList<QStringList> steps{
        // Version 1: the sends, and the folded text that the search reads
        // (recipient name, number and message), indexed by trigrams.
        {
            u"CREATE TABLE messages ("
            "id INTEGER PRIMARY KEY AUTOINCREMENT,"
            "time TEXT NOT NULL," // UTC, ISO 8601 with milliseconds and Z: sorts as text
            "sender_name TEXT NOT NULL,"
            "sender_number TEXT NOT NULL,"
            "recipient_name TEXT NOT NULL,"
            "recipient_number TEXT NOT NULL,"
            "message TEXT NOT NULL,"
            "culture TEXT NOT NULL,"
            "endpoint TEXT NOT NULL,"
            "state TEXT NOT NULL CHECK (state IN ('sending', 'sent', 'not sent', 'not known')),"
            "reason TEXT NOT NULL DEFAULT '',"
            "duration_ms INTEGER,"
            "owner INTEGER)"_s, // the lock byte of the store sending it, while "sending"
            u"CREATE INDEX messages_in_flight ON messages (owner) WHERE state = 'sending'"_s,
            u"CREATE TABLE message_search (id INTEGER PRIMARY KEY, text TEXT NOT NULL)"_s,
            u"CREATE VIRTUAL TABLE message_search_index USING fts5(text, content='message_search',"
            " content_rowid='id', tokenize='trigram case_sensitive 1')"_s,
            // The index holds the rows of message_search up to this id; the
            // newer ones are added in batches (see indexBatch).
            u"CREATE TABLE search_index (indexed_through INTEGER NOT NULL)"_s,
            u"INSERT INTO search_index (indexed_through) VALUES (0)"_s,
        },
    };
    return steps;
}

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

// Creates the missing folders of `path`, each 0700, leaving existing ones as
// they are.
bool makePrivatePath(const QString &path, QString *error)
{
    QStringList missing;
    for (QString folder = QDir::cleanPath(QDir(path).absolutePath()); !QFileInfo::exists(folder);) {
        missing.prepend(folder);
        const QString parent = QFileInfo(folder).path();
        if (parent == folder)
            break;
        folder = parent;
    }
    for (const QString &folder : std::as_const(missing)) {
        if (::mkdir(QFile::encodeName(folder).constData(), 0700) != 0 && errno != EEXIST) {
            *error = u"The folder %1 could not be created: %2"_s.arg(folder, QString::fromLocal8Bit(std::strerror(errno)));
            return false;
        }
    }
    return true;
}

// Creates an empty file readable by its owner only, unless one is there.
bool createPrivateFile(const QString &fileName, QString *error)
{
    const int fd = ::open(QFile::encodeName(fileName).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0) {
        ::close(fd);
        return true;
    }
    if (errno == EEXIST)
        return true; // another process made it first
    *error = u"The history file %1 could not be created: %2"_s.arg(fileName, QString::fromLocal8Bit(std::strerror(errno)));
    return false;
}

QString uniqueConnectionName()
{
    static std::atomic<quint64> s_next{0};
    return u"korvane-history-%1"_s.arg(s_next.fetch_add(1));
}

} // namespace

struct HistoryStore::Private
{
    QString fileName;
    QString connectionName = uniqueConnectionName();
    QSqlDatabase db;
    OwnerLock ownerLock;
    QSet<qint64> inFlight; // begun here and not finished yet
    bool open = false;
    mutable QString error;
    // Statements prepared once and kept, by their text.
    mutable QHash<QString, QSqlQuery> statements;

    bool openFile();
    bool checkExistingFile();
    bool migrate(int fromVersion);
    std::optional<int> pragmaValue(const QString &name);
    int objectCount();
    void markInterrupted(qint64 owner);
    void recoverInterrupted();

    class Transaction;
    enum class Source { Everything, Index, Scan };
    bool readRows(Source source, const QString &term, qint64 olderThan, qint64 newerThan, int limit,
                  QList<HistoryRecord> *rows) const;
    std::optional<qint64> indexedThrough() const;
    bool indexNewRows(qint64 newestId);

    QSqlQuery *prepared(const QString &sql) const;
    bool exec(QSqlQuery &query) const;
    bool exec(const QString &statement) const;
    void setError(const QString &what, const QSqlError &error) const;
};

// BEGIN IMMEDIATE takes the write lock at once (waiting for the busy
// timeout), so that a transaction never fails half-way because another
// process wrote first. Rolls back unless committed.
class HistoryStore::Private::Transaction
{
public:
    explicit Transaction(const Private &store) : m_store(store)
    {
        m_active = run(u"BEGIN IMMEDIATE"_s);
    }
    ~Transaction()
    {
        if (m_active)
            run(u"ROLLBACK"_s);
    }
    Q_DISABLE_COPY_MOVE(Transaction)

    bool isActive() const { return m_active; }
    QSqlError error() const { return m_error; }

    bool commit()
    {
        if (!run(u"COMMIT"_s))
            return false;
        m_active = false;
        return true;
    }

private:
    bool run(const QString &statement)
    {
        QSqlQuery *query = m_store.prepared(statement);
        if (query && query->exec())
            return true;
        m_error = query ? query->lastError() : QSqlError(m_store.error, QString());
        return false;
    }

    const Private &m_store;
    QSqlError m_error;
    bool m_active = false;
};

void HistoryStore::Private::setError(const QString &what, const QSqlError &sqlError) const
{
    const QString detail = sqlError.databaseText().isEmpty() ? sqlError.text() : sqlError.databaseText();
    error = detail.isEmpty() ? what : what + u": "_s + detail;
}

// The statement for `sql`, prepared at its first use; null (and the error
// set) when it cannot be prepared. A caller that reads rows calls finish()
// when done, so that the statement holds no read transaction open.
QSqlQuery *HistoryStore::Private::prepared(const QString &sql) const
{
    auto it = statements.find(sql);
    if (it == statements.end()) {
        QSqlQuery query(db);
        query.setForwardOnly(true);
        if (!query.prepare(sql)) {
            setError(u"The history %1 could not be used"_s.arg(fileName), query.lastError());
            return nullptr;
        }
        it = statements.insert(sql, query);
    }
    return &*it;
}

bool HistoryStore::Private::exec(QSqlQuery &query) const
{
    if (query.exec())
        return true;
    setError(u"The history %1 could not be used"_s.arg(fileName), query.lastError());
    return false;
}

bool HistoryStore::Private::exec(const QString &statement) const
{
    QSqlQuery query(db);
    if (query.exec(statement))
        return true;
    setError(u"The history %1 could not be used"_s.arg(fileName), query.lastError());
    return false;
}

std::optional<int> HistoryStore::Private::pragmaValue(const QString &name)
{
    QSqlQuery query(db);
    if (!query.exec(u"PRAGMA "_s + name) || !query.next()) {
        setError(u"%1 is not a KORVANE history"_s.arg(fileName), query.lastError());
        return std::nullopt;
    }
    return query.value(0).toInt();
}

int HistoryStore::Private::objectCount()
{
    QSqlQuery query(db);
    if (!query.exec(u"SELECT count(*) FROM sqlite_master"_s) || !query.next()) {
        setError(u"%1 is not a KORVANE history"_s.arg(fileName), query.lastError());
        return -1;
    }
    return query.value(0).toInt();
}

// Refuses what the store must never write to: anything but a regular file,
// and a file with content that is not an SQLite database. An empty file is
// a new history.
bool HistoryStore::Private::checkExistingFile()
{
    const QFileInfo info(fileName);
    if (!info.isFile()) {
        error = u"The history file %1 is not a regular file; it was left as it is."_s.arg(fileName);
        return false;
    }
    if (info.size() == 0)
        return true;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        error = u"The history file %1 cannot be read: %2"_s.arg(fileName, file.errorString());
        return false;
    }
    static constexpr QByteArrayView sqliteHeader("SQLite format 3\0", 16);
    if (file.read(sqliteHeader.size()) != sqliteHeader) {
        error = u"The file %1 is not a KORVANE history (it is not an SQLite database); it was left as it is."_s.arg(
            fileName);
        return false;
    }
    return true;
}

bool HistoryStore::Private::openFile()
{
    if (!QSqlDatabase::isDriverAvailable(u"QSQLITE"_s)) {
        error = u"The history cannot be kept: Qt's SQLite driver (QSQLITE, Debian package libqt6sql6-sqlite) is not installed."_s;
        return false;
    }
    const QFileInfo info(fileName);
    if (info.exists() || info.isSymLink()) {
        if (!checkExistingFile())
            return false;
    } else if (!makePrivatePath(info.path(), &error) || !createPrivateFile(fileName, &error)) {
        return false;
    }

    db = QSqlDatabase::addDatabase(u"QSQLITE"_s, connectionName);
    db.setDatabaseName(fileName);
    // Another process (the command line, a second store) holds the write
    // lock for milliseconds; waiting is better than failing a send's record.
    db.setConnectOptions(u"QSQLITE_BUSY_TIMEOUT=5000"_s);
    if (!db.open()) {
        setError(u"The history %1 cannot be opened"_s.arg(fileName), db.lastError());
        return false;
    }

    // Everything is checked before the first write: a refused file is left
    // exactly as it was. A new history is an empty database; an existing
    // one carries the application id.
    const std::optional<int> application = pragmaValue(u"application_id"_s);
    const std::optional<int> version = pragmaValue(u"user_version"_s);
    if (!application || !version)
        return false;
    bool isNew = false;
    if (*version == 0 && (*application == 0 || *application == applicationId)) {
        const int objects = objectCount();
        if (objects < 0)
            return false;
        isNew = objects == 0;
    }
    if (!isNew && (*application != applicationId || *version == 0)) {
        error = u"The file %1 is not a KORVANE history (it is a database of something else); it was left as it is."_s
                    .arg(fileName);
        return false;
    }
    if (*version > HistoryStore::schemaVersion) {
        error = u"The history %1 was written by a newer version of KORVANE (history version %2; this version reads "
                "up to %3). It was left as it is."_s.arg(fileName)
                    .arg(*version)
                    .arg(HistoryStore::schemaVersion);
        return false;
    }

    // WAL lets readers and one writer work at once, and a commit is in the
    // file once COMMIT returns; FULL flushes the WAL to the disk at commit.
    // secure_delete overwrites the text of deleted rows in the file.
    if (!exec(u"PRAGMA journal_mode=WAL"_s) || !exec(u"PRAGMA synchronous=FULL"_s)
        || !exec(u"PRAGMA secure_delete=ON"_s)) {
        return false;
    }
    if (*version < HistoryStore::schemaVersion && !migrate(*version))
        return false;

    if (!ownerLock.open(fileName + u"-senders"_s, &error))
        return false;
    recoverInterrupted();
    return true;
}

bool HistoryStore::Private::migrate(int fromVersion)
{
    Transaction transaction(*this);
    if (!transaction.isActive()) {
        setError(u"The history %1 cannot be prepared"_s.arg(fileName), transaction.error());
        return false;
    }
    // Another process may have brought the file forward meanwhile.
    const std::optional<int> version = pragmaValue(u"user_version"_s);
    if (!version)
        return false;
    if (*version != fromVersion)
        return *version == HistoryStore::schemaVersion;

    const QList<QStringList> &steps = migrations();
    for (int step = fromVersion; step < HistoryStore::schemaVersion; ++step) {
        for (const QString &statement : steps.at(step)) {
            if (!exec(statement))
                return false;
        }
    }
    if (!exec(u"PRAGMA application_id = %1"_s.arg(applicationId))
        || !exec(u"PRAGMA user_version = %1"_s.arg(HistoryStore::schemaVersion))) {
        return false;
    }
    if (!transaction.commit()) {
        setError(u"The history %1 cannot be prepared"_s.arg(fileName), transaction.error());
        return false;
    }
    return true;
}

void HistoryStore::Private::markInterrupted(qint64 owner)
{
    QSqlQuery query(db);
    query.prepare(u"UPDATE messages SET state = 'not known', reason = :reason, owner = NULL"
                  " WHERE state = 'sending' AND owner IS :owner"_s);
    query.bindValue(u":reason"_s, interruptedReason);
    query.bindValue(u":owner"_s, owner == 0 ? QVariant() : QVariant(owner));
    exec(query);
}

// Rows still "sending" whose owner is gone were cut off by the end of their
// program: nobody will ever learn their outcome.
void HistoryStore::Private::recoverInterrupted()
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(u"SELECT DISTINCT owner FROM messages WHERE state = 'sending'"_s))
        return;
    QList<qint64> gone;
    while (query.next()) {
        const qint64 owner = query.value(0).isNull() ? 0 : query.value(0).toLongLong();
        if (owner != ownerLock.token() && !ownerLock.isHeldElsewhere(owner))
            gone.append(owner);
    }
    query.finish();
    for (const qint64 owner : std::as_const(gone))
        markInterrupted(owner);
}

// Inside a write transaction: indexes the rows above the mark once there are
// a batch of them.
bool HistoryStore::Private::indexNewRows(qint64 newestId)
{
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
    return exec(index) && exec(mark);
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
