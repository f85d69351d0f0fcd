// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/frmsms.h"
#include "app/sendtracker.h"
#include "common/sentences.h"
#include "history/historystore.h"
#include "settings/settingsstore.h"
#include "soap/soapcallresult.h"
#include "tests/support/gatewayprocess.h"
#include "tests/support/scriptedhttpserver.h"
#include "tests/support/testdescription.h"
#include "tests/support/windowfixture.h"

#include <QAction>
#include <QFile>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

using namespace std::chrono_literals;

// From the real main window to the real local gateway over loopback.
class tst_Sending : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void messageArrivesWithFiveTexts_data();
    void messageArrivesWithFiveTexts();
    void chosenCountryTravelsWithTheMessage();
    void failedSendIsToldOnce_data();
    void failedSendIsToldOnce();
    void outcomeIsToldInFull_data();
    void outcomeIsToldInFull();

private:
    std::unique_ptr<frmSMS> readyWindow(const QString &descriptionFile);
    QString writeFile(const QString &name, const QByteArray &bytes);
    template <typename T>
    static T *child(const frmSMS &window, const char *name)
    {
        return window.findChild<T *>(QLatin1String(name));
    }

    GatewayProcess m_gateway;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<SettingsStore> m_store;
    std::unique_ptr<HistoryStore> m_history;
    QStringList m_messages;
};

void tst_Sending::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY2(m_gateway.start(), qPrintable(m_gateway.errorString()));
}

void tst_Sending::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_store = std::make_unique<SettingsStore>(m_dir->filePath(QStringLiteral("KORVANE/KORVANE.conf")));
    m_history = std::make_unique<HistoryStore>(m_dir->filePath(QStringLiteral("data/history.sqlite")));
    QVERIFY2(m_history->isOpen(), qPrintable(m_history->errorString()));
    m_messages.clear();
}

void tst_Sending::cleanup()
{
    m_history.reset();
    m_store.reset();
    m_dir.reset();
}

QString tst_Sending::writeFile(const QString &name, const QByteArray &bytes)
{
    const QString path = m_dir->filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

// A window with saved sender details and a chosen recipient, as a user
// leaves it before pressing "Send".
std::unique_ptr<frmSMS> tst_Sending::readyWindow(const QString &descriptionFile)
{
    auto window = std::make_unique<frmSMS>(*m_store, *m_history);
    window->setMessageHandler([this](const QString &text) { m_messages.append(text); });
    window->setServiceDescriptionFile(descriptionFile);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        qFatal("window not shown");

    child<QLineEdit>(*window, "tbFromName")->setText(QStringLiteral("Ann Smith"));
    child<QLineEdit>(*window, "tbFromNumber")->setText(QStringLiteral("00441632960000"));
    QTest::mouseClick(child<QPushButton>(*window, "cmdSave"), Qt::LeftButton);
    for (const auto &[name, number] : {std::pair{QStringLiteral("Bob Jones"), QStringLiteral("00447700900123")},
                                       std::pair{QStringLiteral("Cy"), QStringLiteral("00491570000000")}}) {
        child<QLineEdit>(*window, "tbToName")->setText(name);
        child<QLineEdit>(*window, "tbToNumber")->setText(number);
        QTest::mouseClick(child<QPushButton>(*window, "cmdAdd"), Qt::LeftButton);
    }
    auto *list = child<QListWidget>(*window, "lstAddressBook");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
    return window;
}

void tst_Sending::messageArrivesWithFiveTexts_data()
{
    QTest::addColumn<QString>("message");
    QTest::newRow("plain") << QStringLiteral("See you at eight");
    QTest::newRow("markup and quotes") << QStringLiteral("<b>Tom & \"Jerry\"</b> 'x' ]]> &amp; <![CDATA[");
    QTest::newRow("non-latin") << QStringLiteral("Grüße, Ζωή, Мария, 李小龍, مرحبا");
    QTest::newRow("emoji") << QStringLiteral("Happy birthday \U0001F382\U0001F389");
    QTest::newRow("a single space") << QStringLiteral(" ");
    QTest::newRow("line breaks") << QStringLiteral("one\ntwo\n\nthree");
    QTest::newRow("159 characters") << QString(158, u'x') + QStringLiteral("\U0001F600");
}

void tst_Sending::messageArrivesWithFiveTexts()
{
    QFETCH(QString, message);
    const auto window = readyWindow(m_gateway.wsdlFile());
    const qsizetype before = m_gateway.outbox().size();

    child<QPlainTextEdit>(*window, "tbMessage")->setPlainText(message);
    QVERIFY(pressSendAndWait(*window));

    QCOMPARE(m_messages, QStringList());
    const QList<QJsonObject> outbox = m_gateway.outbox();
    QCOMPARE(outbox.size(), before + 1);
    const QJsonObject sent = outbox.last();
    QCOMPARE(sent.value(QStringLiteral("from_name")).toString(), QStringLiteral("Ann Smith"));
    QCOMPARE(sent.value(QStringLiteral("from_number")).toString(), QStringLiteral("00441632960000"));
    // The chosen recipient's number travels, not the name.
    QCOMPARE(sent.value(QStringLiteral("to_number")).toString(), QStringLiteral("00447700900123"));
    QCOMPARE(sent.value(QStringLiteral("message")).toString(), message);
    QCOMPARE(sent.value(QStringLiteral("culture")).toString(), QStringLiteral("en-GB"));
    // No confirmation, the message stays, and "Send" is usable again.
    QCOMPARE(child<QPlainTextEdit>(*window, "tbMessage")->toPlainText(), message);
    QVERIFY(child<QPushButton>(*window, "cmdSend")->isEnabled());
}

void tst_Sending::chosenCountryTravelsWithTheMessage()
{
    const auto window = readyWindow(m_gateway.wsdlFile());
    child<QAction>(*window, "mnuBelgium")->trigger();
    child<QAction>(*window, "mnuSwitzerland")->trigger();
    child<QPlainTextEdit>(*window, "tbMessage")->setPlainText(QStringLiteral("Grüezi"));
    QVERIFY(pressSendAndWait(*window));
    QCOMPARE(m_messages, QStringList());
    QCOMPARE(m_gateway.outbox().last().value(QStringLiteral("culture")).toString(), QStringLiteral("de-CH"));
    QCOMPARE(m_gateway.outbox().last().value(QStringLiteral("message")).toString(), QStringLiteral("Grüezi"));
}

void tst_Sending::failedSendIsToldOnce_data()
{
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("reasonContains");
    QTest::addColumn<QString>("prefix");
    const QString notSent = QStringLiteral("Your message was not sent. ");
    QTest::newRow("no description file") << QStringLiteral("missing") << QStringLiteral("absent.wsdl") << notSent;
    QTest::newRow("malformed description") << QStringLiteral("malformed") << QString() << notSent;
    QTest::newRow("no sendSMS operation") << QStringLiteral("no operation") << QStringLiteral("sendSMS") << notSent;
    QTest::newRow("connection refused") << QStringLiteral("refused") << QString() << notSent;
    QTest::newRow("fault from the gateway") << QStringLiteral("fault") << QStringLiteral("Number barred") << notSent;
    // The gateway has the message and may still deliver it.
    QTest::newRow("late answer") << QStringLiteral("late") << QStringLiteral("did not answer within 0.3 seconds")
                                 << QStringLiteral("It is not known whether your message was sent: ");
}

void tst_Sending::failedSendIsToldOnce()
{
    QFETCH(QString, failure);
    QFETCH(QString, reasonContains);
    QFETCH(QString, prefix);

    QFile gatewayDescription(m_gateway.wsdlFile());
    QVERIFY(gatewayDescription.open(QIODevice::ReadOnly));
    const QByteArray wsdl = gatewayDescription.readAll();
    const QByteArray port = QByteArray::number(m_gateway.endpoint().port());

    GatewayProcess special;
    QString description;
    std::chrono::milliseconds timeout = 30s;
    if (failure == QStringLiteral("missing")) {
        description = m_dir->filePath(QStringLiteral("absent.wsdl"));
    } else if (failure == QStringLiteral("malformed")) {
        description = writeFile(QStringLiteral("SendSMS.wsdl"), wsdl.left(wsdl.size() / 2));
    } else if (failure == QStringLiteral("no operation")) {
        description = writeFile(QStringLiteral("SendSMS.wsdl"), QByteArray(wsdl).replace("sendSMS", "sendMMS"));
    } else if (failure == QStringLiteral("refused")) {
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        const QByteArray freed = QByteArray::number(server.serverPort());
        server.close();
        const QByteArray from = "127.0.0.1:" + port;
        const QByteArray to = "127.0.0.1:" + freed;
        description = writeFile(QStringLiteral("SendSMS.wsdl"), QByteArray(wsdl).replace(from, to));
    } else if (failure == QStringLiteral("fault")) {
        QVERIFY2(special.start({QStringLiteral("--fault"), QStringLiteral("Number barred")}),
                 qPrintable(special.errorString()));
        description = special.wsdlFile();
    } else if (failure == QStringLiteral("late")) {
        QVERIFY2(special.start({QStringLiteral("--delay"), QStringLiteral("5")}), qPrintable(special.errorString()));
        description = special.wsdlFile();
        timeout = 300ms;
    }

    const auto window = readyWindow(description);
    window->setSendTimeout(timeout);
    const qsizetype before = m_gateway.outbox().size();
    child<QPlainTextEdit>(*window, "tbMessage")->setPlainText(QStringLiteral("Hello"));
    QVERIFY(pressSendAndWait(*window));

    QCOMPARE(m_messages.size(), 1);
    QVERIFY2(m_messages[0].startsWith(prefix), qPrintable(m_messages[0]));
    QVERIFY2(m_messages[0].size() > prefix.size() + 10, qPrintable(m_messages[0]));
    if (!reasonContains.isEmpty())
        QVERIFY2(m_messages[0].contains(reasonContains), qPrintable(m_messages[0]));
    QVERIFY(child<QPushButton>(*window, "cmdSend")->isEnabled());
    QCOMPARE(m_gateway.outbox().size(), before);
    QVERIFY(special.outbox().isEmpty());

    // The program goes on: the next send to the working gateway arrives.
    m_messages.clear();
    window->setServiceDescriptionFile(m_gateway.wsdlFile());
    window->setSendTimeout(30s);
    QVERIFY(pressSendAndWait(*window));
    QCOMPARE(m_messages, QStringList());
    QCOMPARE(m_gateway.outbox().size(), before + 1);
}

void tst_Sending::outcomeIsToldInFull_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QString>("message"); // PORT and FILE stand for the server's port and the description
    QTest::addColumn<HistoryRecord::State>("recorded");

    using State = HistoryRecord::State;
    QTest::newRow("sent") << ScriptedHttpServer::response(
        "200 OK", "<s:Envelope xmlns:s=\"http://schemas.xmlsoap.org/soap/envelope/\"><s:Body><r/></s:Body>"
                  "</s:Envelope>")
                          << QString() << State::Sent;
    QTest::newRow("not sent: refused")
        << ScriptedHttpServer::response("403 Forbidden", "", "text/html")
        << QStringLiteral("Your message was not sent. The service answered with HTTP status 403 (Forbidden).")
        << State::NotSent;
    QTest::newRow("not sent: moved")
        << QByteArray("HTTP/1.1 308 Permanent Redirect\r\nLocation: https://sms.example.org/v2\r\n"
                      "Content-Length: 0\r\n\r\n")
        << QStringLiteral("Your message was not sent. The service answered that it moved to https://sms.example.org/v2 "
                          "(HTTP status 308 (Permanent Redirect)); the service description file FILE must be updated "
                          "with its new address.")
        << State::NotSent;
    QTest::newRow("not known: connection closed")
        << QByteArray()
        << QStringLiteral("It is not known whether your message was sent: the service at 127.0.0.1:PORT closed the "
                          "connection without answering. Check with the recipient before you send it again.")
        << State::NotKnown;
    QTest::newRow("not known: empty answer")
        << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 0\r\n\r\n")
        << QStringLiteral("It is not known whether your message was sent: the service's answer (HTTP status 200 (OK)) "
                          "was empty, though its description promises a SOAP answer. Check with the recipient before "
                          "you send it again.")
        << State::NotKnown;
}

// The whole text the user reads for each outcome, one request for each send,
// and the history's row with the outcome and its reason.
void tst_Sending::outcomeIsToldInFull()
{
    QFETCH(QByteArray, answer);
    QFETCH(QString, message);
    QFETCH(HistoryRecord::State, recorded);

    ScriptedHttpServer server;
    QVERIFY(server.listen());
    server.answerWith(answer);
    const QString description = writeFile(QStringLiteral("SendSMS.wsdl"),
                                          TestDescription::at(QStringLiteral("rpc-literal.wsdl"), server.url()));
    message.replace(QStringLiteral("PORT"), QString::number(server.port()));
    message.replace(QStringLiteral("FILE"), description);

    const auto window = readyWindow(description);
    child<QPlainTextEdit>(*window, "tbMessage")->setPlainText(QStringLiteral("Hello"));
    QVERIFY(pressSendAndWait(*window));

    QCOMPARE(m_messages, message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(server.posts(), 1);
    QVERIFY(child<QPushButton>(*window, "cmdSend")->isEnabled());

    const auto rows = m_history->newest(-1);
    QVERIFY(rows);
    QCOMPARE(rows->size(), 1);
    const HistoryRecord &row = rows->constFirst();
    QCOMPARE(row.state, recorded);
    QCOMPARE(row.recipientName, QStringLiteral("Bob Jones"));
    QCOMPARE(row.recipientNumber, QStringLiteral("00447700900123"));
    QCOMPARE(row.senderName, QStringLiteral("Ann Smith"));
    QCOMPARE(row.message, QStringLiteral("Hello"));
    QCOMPARE(row.culture, QStringLiteral("en-GB"));
    QCOMPARE(row.endpoint, QString::fromLatin1(server.url()));
    QVERIFY(row.duration.has_value());
    // The reason the user was told is the one kept.
    if (message.isEmpty())
        QCOMPARE(row.reason, QString());
    else
        QVERIFY2(!row.reason.isEmpty()
                     && (message.contains(row.reason) || message.contains(Sentences::clauseOf(row.reason))),
                 qPrintable(row.reason));
    const QString status = child<QLabel>(*window, "lblSendStatus")->text();
    const auto outcome = recorded == HistoryRecord::State::Sent  ? MessageSend::Outcome::Sent
        : recorded == HistoryRecord::State::NotSent               ? MessageSend::Outcome::NotSent
                                                                  : MessageSend::Outcome::NotKnown;
    QCOMPARE(status, SendTracker::outcomeText(outcome, QStringLiteral("Bob Jones"), row.time));
}

QTEST_MAIN(tst_Sending)
#include "tst_sending.moc"
