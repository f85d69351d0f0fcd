// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The history file: the modes of what the store creates or finds, the schema
// it gives an empty file, the settings of its connection, and the files it
// refuses without writing to them.

#include "history/historyschema.h"
#include "history/historystore.h"
#include "tests/support/historyfixture.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

#include <sys/stat.h>
#include <sys/types.h>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;
using State = HistoryRecord::State;

namespace {

QByteArray fileHash(const QString &fileName)
{
    QFile file(fileName);
    if (!QFileInfo(fileName).isFile() || !file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

mode_t modeOf(const QString &path)
{
    struct stat info = {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? (info.st_mode & 07777) : 0;
}

// A history as KORVANE creates it, written without a store.
void writeGenuineHistory(RawFile &raw)
{
    for (const QStringList &step : HistorySchema::migrations()) {
        for (const QString &statement : step)
            QVERIFY(raw.exec(statement));
    }
    QVERIFY(raw.exec(u"PRAGMA application_id = %1"_s.arg(HistorySchema::applicationId)));
    QVERIFY(raw.exec(u"PRAGMA user_version = %1"_s.arg(HistoryStore::schemaVersion)));
}

} // namespace

class tst_HistoryFile : public QObject, public HistoryFixture
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { setUpHistoryFixture(); }
    void cleanup() { tearDownHistoryFixture(); }

    void createdFilesArePrivate_data();
    void createdFilesArePrivate();
    void migratesEmptyFile_data();
    void migratesEmptyFile();
    void opensCurrentVersionAsItIs();
    void takesOthersRights_data();
    void takesOthersRights();
    void connectionSettings_data();
    void connectionSettings();
    void refusesFile_data();
    void refusesFile();

private:
    void makeFile(const QString &kind, const QByteArray &content);
};

void tst_HistoryFile::createdFilesArePrivate_data()
{
    QTest::addColumn<int>("existingFolderMode"); // 0: the folders are missing
    QTest::addColumn<int>("existingFileMode");   // 0: the file is missing
    QTest::addColumn<int>("expectedFolderMode");
    QTest::addColumn<int>("expectedFileMode");
    QTest::newRow("new folder and file") << 0 << 0 << 0700 << 0600;
    QTest::newRow("user's folder kept") << 0755 << 0 << 0755 << 0600;
    QTest::newRow("user's file kept") << 0750 << 0640 << 0750 << 0640;
}

void tst_HistoryFile::createdFilesArePrivate()
{
    QFETCH(int, existingFolderMode);
    QFETCH(int, existingFileMode);
    QFETCH(int, expectedFolderMode);
    QFETCH(int, expectedFileMode);
    const QString folder = m_dir->filePath(u"KORVANE"_s);
    if (existingFolderMode) {
        QVERIFY(QDir().mkdir(folder));
        QVERIFY(::chmod(QFile::encodeName(folder).constData(), mode_t(existingFolderMode)) == 0);
    }
    if (existingFileMode) {
        QFile made(file());
        QVERIFY(made.open(QIODevice::WriteOnly));
        made.close();
        QVERIFY(::chmod(QFile::encodeName(file()).constData(), mode_t(existingFileMode)) == 0);
    }
    HistoryStore store(file());
    QVERIFY2(store.isOpen(), qPrintable(store.errorString()));
    QVERIFY(beginOne(store) > 0);
    QCOMPARE(int(modeOf(folder)), expectedFolderMode);
    QCOMPARE(int(modeOf(file())), expectedFileMode);
    // SQLite gives its side files the mode of the history.
    QCOMPARE(int(modeOf(file() + u"-wal"_s)), expectedFileMode);
    QCOMPARE(int(modeOf(file() + u"-senders"_s)), 0600);
}

void tst_HistoryFile::migratesEmptyFile_data()
{
    QTest::addColumn<bool>("emptyFileExists");
    QTest::newRow("no file") << false;
    QTest::newRow("empty file") << true;
}

void tst_HistoryFile::migratesEmptyFile()
{
    QFETCH(bool, emptyFileExists);
    if (emptyFileExists) {
        QVERIFY(QDir().mkpath(QFileInfo(file()).path()));
        QFile empty(file());
        QVERIFY(empty.open(QIODevice::WriteOnly));
    }
    {
        HistoryStore store(file());
        QVERIFY2(store.isOpen(), qPrintable(store.errorString()));
        QCOMPARE(beginOne(store), 1);
    }
    RawFile raw(file());
    QCOMPARE(raw.value(u"PRAGMA user_version"_s).toInt(), HistoryStore::schemaVersion);
    QCOMPARE(raw.value(u"PRAGMA application_id"_s).toInt(), 0x4B4F5256); // "KORV"
    QCOMPARE(raw.value(u"PRAGMA journal_mode"_s).toString(), u"wal"_s);
    QCOMPARE(raw.value(u"SELECT count(*) FROM messages"_s).toInt(), 1);
}

void tst_HistoryFile::opensCurrentVersionAsItIs()
{
    HistoryRecord first;
    {
        HistoryStore store(file());
        const qint64 id = beginOne(store);
        QVERIFY(store.finish(id, State::Sent, QString(), 120ms));
        first = store.record(id).value();
    }
    const QVariant schema = RawFile(file()).value(u"SELECT group_concat(sql, ';') FROM sqlite_master"_s);
    HistoryStore store(file());
    QVERIFY2(store.isOpen(), qPrintable(store.errorString()));
    QCOMPARE(store.record(first.id), std::optional(first));
    QCOMPARE(beginOne(store), first.id + 1);
    QCOMPARE(RawFile(file()).value(u"SELECT group_concat(sql, ';') FROM sqlite_master"_s), schema);
}

void tst_HistoryFile::takesOthersRights_data()
{
    QTest::addColumn<QString>("suffix"); // of the file whose mode is set
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("expectedMode");
    QTest::addColumn<bool>("told");
    QTest::newRow("history others can read") << QString() << 0644 << 0600 << true;
    QTest::newRow("history read-only for all") << QString() << 0444 << 0400 << true;
    QTest::newRow("-wal others can read") << u"-wal"_s << 0644 << 0600 << true;
    // As an open of a read-only history leaves it: SQLite would take the
    // whole history for read-only.
    QTest::newRow("-shm its owner cannot write") << u"-shm"_s << 0400 << 0600 << false;
}

void tst_HistoryFile::takesOthersRights()
{
    QFETCH(QString, suffix);
    QFETCH(int, mode);
    QFETCH(int, expectedMode);
    QFETCH(bool, told);
    // Kept open, so that the -wal and -shm files stay.
    HistoryStore first(file());
    QVERIFY(beginOne(first) > 0);
    QVERIFY(::chmod(QFile::encodeName(file() + suffix).constData(), mode_t(mode)) == 0);

    HistoryStore store(file());
    QSignalSpy notices(&store, &HistoryStore::noticed);
    QVERIFY2(store.isOpen(), qPrintable(store.errorString()));
    QCOMPARE(int(modeOf(file() + suffix)), expectedMode);
    QCOMPARE(notices.size(), told ? 1 : 0);
    if (told)
        QVERIFY2(notices.first().first().toString().contains(file()), qPrintable(notices.first().first().toString()));
    QVERIFY(store.newest(-1));
}

// These are settings of a connection, not of the file: the store's own
// connection is asked.
void tst_HistoryFile::connectionSettings_data()
{
    QTest::addColumn<QString>("pragma");
    QTest::addColumn<int>("expected");
    QTest::newRow("every commit on the disk") << u"synchronous"_s << 2; // FULL
    QTest::newRow("deleted text overwritten") << u"secure_delete"_s << 1;
    QTest::newRow("the file's SQL not trusted") << u"trusted_schema"_s << 0;
}

void tst_HistoryFile::connectionSettings()
{
    QFETCH(QString, pragma);
    QFETCH(int, expected);
    HistoryStore store(file());
    QVERIFY(store.isOpen());
    QSqlDatabase connection;
    for (const QString &name : QSqlDatabase::connectionNames()) {
        if (QSqlDatabase::database(name, false).databaseName() == file())
            connection = QSqlDatabase::database(name, false);
    }
    QVERIFY(connection.isOpen());
    QSqlQuery query(connection);
    QVERIFY(query.exec(u"PRAGMA "_s + pragma) && query.next());
    QCOMPARE(query.value(0).toInt(), expected);
}

void tst_HistoryFile::refusesFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("why");
    QTest::newRow("text") << u"file"_s << QByteArray("Name,Number\nAnn,0044\n") << u"not an SQLite database"_s;
    QTest::newRow("one byte") << u"file"_s << QByteArray("x") << u"not an SQLite database"_s;
    QTest::newRow("binary") << u"file"_s << QByteArray(5000, '\xa5') << u"not an SQLite database"_s;
    QTest::newRow("damaged database") << u"file"_s << QByteArray("SQLite format 3\0", 16) + QByteArray(4080, '\xff')
                                      << u"not a KORVANE history"_s;
    QTest::newRow("newer version") << u"database"_s
                                   << QByteArray("PRAGMA application_id = 1263489622; PRAGMA user_version = 2")
                                   << u"newer version"_s;
    QTest::newRow("other program's database")
        << u"database"_s << QByteArray("CREATE TABLE notes (text TEXT)") << u"database of something else"_s;
    QTest::newRow("other program's database of version 1")
        << u"database"_s << QByteArray("PRAGMA user_version = 1; CREATE TABLE notes (text TEXT)")
        << u"database of something else"_s;
    QTest::newRow("other program's empty database")
        << u"database"_s << QByteArray("PRAGMA application_id = 42") << u"database of something else"_s;
    QTest::newRow("directory") << u"directory"_s << QByteArray() << u"not a regular file"_s;
    QTest::newRow("fifo") << u"fifo"_s << QByteArray() << u"not a regular file"_s;
    // Written through, the link would turn its target into the history.
    QTest::newRow("link to a text file") << u"link"_s << QByteArray() << u"is a symbolic link"_s;
    QTest::newRow("-wal a link") << u"wal link"_s << QByteArray() << u"-wal is a symbolic link"_s;
    // SQL planted in a genuine history (statements one a line).
    QTest::newRow("trigger") << u"planted"_s
                             << QByteArray("CREATE TRIGGER rewrite AFTER INSERT ON messages BEGIN"
                                           " UPDATE messages SET recipient_number = '0' WHERE id = new.id; END")
                             << u"trigger \"rewrite\" that KORVANE did not create"_s;
    QTest::newRow("view") << u"planted"_s << QByteArray("CREATE VIEW everything AS SELECT * FROM messages")
                          << u"view \"everything\" that KORVANE did not create"_s;
    QTest::newRow("hidden table") << u"planted"_s
                                  << QByteArray("CREATE TABLE stash (message TEXT)\n"
                                                "CREATE TRIGGER keep BEFORE DELETE ON messages BEGIN"
                                                " INSERT INTO stash VALUES (old.message); END")
                                  << u"table \"stash\" that KORVANE did not create"_s;
    QTest::newRow("changed table") << u"planted"_s << QByteArray("ALTER TABLE messages ADD COLUMN copy TEXT")
                                   << u"table \"messages\" that another program changed"_s;
    QTest::newRow("missing index") << u"planted"_s << QByteArray("DROP INDEX messages_in_flight")
                                   << u"lacks the index \"messages_in_flight\""_s;
}

void tst_HistoryFile::makeFile(const QString &kind, const QByteArray &content)
{
    QVERIFY(QDir().mkpath(QFileInfo(file()).path()));
    if (kind == u"file"_s) {
        QFile made(file());
        QVERIFY(made.open(QIODevice::WriteOnly));
        made.write(content);
    } else if (kind == u"database"_s) {
        RawFile raw(file());
        for (const QByteArray &statement : content.split(';'))
            QVERIFY(raw.exec(QString::fromLatin1(statement)));
    } else if (kind == u"planted"_s) {
        RawFile raw(file());
        writeGenuineHistory(raw);
        for (const QByteArray &statement : content.split('\n'))
            QVERIFY(raw.exec(QString::fromLatin1(statement)));
    } else if (kind == u"link"_s) {
        QFile target(m_dir->filePath(u"notes.txt"_s));
        QVERIFY(target.open(QIODevice::WriteOnly));
        QVERIFY(QFile::link(target.fileName(), file()));
    } else if (kind == u"wal link"_s) {
        RawFile raw(file());
        writeGenuineHistory(raw);
        QVERIFY(QFile::link(m_dir->filePath(u"elsewhere"_s), file() + u"-wal"_s));
    } else if (kind == u"directory"_s) {
        QVERIFY(QDir().mkdir(file()));
    } else {
        QVERIFY(::mkfifo(QFile::encodeName(file()).constData(), 0600) == 0);
    }
}

void tst_HistoryFile::refusesFile()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, content);
    QFETCH(QString, why);
    makeFile(kind, content);
    QVERIFY(!QTest::currentTestFailed());
    const QByteArray before = fileHash(file());

    HistoryStore store(file());
    QVERIFY(!store.isOpen());
    QVERIFY2(store.errorString().contains(why), qPrintable(store.errorString()));
    QVERIFY(store.errorString().contains(file()));
    QVERIFY(!store.begin(historySend(u"Bob"_s, u"00447911123456"_s, u"Hello"_s)));
    QVERIFY(!store.newest(-1));
    QCOMPARE(fileHash(file()), before);
    QVERIFY(!QFileInfo::exists(file() + u"-senders"_s));
    QVERIFY(!QFileInfo::exists(m_dir->filePath(u"elsewhere"_s)));
}

QTEST_GUILESS_MAIN(tst_HistoryFile)
#include "tst_historyfile.moc"
