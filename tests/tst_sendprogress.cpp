// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A send off the user's way: the window goes on while the service takes its
// time, shows the send on its status line, sends once per press what was
// there at the press, finishes a send before it closes, goes on sending when
// the history cannot be written, and leaves a row that a kill mid-send turns
// into "not known" at the next start.

#include "app/frmhistory.h"
#include "app/sendtracker.h"
#include "history/historymodel.h"
#include "soap/soapcallresult.h"
#include "tests/support/gatewayprocess.h"
#include "tests/support/scriptedhttpserver.h"
#include "tests/support/testdescription.h"
#include "tests/support/windowfixture.h"

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTableView>

using namespace Qt::StringLiterals;
using State = HistoryRecord::State;

namespace {

const QByteArray okAnswer = ScriptedHttpServer::response(
    "200 OK", "<s:Envelope xmlns:s=\"http://schemas.xmlsoap.org/soap/envelope/\"><s:Body><r/></s:Body></s:Envelope>");

} // namespace

class tst_SendProgress : public QObject, public WindowFixture
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup() { tearDownWindowFixture(); }

    void oneSendOfWhatWasThereAtThePress();
    void closingWaitsForTheOutcome_data();
    void closingWaitsForTheOutcome();
    void closeNowLeavesTheOutcomeNotKnown();
    void sendsGoOnWithoutAHistory();
    void killedMidSendBecomesNotKnownAtNextStart();

private:
    // A shown window with a sender and two recipients in its book, Bob Jones
    // chosen, sending through `server` (quiet until answerWaiting()).
    std::unique_ptr<frmSMS> readyWindow(ScriptedHttpServer &server);
};

void tst_SendProgress::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    // The services here are local; no proxy of the environment may stand between.
    for (const char *name : {"http_proxy", "all_proxy", "ALL_PROXY"})
        qunsetenv(name);
}

void tst_SendProgress::init()
{
    setUpWindowFixture();
    store(u"KORVANE"_s, {{u"FromName"_s, u"Ann Smith"_s}, {u"FromNumber"_s, u"00441632960000"_s}});
    store(u"AddressBook"_s, {{u"Count"_s, u"2"_s},
                             {u"1.Name"_s, u"Bob Jones"_s}, {u"1.Number"_s, u"00447700900123"_s},
                             {u"2.Name"_s, u"Cy"_s}, {u"2.Number"_s, u"00491570000000"_s}});
}

std::unique_ptr<frmSMS> tst_SendProgress::readyWindow(ScriptedHttpServer &server)
{
    if (!server.listen())
        qFatal("cannot listen");
    server.stayQuiet();
    const QString description = m_dir->filePath(u"SendSMS.wsdl"_s);
    QFile file(description);
    if (!file.open(QIODevice::WriteOnly) || file.write(TestDescription::at(u"rpc-literal.wsdl"_s, server.url())) < 0)
        qFatal("cannot write the description");
    auto window = makeWindow();
    window->setServiceDescriptionFile(description);
    window->setSendTimeout(std::chrono::seconds(60));
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        qFatal("window not shown");
    child<QListWidget>(*window, "lstAddressBook")->setCurrentRow(0);
    child<QPlainTextEdit>(*window, "tbMessage")->setPlainText(u"First"_s);
    return window;
}

void tst_SendProgress::oneSendOfWhatWasThereAtThePress()
{
    ScriptedHttpServer server;
    const auto window = readyWindow(server);
    auto *send = child<QPushButton>(*window, "cmdSend");
    auto *status = child<QLabel>(*window, "lblSendStatus");
    QSignalSpy finished(window.get(), &frmSMS::sendFinished);
    QTest::mouseClick(send, Qt::LeftButton);

    QVERIFY(window->isSending());
    QVERIFY(!send->isEnabled());
    QCOMPARE(status->text(), u"Sending to Bob Jones…"_s);
    // The row is written before the request leaves.
    QCOMPARE(m_history->newest(-1)->size(), 1);
    QCOMPARE(m_history->newest(1)->constFirst().state, State::Sending);
    QTRY_COMPARE(server.requests().size(), 1);

    // The window goes on: another message, another recipient, and no second send.
    QTest::mouseClick(send, Qt::LeftButton);
    window->cmdSend_Click();
    child<QPlainTextEdit>(*window, "tbMessage")->setPlainText(u"Second"_s);
    child<QListWidget>(*window, "lstAddressBook")->setCurrentRow(1);
    QCOMPARE(window->ToName, u"Cy"_s);
    QCOMPARE(m_history->newest(-1)->size(), 1);

    server.answerWaiting(okAnswer);
    QVERIFY(finished.wait(30000));
    QCOMPARE(server.posts(), 1);
    const QByteArray body = server.lastRequest().body;
    QVERIFY2(body.contains(">First<") && body.contains("00447700900123"), body.constData());
    const HistoryRecord row = m_history->newest(1)->constFirst();
    QCOMPARE(row.state, State::Sent);
    QCOMPARE(row.message, u"First"_s);
    QCOMPARE(row.recipientName, u"Bob Jones"_s);
    QCOMPARE(status->text(), SendTracker::outcomeText(MessageSend::Outcome::Sent, u"Bob Jones"_s, row.time));
    QVERIFY(status->text().startsWith(u"Sent to Bob Jones at "_s));
    QVERIFY(send->isEnabled());
    QCOMPARE(m_messages, QStringList());
    // What was typed meanwhile stays, ready for the next send.
    QCOMPARE(child<QPlainTextEdit>(*window, "tbMessage")->toPlainText(), u"Second"_s);
}

void tst_SendProgress::closingWaitsForTheOutcome_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<State>("recorded");
    QTest::addColumn<QString>("told"); // the start of the one message; empty: none
    QTest::newRow("sent") << okAnswer << State::Sent << QString();
    QTest::newRow("not known") << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 0\r\n\r\n") << State::NotKnown
                               << u"It is not known whether your message was sent: "_s;
}

// Closing during a send waits in a small window until the outcome is known,
// tells it as usual, and then closes.
void tst_SendProgress::closingWaitsForTheOutcome()
{
    QFETCH(QByteArray, answer);
    QFETCH(State, recorded);
    QFETCH(QString, told);
    ScriptedHttpServer server;
    const auto window = readyWindow(server);
    QTest::mouseClick(child<QPushButton>(*window, "cmdSend"), Qt::LeftButton);
    QTRY_COMPARE(server.requests().size(), 1);

    QVERIFY(!window->close());
    QVERIFY(window->isVisible());
    auto *finishing = window->findChild<QDialog *>(u"frmFinishing"_s);
    QVERIFY(finishing && finishing->isVisible());
    QCOMPARE(child<QLabel>(*finishing, "lblFinishing")->text(), u"Finishing the send…"_s);
    // A second close while waiting changes nothing.
    QVERIFY(!window->close());
    QCOMPARE(window->findChildren<QDialog *>(u"frmFinishing"_s).size(), 1);

    server.answerWaiting(answer);
    QTRY_VERIFY_WITH_TIMEOUT(!window->isVisible(), 30000);
    QCOMPARE(m_history->newest(1)->constFirst().state, recorded);
    if (told.isEmpty()) {
        QCOMPARE(m_messages, QStringList());
    } else {
        QCOMPARE(m_messages.size(), 1);
        QVERIFY2(m_messages.first().startsWith(told), qPrintable(m_messages.first()));
    }
}

// "Close now" closes at once; the history then keeps the message as not known.
void tst_SendProgress::closeNowLeavesTheOutcomeNotKnown()
{
    ScriptedHttpServer server;
    const auto window = readyWindow(server);
    QTest::mouseClick(child<QPushButton>(*window, "cmdSend"), Qt::LeftButton);
    QTRY_COMPARE(server.requests().size(), 1);
    QVERIFY(!window->close());
    auto *finishing = window->findChild<QDialog *>(u"frmFinishing"_s);
    QVERIFY(finishing);
    QTest::mouseClick(child<QPushButton>(*finishing, "cmdCloseNow"), Qt::LeftButton);
    QTRY_VERIFY(!window->isVisible());

    // The program ends: its store goes, and the next start reads the row.
    m_history.reset();
    HistoryStore next(historyFileName());
    const HistoryRecord row = next.newest(1)->constFirst();
    QCOMPARE(row.state, State::NotKnown);
    QCOMPARE(row.reason, u"the program ended during the send"_s);
    QCOMPARE(row.message, u"First"_s);
}

// A history that cannot be opened costs no message: each goes, and the user
// is told once.
void tst_SendProgress::sendsGoOnWithoutAHistory()
{
    const QString folder = m_dir->filePath(u"blocked/history.sqlite"_s); // a folder where the file should be
    QVERIFY(QDir().mkpath(folder));
    m_history = std::make_unique<HistoryStore>(folder);
    QVERIFY(!m_history->isOpen());
    ScriptedHttpServer server;
    const auto window = readyWindow(server);
    server.answerWith(okAnswer);

    QVERIFY(pressSendAndWait(*window));
    QVERIFY(pressSendAndWait(*window));
    QCOMPARE(server.posts(), 2);
    QCOMPARE(m_messages.size(), 1);
    QVERIFY2(m_messages.first().startsWith(u"KORVANE cannot keep a history of your messages. "_s)
                 && m_messages.first().endsWith(u" Your messages are still sent."_s),
             qPrintable(m_messages.first()));
    QVERIFY(child<QLabel>(*window, "lblSendStatus")->text().startsWith(u"Sent to Bob Jones at "_s));
    // The History window says why it has nothing to show.
    child<QAction>(*window, "mnuHistory")->trigger();
    auto *history = window->historyWindow();
    QVERIFY(history);
    QVERIFY(child<QLabel>(*history, "lblError")->isVisible());
    QVERIFY(child<QLabel>(*history, "lblError")->text().startsWith(u"The history cannot be shown. "_s));
}

void tst_SendProgress::killedMidSendBecomesNotKnownAtNextStart()
{
    GatewayProcess slow;
    QVERIFY2(slow.start({u"--delay"_s, u"60"_s}), qPrintable(slow.errorString()));
    QProcess sender;
    sender.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    sender.start(QStringLiteral(KORVANE_WINDOW_SENDER),
                 {m_dir->filePath(u"sender/KORVANE.conf"_s), historyFileName(), slow.wsdlFile()});
    QVERIFY2(sender.waitForStarted(20000), qPrintable(sender.errorString()));
    while (!sender.canReadLine())
        QVERIFY2(sender.waitForReadyRead(30000), "the sending window said nothing");
    QCOMPARE(sender.readLine().trimmed(), QByteArray("sending"));
    {
        // Another live process's send keeps its state.
        HistoryStore meanwhile(historyFileName());
        QCOMPARE(meanwhile.newest(1)->constFirst().state, State::Sending);
    }

    sender.kill();
    QVERIFY(sender.waitForFinished(20000));
    QCOMPARE(sender.exitStatus(), QProcess::CrashExit);

    // The next start: the row is there, whole, and not known.
    m_history = std::make_unique<HistoryStore>(historyFileName());
    const auto window = makeWindow();
    child<QAction>(*window, "mnuHistory")->trigger();
    auto *history = window->historyWindow();
    QVERIFY(history);
    const QAbstractItemModel *model = child<QTableView>(*history, "lvHistory")->model();
    QCOMPARE(model->rowCount(), 1);
    const auto row = model->index(0, 0).data(HistoryModel::RecordRole).value<HistoryRecord>();
    QCOMPARE(row.state, State::NotKnown);
    QCOMPARE(row.message, u"Killed mid-send"_s);
    QCOMPARE(row.recipientNumber, u"00447700900123"_s);
    QCOMPARE(child<QLabel>(*history, "lblOutcome")->text(), u"Not known. The program ended during the send."_s);
}

QTEST_MAIN(tst_SendProgress)
#include "tst_sendprogress.moc"
