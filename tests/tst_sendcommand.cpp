// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// korvane send as a process of its own, watched from the service's side: what it has loaded
// and recorded when its request arrives, and what it shows and keeps of an address that
// carries a password.

#include "history/historystore.h"
#include "tests/support/scriptedhttpserver.h"
#include "tests/support/testdescription.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QByteArray confirmation =
    "<soap:Envelope xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\"><soap:Body>"
    "<sendSMSResponse xmlns=\"urn:x\"><sendSMSResult>queued</sendSMSResult></sendSMSResponse>"
    "</soap:Body></soap:Envelope>";

struct Run
{
    int exitCode = -1;
    QString standardOutput;
    QString standardError;
};

// The states of the history's rows that hold `message`, read as another process would.
QStringList statesOf(const QString &historyFile, const QString &message)
{
    QStringList states;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"watcher"_s);
        db.setDatabaseName(historyFile);
        db.setConnectOptions(u"QSQLITE_OPEN_READONLY"_s);
        if (db.open()) {
            QSqlQuery query(db);
            query.prepare(u"SELECT state FROM messages WHERE message = ?"_s);
            query.addBindValue(message);
            query.exec();
            while (query.next())
                states.append(query.value(0).toString());
        }
    }
    QSqlDatabase::removeDatabase(u"watcher"_s);
    return states;
}

} // namespace

class tst_SendCommand : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void requestArrivesAfterItsRowAndWithoutGui();
    void passwordIsNeitherShownNorKept_data();
    void passwordIsNeitherShownNorKept();

private:
    QString historyFile() const { return m_home->filePath(u"data/KORVANE/history.sqlite"_s); }
    void useService(const QByteArray &address);
    void start(QProcess *korvane, const QStringList &arguments, const QStringList &environment = {});
    Run run(const QStringList &arguments, const QStringList &environment = {});

    std::unique_ptr<QTemporaryDir> m_home;
};

void tst_SendCommand::init()
{
    m_home = std::make_unique<QTemporaryDir>();
    QVERIFY(m_home->isValid());
    QVERIFY(TestDescription::write(m_home->filePath(u"config/KORVANE/KORVANE.conf"_s),
                                   "[KORVANE]\nFromName=Sam\nFromNumber=00441632960000\n"));
}

void tst_SendCommand::useService(const QByteArray &address)
{
    QVERIFY(TestDescription::write(m_home->filePath(u"config/KORVANE/SendSMS.wsdl"_s),
                                   TestDescription::at(u"rpc-literal.wsdl"_s, address)));
}

void tst_SendCommand::start(QProcess *korvane, const QStringList &arguments, const QStringList &environment)
{
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "http_proxy", "https_proxy",
                             "HTTPS_PROXY", "all_proxy", "ALL_PROXY", "no_proxy", "NO_PROXY"})
        variables.remove(QString::fromLatin1(name));
    variables.insert(u"HOME"_s, m_home->path());
    variables.insert(u"XDG_CONFIG_HOME"_s, m_home->filePath(u"config"_s));
    variables.insert(u"XDG_DATA_HOME"_s, m_home->filePath(u"data"_s));
    variables.insert(u"LC_ALL"_s, u"C.UTF-8"_s);
    for (const QString &setting : environment)
        variables.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
    korvane->setProcessEnvironment(variables);
    korvane->start(QDir(QCoreApplication::applicationDirPath()).filePath(u"korvane"_s), arguments);
}

Run tst_SendCommand::run(const QStringList &arguments, const QStringList &environment)
{
    QProcess korvane;
    QSignalSpy finished(&korvane, &QProcess::finished);
    start(&korvane, arguments, environment);
    // Waited for in the event loop, where the scripted service serves.
    if (!finished.wait(60000))
        return {};
    return {korvane.exitCode(), QString::fromUtf8(korvane.readAllStandardOutput()),
            QString::fromUtf8(korvane.readAllStandardError())};
}

// At the moment the request reaches the service, the send is on record, committed, and the
// process has loaded neither Qt GUI nor Qt Widgets (a send needs no display).
void tst_SendCommand::requestArrivesAfterItsRowAndWithoutGui()
{
    ScriptedHttpServer server;
    QVERIFY(server.listen());
    server.answerWith(ScriptedHttpServer::response("200 OK", confirmation));
    useService(server.url());

    QProcess korvane;
    QSignalSpy finished(&korvane, &QProcess::finished);
    QByteArray loaded;
    QStringList states;
    server.setOnRequest([&](const ScriptedHttpServer::Request &) {
        QFile maps(u"/proc/%1/maps"_s.arg(korvane.processId()));
        if (maps.open(QIODevice::ReadOnly))
            loaded = maps.readAll();
        states = statesOf(historyFile(), u"Back at six"_s);
    });
    start(&korvane, {u"send"_s, u"--to"_s, u"00447700900123"_s, u"Back at six"_s});
    QVERIFY(finished.wait(60000));
    QCOMPARE(korvane.readAllStandardError(), QByteArray("Your message was sent.\n"));
    QCOMPARE(korvane.exitCode(), 0);

    QVERIFY2(loaded.contains("libQt6Core.so"), loaded.left(2000).constData());
    QVERIFY(!loaded.contains("libQt6Gui.so"));
    QVERIFY(!loaded.contains("libQt6Widgets.so"));
    QCOMPARE(states, QStringList{u"sending"_s});
    QCOMPARE(statesOf(historyFile(), u"Back at six"_s), QStringList{u"sent"_s});
}

void tst_SendCommand::passwordIsNeitherShownNorKept_data()
{
    QTest::addColumn<QByteArray>("address");
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QString>("shown"); // what the message names instead

    const QByteArray local = "http://127.0.0.1:9/sms";
    QTest::newRow("proxy without a scheme, mistyped host")
        << local << QStringList{u"http_proxy=user:secret@proxy..korvane.invalid:3128"_s}
        << u"proxy..korvane.invalid:3128"_s;
    QTest::newRow("proxy with '@' in the password")
        << local << QStringList{u"http_proxy=user:se@cret@proxy..korvane.invalid:3128"_s}
        << u"proxy..korvane.invalid:3128"_s;
    QTest::newRow("service address without a scheme")
        << QByteArray("user:secret@sms.korvane.invalid/sms") << QStringList() << u"sms.korvane.invalid/sms"_s;
}

// Not in the message on standard error (the window's text), not in the history, not in
// its export.
void tst_SendCommand::passwordIsNeitherShownNorKept()
{
    QFETCH(QByteArray, address);
    QFETCH(QStringList, environment);
    QFETCH(QString, shown);

    useService(address);
    const Run sent = run({u"send"_s, u"--to"_s, u"00447700900123"_s, u"Back at six"_s}, environment);
    QCOMPARE(sent.exitCode, 1);
    QVERIFY2(sent.standardError.startsWith(u"Your message was not sent."_s), qPrintable(sent.standardError));
    QVERIFY2(sent.standardError.contains(shown), qPrintable(sent.standardError));

    const Run listed = run({u"history"_s, u"--json"_s});
    QCOMPARE(listed.exitCode, 0);
    QVERIFY2(listed.standardOutput.contains(shown), qPrintable(listed.standardOutput));
    const QString exported = m_home->filePath(u"history.csv"_s);
    {
        HistoryStore history(historyFile());
        QVERIFY2(history.exportCsv(exported), qPrintable(history.errorString()));
    }
    QFile csv(exported);
    QVERIFY(csv.open(QIODevice::ReadOnly));
    const QString csvText = QString::fromUtf8(csv.readAll());
    QVERIFY2(csvText.contains(shown), qPrintable(csvText));

    for (const QString &text : {sent.standardError, listed.standardOutput, csvText})
        QVERIFY2(!text.contains(u"cret"_s) && !text.contains(u"user:"_s), qPrintable(text));
}

QTEST_GUILESS_MAIN(tst_SendCommand)

#include "tst_sendcommand.moc"
