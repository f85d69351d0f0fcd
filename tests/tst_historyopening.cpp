// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// When the history is opened: not at the window's start, but at the first
// send or when the History window opens, which then marks the sends that a
// program's end cut off; and what the command line says of a history that
// others could read. Nor does the window's start load libcurl or
// libphonenumber: their modules load at their first use.

#include "history/historymodel.h"
#include "rules/textrules.h"
#include "tests/support/historywindowfixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>

#include <sys/stat.h>

using namespace Qt::StringLiterals;
using State = HistoryRecord::State;

namespace {

// The files under `folder` that this process holds open.
QStringList openFilesUnder(const QString &folder)
{
    QStringList open;
    const QDir descriptors(u"/proc/self/fd"_s);
    for (const QString &fd : descriptors.entryList(QDir::Files | QDir::System)) {
        const QString target = QFileInfo(descriptors.filePath(fd)).symLinkTarget();
        if (target.startsWith(folder))
            open.append(target);
    }
    return open;
}

// The first value that `sql` gives on a connection of the test's own.
QVariant valueInFile(const QString &fileName, const QString &sql)
{
    const QString connection = u"look"_s;
    QVariant value;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, connection);
        db.setDatabaseName(fileName);
        QSqlQuery query(db);
        if (db.open() && query.exec(sql) && query.next())
            value = query.value(0);
    }
    QSqlDatabase::removeDatabase(connection);
    return value;
}

// Whether a library whose file name holds `name` is mapped in this process.
bool isLoaded(const QByteArray &name)
{
    QFile maps(u"/proc/self/maps"_s);
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(name);
}

} // namespace

class tst_HistoryOpening : public QObject, public HistoryWindowFixture
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { setUpHistoryWindowFixture(); }
    void cleanup() { tearDownWindowFixture(); }

    void openedAtFirstUse_data();
    void openedAtFirstUse();
    void modulesLoadedAtFirstUse();
    void commandTellsOfAHistoryOthersCouldRead();
};

void tst_HistoryOpening::openedAtFirstUse_data()
{
    QTest::addColumn<bool>("sendFirst");
    QTest::addColumn<QStringList>("outcomes"); // in the History window, newest first
    QTest::newRow("a send") << true << QStringList{u"Not sent"_s, u"Not known"_s};
    QTest::newRow("the History window") << false << QStringList{u"Not known"_s};
}

void tst_HistoryOpening::openedAtFirstUse()
{
    QFETCH(bool, sendFirst);
    QFETCH(QStringList, outcomes);
    // A send left "sending" by a store whose owner is gone.
    qint64 stale = 0;
    {
        HistoryStore earlier(historyFileName());
        stale = record(earlier, u"Bob"_s, u"00447700900001"_s, u"cut off"_s, State::Sending);
        valueInFile(historyFileName(), u"UPDATE messages SET owner = 7"_s);
    }
    const QString state = u"SELECT state FROM messages WHERE id = %1"_s.arg(stale);

    const auto window = makeWindow();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QCOMPARE(openFilesUnder(m_dir->path()), QStringList());
    QVERIFY(!QFileInfo::exists(historyFileName() + u"-wal"_s));
    QCOMPARE(valueInFile(historyFileName(), state).toString(), u"sending"_s);

    if (sendFirst) {
        window->setServiceDescriptionFile(m_dir->filePath(u"absent.wsdl"_s));
        window->FromName = u"Ann Smith"_s;
        window->FromNumber = u"00441632960000"_s;
        window->ToName = u"Di"_s;
        window->ToNumber = u"00447700900004"_s;
        child<QPlainTextEdit>(*window, "tbMessage")->setPlainText(u"recorded"_s);
        QVERIFY(pressSendAndWait(*window));
        QCOMPARE(valueInFile(historyFileName(), state).toString(), u"not known"_s);
    }
    frmHistory *history = openHistory(*window);
    QCOMPARE(column(*history, HistoryModel::OutcomeColumn), outcomes);
}

void tst_HistoryOpening::modulesLoadedAtFirstUse()
{
    const auto window = makeWindow();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QVERIFY(!isLoaded("libcurl"));
    QVERIFY(!isLoaded("libphonenumber"));

    // A French mobile is shorter than 14 digits: only the plans can say it is valid.
    QVERIFY(TextRules::isValidRecipientNumber(u"0033612345678"));
    QVERIFY(isLoaded("/korvane-phonenumbers.so"));
    QVERIFY(isLoaded("libphonenumber"));
    QVERIFY(!isLoaded("libcurl"));
}

// The command line tells on its standard error what the window tells in a box.
void tst_HistoryOpening::commandTellsOfAHistoryOthersCouldRead()
{
    const QString data = m_dir->filePath(u"data"_s);
    {
        HistoryStore earlier(historyFileName());
        record(earlier, u"Bob"_s, u"00447700900001"_s, u"hello"_s, State::Sent);
    }
    QVERIFY(::chmod(QFile::encodeName(historyFileName()).constData(), 0644) == 0);
    QProcess korvane;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"XDG_DATA_HOME"_s, data);
    environment.insert(u"XDG_CONFIG_HOME"_s, m_dir->filePath(u"config"_s));
    korvane.setProcessEnvironment(environment);
    korvane.start(QDir(QCoreApplication::applicationDirPath()).filePath(u"korvane"_s), {u"history"_s});
    QVERIFY(korvane.waitForFinished(30000));
    QCOMPARE(korvane.exitCode(), 0);
    const QString told = QString::fromLocal8Bit(korvane.readAllStandardError());
    QVERIFY2(told.contains(historyFileName()) && told.contains(u"readable by you alone"_s), qPrintable(told));
    QCOMPARE(QFileInfo(historyFileName()).permissions() & (QFile::ReadGroup | QFile::ReadOther),
             QFileDevice::Permissions());
}

QTEST_MAIN(tst_HistoryOpening)
#include "tst_historyopening.moc"
