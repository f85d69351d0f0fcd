// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The history file: the modes of what the store creates, the schema it gives
// an empty file, and the files it refuses without writing to them.

#include "history/historystore.h"
#include "tests/support/historyfixture.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
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
    void refusesFile_data();
    void refusesFile();
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
}

void tst_HistoryFile::refusesFile()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, content);
    QFETCH(QString, why);
    QVERIFY(QDir().mkpath(QFileInfo(file()).path()));
    if (kind == u"file"_s) {
        QFile made(file());
        QVERIFY(made.open(QIODevice::WriteOnly));
        made.write(content);
    } else if (kind == u"database"_s) {
        RawFile raw(file());
        for (const QByteArray &statement : content.split(';'))
            QVERIFY(raw.exec(QString::fromLatin1(statement)));
    } else if (kind == u"directory"_s) {
        QVERIFY(QDir().mkdir(file()));
    } else {
        QVERIFY(::mkfifo(QFile::encodeName(file()).constData(), 0600) == 0);
    }
    const QByteArray before = fileHash(file());

    HistoryStore store(file());
    QVERIFY(!store.isOpen());
    QVERIFY2(store.errorString().contains(why), qPrintable(store.errorString()));
    QVERIFY(store.errorString().contains(file()));
    QVERIFY(!store.begin(historySend(u"Bob"_s, u"00447911123456"_s, u"Hello"_s)));
    QVERIFY(!store.newest(-1));
    QCOMPARE(fileHash(file()), before);
    QVERIFY(!QFileInfo::exists(file() + u"-senders"_s));
}

QTEST_GUILESS_MAIN(tst_HistoryFile)
#include "tst_historyfile.moc"
