// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Opening a history: the file and its folders, the checks that keep other
// files untouched, the schema's migrations and the recovery of sends that a
// program's end cut off.

#include "history/historystore_p.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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
            // newer ones are added in batches (Private::indexNewRows()).
            u"CREATE TABLE search_index (indexed_through INTEGER NOT NULL)"_s,
            u"INSERT INTO search_index (indexed_through) VALUES (0)"_s,
        },
    };
    return steps;
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

} // namespace

QString HistoryStore::Private::uniqueConnectionName()
{
    static std::atomic<quint64> s_next{0};
    return u"korvane-history-%1"_s.arg(s_next.fetch_add(1));
}

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

