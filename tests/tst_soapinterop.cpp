// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// SoapClient against SOAP services it was not written with: the spyne gateway
// (document/literal, schema-validated) and a gSOAP server (rpc/encoded).

#include "soap/soapclient.h"
#include "tests/support/gatewayprocess.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <memory>

using namespace std::chrono_literals;

namespace {

const QString s_operation = QStringLiteral("sendSMS");
const QStringList s_outboxKeys = {QStringLiteral("from_name"), QStringLiteral("from_number"),
                                  QStringLiteral("to_number"), QStringLiteral("message"),
                                  QStringLiteral("culture")};

// Five distinct texts per row, so a swapped pair of arguments shows.
void addTextRows()
{
    QTest::addColumn<QStringList>("texts");

    const auto row = [](const char *name, const QString &fromName, const QString &message) {
        QTest::newRow(name) << QStringList{fromName, QStringLiteral("00441632960001"),
                                           QStringLiteral("00491701234567"), message,
                                           QStringLiteral("en-GB")};
    };
    row("less than", QStringLiteral("Ann <Admin>"), QStringLiteral("1 < 2 and <b>bold</b>"));
    row("ampersand", QStringLiteral("Smith & Sons"), QStringLiteral("fish & chips &amp; &#65;"));
    row("quotes", QStringLiteral("O'Neil \"Jr\""), QStringLiteral("say \"hi\" it's 'fine'"));
    row("cdata end", QStringLiteral("]]>"), QStringLiteral("a]]>b<![CDATA[c]]>"));
    row("non-latin", QStringLiteral("Зоя Ковалёва"), QStringLiteral("Γειά σου, 你好, مرحبا, Grüße"));
    row("emoji", QStringLiteral("Pat 😀"), QStringLiteral("See you 👍🏽🎉"));
    row("single space", QStringLiteral("Sam"), QStringLiteral(" "));
    row("line break and tab", QStringLiteral("Lee"), QStringLiteral("line one\n\tline two"));
    row("carriage return", QStringLiteral("Kim"), QStringLiteral("first\r\nsecond\rthird"));
    row("surrounding spaces", QStringLiteral("  Max  "), QStringLiteral("  padded  "));

    QString longest;
    while (longest.size() < 159)
        longest += QStringLiteral("Äbc def <&> ");
    longest.truncate(159);
    row("159 characters", QStringLiteral("Long"), longest);
}

QStringList outboxTexts(const QJsonObject &message)
{
    QStringList texts;
    for (const QString &key : s_outboxKeys)
        texts.append(message.value(key).toString());
    return texts;
}

} // namespace

class tst_SoapInterop : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void spyneReceivesTextsInOrder_data();
    void spyneReceivesTextsInOrder();
    void spyneFaultIsReported_data();
    void spyneFaultIsReported();
    void lateAnswerTimesOut();

    void gsoapDecodesTexts_data();
    void gsoapDecodesTexts();
    void gsoapFaultIsReported();

private:
    // Starts the gSOAP server and writes its WSDL, moved to the actual port, into m_folder.
    bool startGsoapPeer(QProcess &peer, const QStringList &extraArguments, QString *wsdlFile);

    GatewayProcess m_gateway;
    QTemporaryDir m_folder;
};

void tst_SoapInterop::initTestCase()
{
    QVERIFY(m_folder.isValid());
    QVERIFY2(m_gateway.start(), qPrintable(m_gateway.errorString()));
}

void tst_SoapInterop::spyneReceivesTextsInOrder_data()
{
    addTextRows();
}

void tst_SoapInterop::spyneReceivesTextsInOrder()
{
    QFETCH(QStringList, texts);

    SoapClient client;
    client.setTimeout(10s);
    QVERIFY2(client.MSSoapInit(m_gateway.wsdlFile()), qPrintable(client.errorString()));
    const qsizetype before = m_gateway.outbox().size();

    const SoapCallResult result = client.invoke(s_operation, texts);
    QVERIFY2(result.ok(), qPrintable(result.reason));
    QVERIFY(!result.isFault);

    const QList<QJsonObject> outbox = m_gateway.outbox();
    QCOMPARE(outbox.size(), before + 1);
    QCOMPARE(outboxTexts(outbox.last()), texts);
}

void tst_SoapInterop::spyneFaultIsReported_data()
{
    QTest::addColumn<QString>("faultText");
    QTest::newRow("plain") << QStringLiteral("Insufficient credit");
    QTest::newRow("markup") << QStringLiteral("Number <0049> & \"name\" rejected");
    QTest::newRow("non-latin") << QStringLiteral("Сообщение отклонено 🚫");
}

void tst_SoapInterop::spyneFaultIsReported()
{
    QFETCH(QString, faultText);

    GatewayProcess refusing;
    QVERIFY2(refusing.start({QStringLiteral("--fault"), faultText}), qPrintable(refusing.errorString()));
    SoapClient client;
    client.setTimeout(10s);
    QVERIFY2(client.MSSoapInit(refusing.wsdlFile()), qPrintable(client.errorString()));

    const SoapCallResult result = client.invoke(
        s_operation, {QStringLiteral("Ann"), QStringLiteral("00441632960001"),
                      QStringLiteral("00491701234567"), QStringLiteral("Hello"), QStringLiteral("en-GB")});
    QCOMPARE(result.outcome, SoapCallResult::Outcome::NotSent);
    QVERIFY(result.isFault);
    QCOMPARE(result.faultString, faultText);
    QVERIFY2(result.reason.contains(faultText), qPrintable(result.reason));
    QVERIFY(refusing.outbox().isEmpty());
}

// A service that answers long after the client's timeout must not hold the caller for longer.
void tst_SoapInterop::lateAnswerTimesOut()
{
    GatewayProcess slow;
    QVERIFY2(slow.start({QStringLiteral("--delay"), QStringLiteral("20")}), qPrintable(slow.errorString()));
    SoapClient client;
    client.setTimeout(500ms);
    QVERIFY2(client.MSSoapInit(slow.wsdlFile()), qPrintable(client.errorString()));

    QElapsedTimer clock;
    clock.start();
    const SoapCallResult result = client.invoke(
        s_operation, {QStringLiteral("Ann"), QStringLiteral("00441632960001"),
                      QStringLiteral("00491701234567"), QStringLiteral("Hello"), QStringLiteral("en-GB")});
    const qint64 elapsedMs = clock.elapsed();

    // The request reached the service, which may still act on it: not known, not "not sent".
    QCOMPARE(result.outcome, SoapCallResult::Outcome::NotKnown);
    QVERIFY(!result.isFault);
    QVERIFY2(result.reason.contains(QStringLiteral("did not answer")), qPrintable(result.reason));
    QVERIFY2(elapsedMs >= 450, qPrintable(QString::number(elapsedMs)));
    QVERIFY2(elapsedMs < 3000, qPrintable(QString::number(elapsedMs)));
}

bool tst_SoapInterop::startGsoapPeer(QProcess &peer, const QStringList &extraArguments, QString *wsdlFile)
{
    peer.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    peer.start(QStringLiteral(KORVANE_GSOAP_GATEWAY), QStringList{QStringLiteral("0")} + extraArguments);
    if (!peer.waitForStarted(10000)) {
        qWarning("Cannot start the gSOAP peer: %s", qPrintable(peer.errorString()));
        return false;
    }
    QDeadlineTimer deadline(10000);
    while (!peer.canReadLine()) {
        if (deadline.hasExpired() || !peer.waitForReadyRead(int(deadline.remainingTime()))) {
            qWarning("The gSOAP peer did not report its port");
            return false;
        }
    }
    const int port = peer.readLine().trimmed().toInt();
    if (port <= 0)
        return false;

    QFile generated(QStringLiteral(KORVANE_GSOAP_WSDL));
    if (!generated.open(QIODevice::ReadOnly))
        return false;
    QString description = QString::fromUtf8(generated.readAll());
    description.replace(QRegularExpression(QStringLiteral(R"(location="http://127\.0\.0\.1:\d+/")")),
                        QStringLiteral("location=\"http://127.0.0.1:%1/\"").arg(port));

    *wsdlFile = m_folder.filePath(QStringLiteral("SendSMSRpc-%1.wsdl").arg(port));
    QFile adjusted(*wsdlFile);
    return adjusted.open(QIODevice::WriteOnly) && adjusted.write(description.toUtf8()) > 0;
}

void tst_SoapInterop::gsoapDecodesTexts_data()
{
    addTextRows();
}

void tst_SoapInterop::gsoapDecodesTexts()
{
    QFETCH(QStringList, texts);

    QProcess peer;
    QString wsdlFile;
    QVERIFY(startGsoapPeer(peer, {}, &wsdlFile));
    SoapClient client;
    client.setTimeout(10s);
    QVERIFY2(client.MSSoapInit(wsdlFile), qPrintable(client.errorString()));

    const SoapCallResult result = client.invoke(s_operation, texts);
    QVERIFY2(result.ok(), qPrintable(result.reason));

    QTRY_VERIFY_WITH_TIMEOUT(peer.canReadLine(), 5000);
    QJsonParseError error;
    const QJsonDocument received = QJsonDocument::fromJson(peer.readLine(), &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(outboxTexts(received.object()), texts);

    peer.kill();
    peer.waitForFinished(5000);
}

void tst_SoapInterop::gsoapFaultIsReported()
{
    const QString faultText = QStringLiteral("Empfänger <gesperrt> & \"unbekannt\"");
    QProcess peer;
    QString wsdlFile;
    QVERIFY(startGsoapPeer(peer, {QStringLiteral("--fault"), faultText}, &wsdlFile));
    SoapClient client;
    client.setTimeout(10s);
    QVERIFY2(client.MSSoapInit(wsdlFile), qPrintable(client.errorString()));

    const SoapCallResult result = client.invoke(
        s_operation, {QStringLiteral("Ann"), QStringLiteral("00441632960001"),
                      QStringLiteral("00491701234567"), QStringLiteral("Hallo"), QStringLiteral("de-DE")});
    QCOMPARE(result.outcome, SoapCallResult::Outcome::NotSent);
    QVERIFY(result.isFault);
    QCOMPARE(result.faultString, faultText);

    peer.kill();
    peer.waitForFinished(5000);
}

QTEST_GUILESS_MAIN(tst_SoapInterop)
#include "tst_soapinterop.moc"
