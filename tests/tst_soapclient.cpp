// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// SoapClient as its callers use it: the request it writes and sends, once, to a scripted
// server; the asynchronous call and the blocking one; refusals before anything is sent.

#include "soap/soapcall.h"
#include "soap/soapclient.h"
#include "tests/support/scriptedhttpserver.h"
#include "tests/support/testdescription.h"

#include <QFile>
#include <QPointer>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

using Outcome = SoapCallResult::Outcome;

namespace {

const QStringList Arguments{u"Ann"_s, u"00441234567"_s, u"00447654321098"_s, u"Tom & \"Jerry\" <3 \U0001F600"_s,
                            u"en-GB"_s};

// The answer a description here promises: any element in rpc style, its response element in
// document style.
QByteArray confirmation(const QString &fixture = QString())
{
    const QByteArray element = fixture == u"doc-bare.wsdl" ? "sendSMSResult" : "sendSMSResponse";
    return ScriptedHttpServer::response(
        "200 OK", "<s:Envelope xmlns:s=\"http://schemas.xmlsoap.org/soap/envelope/\"><s:Body><t:" + element
                      + " xmlns:t=\"http://example.test/korvane/types\"/></s:Body></s:Envelope>");
}

// "depth {ns}name=text" for every element, attributes and prefixes left aside.
QStringList elementOutline(const QByteArray &xml)
{
    QStringList outline;
    QXmlStreamReader reader(xml);
    int depth = 0;
    QString text;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement:
            outline << u"%1 {%2}%3"_s.arg(depth++).arg(reader.namespaceUri(), reader.name());
            text.clear();
            break;
        case QXmlStreamReader::Characters:
            text += reader.text();
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            if (!text.isEmpty())
                outline.last() += u"="_s + text;
            text.clear();
            break;
        default:
            break;
        }
    }
    if (reader.hasError())
        outline << u"error: "_s + reader.errorString();
    return outline;
}

} // namespace

class tst_SoapClient : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void sendsWhatTheBindingAsks_data();
    void sendsWhatTheBindingAsks();
    void matchesIndependentClient_data();
    void matchesIndependentClient();
    void refusesUnsendableArgumentBeforeSending();
    void failsInitialisation_data();
    void failsInitialisation();

    void startReportsOnceAfterReturning();
    void callOutlivesItsClient();
    void callsRunSideBySide();
    void abortTellsWhetherTheRequestLeft_data();
    void abortTellsWhetherTheRequestLeft();

private:
    QString description(const QString &fixture, const QByteArray &address);

    QTemporaryDir m_dir;
};

void tst_SoapClient::initTestCase()
{
    QVERIFY(m_dir.isValid());
    // The servers here are local; no proxy from the environment may stand between.
    for (const char *name : {"http_proxy", "https_proxy", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"})
        qunsetenv(name);
}

QString tst_SoapClient::description(const QString &fixture, const QByteArray &address)
{
    return TestDescription::writeIn(m_dir, fixture, address);
}

void tst_SoapClient::sendsWhatTheBindingAsks_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<QByteArray>("contentType");
    QTest::addColumn<QByteArray>("soapAction"); // empty: no SOAPAction header at all

    QTest::newRow("1.1, empty action") << u"rpc-literal.wsdl"_s << QByteArray("text/xml; charset=utf-8")
                                       << QByteArray("\"\"");
    QTest::newRow("1.1, action") << u"doc-wrapped-qualified.wsdl"_s << QByteArray("text/xml; charset=utf-8")
                                 << QByteArray("\"http://example.test/korvane/sendSMS\"");
    QTest::newRow("1.2, action in content type")
        << u"soap12-only.wsdl"_s << QByteArray("application/soap+xml; charset=utf-8; action=\"urn:korvane:sendSMS\"")
        << QByteArray();
}

void tst_SoapClient::sendsWhatTheBindingAsks()
{
    QFETCH(QString, fixture);
    QFETCH(QByteArray, soapAction);

    ScriptedHttpServer server;
    QVERIFY(server.listen());
    server.answerWith(confirmation());
    SoapClient client;
    QVERIFY2(client.MSSoapInit(description(fixture, server.url("/the/endpoint?x=1"))), qPrintable(client.errorString()));
    client.setTimeout(10s);
    const SoapCallResult result = client.invoke(u"sendSMS"_s, Arguments);
    QVERIFY2(result.ok(), qPrintable(result.reason));

    QCOMPARE(server.posts(), 1);
    const ScriptedHttpServer::Request request = server.lastRequest();
    QCOMPARE(request.method, "POST");
    QCOMPARE(request.target, "/the/endpoint?x=1");
    QTEST(request.header("Content-Type"), "contentType");
    QCOMPARE(request.hasHeader("SOAPAction"), !soapAction.isEmpty());
    QCOMPARE(request.header("SOAPAction"), soapAction);
    // Sent at once, without waiting for a "100 Continue" that many services never send.
    QVERIFY(!request.hasHeader("Expect"));
    // The five texts arrive in order as the leaves of the body.
    QStringList texts;
    for (const QString &line : elementOutline(request.body)) {
        if (line.contains(u'='))
            texts << line.section(u'=', 1);
    }
    QCOMPARE(texts, Arguments);
}

void tst_SoapClient::matchesIndependentClient_data()
{
    QTest::addColumn<QString>("fixture");

    QTest::newRow("document/literal wrapped, qualified") << u"doc-wrapped-qualified.wsdl"_s;
    QTest::newRow("document/literal wrapped, unqualified") << u"doc-wrapped-unqualified.wsdl"_s;
    QTest::newRow("document/literal bare") << u"doc-bare.wsdl"_s;
    QTest::newRow("rpc/literal") << u"rpc-literal-namespace.wsdl"_s;
    QTest::newRow("soap 1.2") << u"soap12-only.wsdl"_s;
}

// zeep builds the envelope for the same description and arguments; both must
// carry the same elements, namespaces, order and texts.
void tst_SoapClient::matchesIndependentClient()
{
    QFETCH(QString, fixture);

    const QString python = u"/usr/bin/python3"_s;
    if (!QFile::exists(python))
        QSKIP("python3 is not installed");
    const QString script = u"import sys\n"
                           "from zeep import Client\n"
                           "from lxml import etree\n"
                           "client = Client(sys.argv[1])\n"
                           "envelope = client.create_message(client.service, 'sendSMS', *sys.argv[2:])\n"
                           "sys.stdout.buffer.write(etree.tostring(envelope, encoding='utf-8'))\n"_s;
    QProcess zeep;
    zeep.start(python, QStringList{u"-c"_s, script, QStringLiteral(KORVANE_TEST_DATA_DIR "/wsdl/") + fixture}
                           + Arguments);
    QVERIFY(zeep.waitForStarted(10000));
    QVERIFY(zeep.waitForFinished(60000));
    const QByteArray errors = zeep.readAllStandardError();
    if (zeep.exitCode() != 0 && errors.contains("No module named 'zeep'"))
        QSKIP("zeep is not installed");
    QVERIFY2(zeep.exitCode() == 0, errors.constData());
    const QStringList expected = elementOutline(zeep.readAllStandardOutput());

    ScriptedHttpServer server;
    QVERIFY(server.listen());
    server.answerWith(confirmation(fixture));
    SoapClient client;
    QVERIFY(client.MSSoapInit(description(fixture, server.url())));
    client.setTimeout(10s);
    QVERIFY(client.invoke(u"sendSMS"_s, Arguments).ok());
    QCOMPARE(server.posts(), 1);
    QCOMPARE(elementOutline(server.lastRequest().body), expected);
}

void tst_SoapClient::refusesUnsendableArgumentBeforeSending()
{
    ScriptedHttpServer server;
    QVERIFY(server.listen());
    server.answerWith(confirmation());
    SoapClient client;
    QVERIFY(client.MSSoapInit(description(u"rpc-literal.wsdl"_s, server.url())));
    QStringList arguments = Arguments;
    arguments[3] = u"form\ffeed"_s;
    const SoapCallResult result = client.invoke(u"sendSMS"_s, arguments);
    QCOMPARE(result.outcome, Outcome::NotSent);
    QVERIFY2(result.reason.startsWith(u"argument 4"_s), qPrintable(result.reason));
    QCoreApplication::processEvents();
    QCOMPARE(server.connections(), 0);
}

void tst_SoapClient::failsInitialisation_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("wsml");
    QTest::addColumn<QString>("reason");

    QTest::newRow("missing file") << u"absent.wsdl"_s << QString() << QString() << u"does not exist"_s;
    QTest::newRow("mapping file") << u"rpc-literal.wsdl"_s << QString() << u"SendSMS.wsml"_s << u"not supported"_s;
    QTest::newRow("unknown port") << u"rpc-literal.wsdl"_s << u"Elsewhere"_s << QString() << u"no port named"_s;
}

void tst_SoapClient::failsInitialisation()
{
    QFETCH(QString, fixture);
    QFETCH(QString, port);
    QFETCH(QString, wsml);
    QFETCH(QString, reason);

    SoapClient client;
    QVERIFY(!client.MSSoapInit(QStringLiteral(KORVANE_TEST_DATA_DIR "/wsdl/") + fixture, QString(), port, wsml));
    QVERIFY2(client.errorString().contains(reason), qPrintable(client.errorString()));
    // A failed client still answers a call: not sent, with the reason, rather than a crash.
    const SoapCallResult result = client.invoke(u"sendSMS"_s, Arguments);
    QCOMPARE(result.outcome, Outcome::NotSent);
    QCOMPARE(result.errorString(), client.errorString());
}

// finished() comes from the event loop, once, even for a call refused before sending, so a
// caller may always connect after start() returns; the call then deletes itself.
void tst_SoapClient::startReportsOnceAfterReturning()
{
    SoapClient unusable;
    QVERIFY(!unusable.MSSoapInit(m_dir.filePath(u"absent.wsdl"_s)));
    QPointer<SoapCall> call = unusable.start(u"sendSMS"_s, Arguments);
    QSignalSpy spy(call.data(), &SoapCall::finished);
    QVERIFY(!call->isFinished());
    QVERIFY(spy.wait(5000));
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy.first().first().value<SoapCallResult>().outcome, Outcome::NotSent);
    QTRY_VERIFY(call.isNull());
}

// A caller that goes away leaves the call to end and to tell whoever still listens.
void tst_SoapClient::callOutlivesItsClient()
{
    ScriptedHttpServer server;
    QVERIFY(server.listen());
    server.answerWith(confirmation());
    auto client = std::make_unique<SoapClient>();
    QVERIFY(client->MSSoapInit(description(u"rpc-literal.wsdl"_s, server.url())));
    QPointer<SoapCall> call = client->start(u"sendSMS"_s, Arguments);
    QSignalSpy spy(call.data(), &SoapCall::finished);
    client.reset();
    QVERIFY(spy.wait(10000));
    QVERIFY2(spy.first().first().value<SoapCallResult>().ok(),
             qPrintable(spy.first().first().value<SoapCallResult>().reason));
    QCOMPARE(server.posts(), 1);
    QTRY_VERIFY(call.isNull());
}

void tst_SoapClient::callsRunSideBySide()
{
    ScriptedHttpServer quiet;
    QVERIFY(quiet.listen());
    quiet.stayQuiet();
    ScriptedHttpServer answering;
    QVERIFY(answering.listen());
    answering.answerWith(confirmation());

    SoapClient slow;
    slow.setTimeout(20s);
    QVERIFY(slow.MSSoapInit(description(u"rpc-literal.wsdl"_s, quiet.url())));
    SoapClient quick;
    QVERIFY(quick.MSSoapInit(description(u"rpc-literal.wsdl"_s, answering.url())));

    SoapCall *waiting = slow.start(u"sendSMS"_s, Arguments);
    QSignalSpy waitingSpy(waiting, &SoapCall::finished);
    // The second call finishes while the first still waits for its answer.
    QVERIFY(quick.invoke(u"sendSMS"_s, Arguments).ok());
    QTRY_COMPARE(quiet.posts(), 1);
    QCOMPARE(waitingSpy.size(), 0);
    waiting->abort();
    QVERIFY(waitingSpy.wait(10000));
    QCOMPARE(waitingSpy.first().first().value<SoapCallResult>().outcome, Outcome::NotKnown);
}

void tst_SoapClient::abortTellsWhetherTheRequestLeft_data()
{
    QTest::addColumn<QByteArray>("scheme");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QString>("reason");

    // Plain HTTP: the request goes out at once and the server keeps quiet.
    QTest::newRow("after the request left") << QByteArray("http") << Outcome::NotKnown
                                            << u"the call was cancelled after the request had been sent"_s;
    // TLS: the server takes the handshake and never answers it, so nothing of the request leaves.
    QTest::newRow("during the TLS handshake") << QByteArray("https") << Outcome::NotSent
                                              << u"the call was cancelled before the request was sent"_s;
}

void tst_SoapClient::abortTellsWhetherTheRequestLeft()
{
    QFETCH(QByteArray, scheme);

    ScriptedHttpServer server;
    QVERIFY(server.listen());
    if (scheme == "https")
        server.setScript({QByteArray(), ScriptedHttpServer::Then::KeepOpen, ScriptedHttpServer::When::OnFirstBytes});
    else
        server.stayQuiet();
    SoapClient client;
    client.setTimeout(60s);
    QVERIFY(client.MSSoapInit(description(u"rpc-literal.wsdl"_s, server.url("/sms", scheme))));
    SoapCall *call = client.start(u"sendSMS"_s, Arguments);
    QSignalSpy spy(call, &SoapCall::finished);
    // Cancelled once the server has the first bytes: the request, or the TLS greeting.
    QTRY_COMPARE(server.connections(), 1);
    if (scheme == "http")
        QTRY_COMPARE(server.requests().size(), 1);
    call->abort();
    QVERIFY(spy.wait(10000));
    const auto result = spy.first().first().value<SoapCallResult>();
    QTEST(result.outcome, "outcome");
    QTEST(result.reason, "reason");
}

QTEST_GUILESS_MAIN(tst_SoapClient)

#include "tst_soapclient.moc"
