// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/historyfile.h"

#include "history/historydisk.h"
#include "history/historyschema.h"
#include "history/historystore.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QVariant>

#include <atomic>

using namespace Qt::StringLiterals;

namespace {

// Kept in the history in the language of the run that finds the send cut off.
QString interruptedReason()
{
    //: Why a send is "Not known" when the program ended during it: small letter, no full stop.
    return HistoryFile::tr("the program ended during the send");
}

// SQLite's primary result codes that have words a user can act on.
constexpr int sqliteBusy = 5;
constexpr int sqliteLocked = 6;
constexpr int sqliteNoMemory = 7;
constexpr int sqliteReadOnly = 8;
constexpr int sqliteIoError = 10;
constexpr int sqliteCorrupt = 11;
constexpr int sqliteFull = 13;
constexpr int sqliteCantOpen = 14;
constexpr int sqliteNotADatabase = 26;

QString plainWords(int code)
{
    switch (code & 0xff) {
    case sqliteBusy:
    case sqliteLocked:
        //: Why the history could not be used, after "...: ". "it" is the history.
        return HistoryFile::tr("another program is keeping it busy");
    case sqliteNoMemory:
        return HistoryFile::tr("there is not enough memory");
    case sqliteReadOnly:
        return HistoryFile::tr("it is read-only");
    case sqliteIoError:
        return HistoryFile::tr("it could not be read or written on the disk");
    case sqliteCorrupt:
    case sqliteNotADatabase:
        return HistoryFile::tr("it is damaged");
    case sqliteFull:
        return HistoryFile::tr("the disk is full");
    case sqliteCantOpen:
        return HistoryFile::tr("it cannot be opened");
    default:
        return QString();
    }
}

QString uniqueConnectionName()
{
    static std::atomic<quint64> s_next{0};
    return u"korvane-history-%1"_s.arg(s_next.fetch_add(1));
}

} // namespace

HistoryFile::HistoryFile(const QString &fileName, NoticeHandler tell)
    : m_fileName(fileName), m_connectionName(uniqueConnectionName()), m_tell(std::move(tell))
{
}

HistoryFile::~HistoryFile()
{
    close();
}

QString HistoryFile::timeText(const QDateTime &time)
{
    return time.toUTC().toString(Qt::ISODateWithMs);
}

bool HistoryFile::use()
{
    if (m_state == State::Open && m_foundReadOnly) {
        close();
        m_state = State::Unopened;
    }
    if (m_state == State::Unopened) {
        m_state = open() ? State::Open : State::Refused;
        if (m_state == State::Open)
            m_error.clear();
        else
            close();
    }
    return m_state == State::Open;
}

// The connection must be unused before it is removed.
void HistoryFile::close()
{
    m_foundReadOnly = false;
    m_statements.clear();
    m_db.close();
    m_db = QSqlDatabase();
    if (QSqlDatabase::contains(m_connectionName))
        QSqlDatabase::removeDatabase(m_connectionName);
}

void HistoryFile::setError(const QString &what, const QSqlError &error, Detail detail) const
{
    bool known = false;
    const int code = error.nativeErrorCode().toInt(&known);
    QString words = known ? plainWords(code) : QString();
    if (known && (code & 0xff) == sqliteReadOnly) {
        m_foundReadOnly = true;
        if (const QString part = HistoryDisk::unwritablePart(m_fileName); !part.isEmpty())
            words = part;
    }
    if (words.isEmpty() && detail == Detail::Any)
        words = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    //: %1 what could not be done with the history, %2 why: "The history ... could not be used: the disk is full".
    m_error = words.isEmpty() ? what : tr("%1: %2").arg(what, words);
}

QSqlQuery *HistoryFile::prepared(const QString &sql) const
{
    auto it = m_statements.find(sql);
    if (it == m_statements.end()) {
        QSqlQuery query(m_db);
        query.setForwardOnly(true);
        if (!query.prepare(sql)) {
            setError(tr("The history %1 could not be used").arg(m_fileName), query.lastError());
            return nullptr;
        }
        it = m_statements.insert(sql, query);
    }
    return &*it;
}

bool HistoryFile::exec(QSqlQuery &query) const
{
    if (query.exec())
        return true;
    setError(tr("The history %1 could not be used").arg(m_fileName), query.lastError());
    return false;
}

bool HistoryFile::exec(const QString &statement) const
{
    QSqlQuery query(m_db);
    if (query.exec(statement))
        return true;
    setError(tr("The history %1 could not be used").arg(m_fileName), query.lastError());
    return false;
}

std::optional<int> HistoryFile::pragmaValue(const QString &name)
{
    QSqlQuery query(m_db);
    if (!query.exec(u"PRAGMA "_s + name) || !query.next()) {
        setError(tr("%1 is not a KORVANE history").arg(m_fileName), query.lastError());
        return std::nullopt;
    }
    return query.value(0).toInt();
}

std::optional<int> HistoryFile::objectCount()
{
    QSqlQuery query(m_db);
    if (!query.exec(u"SELECT count(*) FROM sqlite_master"_s) || !query.next()) {
        setError(tr("%1 is not a KORVANE history").arg(m_fileName), query.lastError());
        return std::nullopt;
    }
    return query.value(0).toInt();
}

bool HistoryFile::open()
{
    if (!QSqlDatabase::isDriverAvailable(u"QSQLITE"_s)) {
        m_error = tr("The history cannot be kept: Qt's SQLite driver (QSQLITE, Debian package libqt6sql6-sqlite) is "
                     "not installed.");
        return false;
    }
    bool isNew = false;
    int version = 0;
    if (!checkFiles() || !openConnection() || !checkDatabase(&isNew, &version) || !prepareFile(version))
        return false;
    // The lock outlives a reopen: the sends begun before it are still alive.
    if (m_ownerLock.token() == 0 && !m_ownerLock.open(m_fileName + u"-senders"_s, &m_error))
        return false;
    recoverInterrupted();
    return true;
}

// Refuses what the store must never write to, creates a missing history and
// takes from the files every right that others have.
bool HistoryFile::checkFiles()
{
    for (const QString &name : HistoryDisk::filesOf(m_fileName)) {
        if (const QString kind = HistoryDisk::nonRegularKind(name); !kind.isEmpty()) {
            m_error = tr("The history file %1 is %2, not a regular file; it was left as it is.").arg(name, kind);
            return false;
        }
    }
    if (QFileInfo::exists(m_fileName)) {
        if (!checkExisting())
            return false;
    } else if (!HistoryDisk::makePrivatePath(QFileInfo(m_fileName).path(), &m_error)
               || !HistoryDisk::createPrivateFile(m_fileName, &m_error)) {
        return false;
    }
    if (const QString notice = HistoryDisk::makePrivate(m_fileName); !notice.isEmpty() && m_tell)
        m_tell(notice);
    return true;
}

// A file with content that is not an SQLite database is refused: SQLite
// would take a file shorter than its header for an empty database and write
// over it. An empty file is a new history.
bool HistoryFile::checkExisting()
{
    QFile file(m_fileName);
    if (file.size() == 0)
        return true;
    if (!file.open(QIODevice::ReadOnly)) {
        m_error = tr("The history file %1 cannot be read: %2").arg(m_fileName, file.errorString());
        return false;
    }
    static constexpr QByteArrayView sqliteHeader("SQLite format 3\0", 16);
    if (file.read(sqliteHeader.size()) != sqliteHeader) {
        m_error = tr("The file %1 is not a KORVANE history (it is not an SQLite database); it was left as it is.")
                      .arg(m_fileName);
        return false;
    }
    return true;
}

bool HistoryFile::openConnection()
{
    m_db = QSqlDatabase::addDatabase(u"QSQLITE"_s, m_connectionName);
    m_db.setDatabaseName(m_fileName);
    // Another process (the command line, a second store) holds the write
    // lock for milliseconds; waiting is better than failing a send's record.
    m_db.setConnectOptions(u"QSQLITE_BUSY_TIMEOUT=5000"_s);
    if (!m_db.open()) {
        setError(tr("The history %1 cannot be opened").arg(m_fileName), m_db.lastError());
        return false;
    }
    // Before anything in the file is read: SQL that the file holds runs
    // only functions that cannot change anything.
    return exec(u"PRAGMA trusted_schema=OFF"_s);
}

// Everything is checked before the first write: a refused file is left
// exactly as it was. A new history is an empty database; an existing one
// carries the application id and KORVANE's schema, and nothing else.
bool HistoryFile::checkDatabase(bool *isNew, int *version)
{
    const std::optional<int> application = pragmaValue(u"application_id"_s);
    const std::optional<int> found = pragmaValue(u"user_version"_s);
    if (!application || !found)
        return false;
    *version = *found;
    if (*found == 0 && (*application == 0 || *application == HistorySchema::applicationId)) {
        const std::optional<int> objects = objectCount();
        if (!objects)
            return false;
        *isNew = *objects == 0;
    }
    if (!*isNew && (*application != HistorySchema::applicationId || *found == 0)) {
        m_error = tr("The file %1 is not a KORVANE history (it is a database of something else); it was left as it is.")
                      .arg(m_fileName);
        return false;
    }
    if (*found > HistoryStore::schemaVersion) {
        m_error = tr("The history %1 was written by a newer version of KORVANE (history version %2; this version "
                     "reads up to %3). It was left as it is.")
                      .arg(m_fileName)
                      .arg(*found)
                      .arg(HistoryStore::schemaVersion);
        return false;
    }
    if (*isNew)
        return true;
    if (const QString stranger = HistorySchema::strangerIn(m_db, *found); !stranger.isEmpty()) {
        //: %1 the history's file name, %2 what is wrong with it, such as "holds a table "x" that KORVANE did
        //: not create".
        m_error = tr("The history %1 %2, so it is not used. It was left as it is.").arg(m_fileName, stranger);
        return false;
    }
    return true;
}

// WAL lets readers and one writer work at once, and a commit is in the file
// once COMMIT returns; FULL flushes the WAL to the disk at commit.
// secure_delete overwrites the text of deleted rows in the file.
bool HistoryFile::prepareFile(int version)
{
    if (!exec(u"PRAGMA journal_mode=WAL"_s) || !exec(u"PRAGMA synchronous=FULL"_s)
        || !exec(u"PRAGMA secure_delete=ON"_s)) {
        return false;
    }
    return version >= HistoryStore::schemaVersion || migrate(version);
}

bool HistoryFile::migrate(int fromVersion)
{
    Transaction transaction(*this);
    if (!transaction.isActive()) {
        setError(tr("The history %1 cannot be prepared").arg(m_fileName), transaction.error());
        return false;
    }
    // Another process may have brought the file forward meanwhile.
    const std::optional<int> version = pragmaValue(u"user_version"_s);
    if (!version)
        return false;
    if (*version != fromVersion)
        return *version == HistoryStore::schemaVersion;

    const QList<QStringList> &steps = HistorySchema::migrations();
    for (int step = fromVersion; step < HistoryStore::schemaVersion; ++step) {
        for (const QString &statement : steps.at(step)) {
            if (!exec(statement))
                return false;
        }
    }
    if (!exec(u"PRAGMA application_id = %1"_s.arg(HistorySchema::applicationId))
        || !exec(u"PRAGMA user_version = %1"_s.arg(HistoryStore::schemaVersion))) {
        return false;
    }
    if (!transaction.commit()) {
        setError(tr("The history %1 cannot be prepared").arg(m_fileName), transaction.error());
        return false;
    }
    return true;
}

void HistoryFile::markInterrupted(qint64 owner)
{
    QSqlQuery query(m_db);
    query.prepare(u"UPDATE messages SET state = 'not known', reason = :reason, owner = NULL"
                  " WHERE state = 'sending' AND owner IS :owner"_s);
    query.bindValue(u":reason"_s, interruptedReason());
    query.bindValue(u":owner"_s, owner == 0 ? QVariant() : QVariant(owner));
    exec(query);
}

// Rows still "sending" whose owner is gone were cut off by the end of their
// program: nobody will ever learn their outcome.
void HistoryFile::recoverInterrupted()
{
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    if (!query.exec(u"SELECT DISTINCT owner FROM messages WHERE state = 'sending'"_s))
        return;
    QList<qint64> gone;
    while (query.next()) {
        const qint64 owner = query.value(0).isNull() ? 0 : query.value(0).toLongLong();
        if (owner != m_ownerLock.token() && !m_ownerLock.isHeldElsewhere(owner))
            gone.append(owner);
    }
    query.finish();
    for (const qint64 owner : std::as_const(gone))
        markInterrupted(owner);
}

HistoryFile::Transaction::Transaction(const HistoryFile &file) : m_file(file)
{
    m_active = run(u"BEGIN IMMEDIATE"_s);
}

HistoryFile::Transaction::~Transaction()
{
    if (m_active)
        run(u"ROLLBACK"_s);
}

bool HistoryFile::Transaction::commit()
{
    if (!run(u"COMMIT"_s))
        return false;
    m_active = false;
    return true;
}

bool HistoryFile::Transaction::run(const QString &statement)
{
    QSqlQuery *query = m_file.prepared(statement);
    if (query && query->exec())
        return true;
    m_error = query ? query->lastError() : QSqlError(m_file.errorString(), QString());
    return false;
}
