// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "soap/soapclient.h"

#include <QElapsedTimer>
#include <QFile>
#include <QNetworkProxy>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace {

const QStringList Arguments{u"Ann"_s, u"00441234567"_s, u"00447654321098"_s, u"Tom & \"Jerry\" <3 \U0001F600"_s,
                            u"en-GB"_s};

// An HTTP server on 127.0.0.1 that records one request and answers as told.
class RawHttpServer : public QObject
{
    Q_OBJECT

public:
    enum class Behaviour { Answer, Silent, Close, Huge, NotTls };

    explicit RawHttpServer(Behaviour behaviour, QByteArray answer = QByteArray())
        : m_behaviour(behaviour)
        , m_answer(std::move(answer))
    {
        connect(&m_server, &QTcpServer::newConnection, this, &RawHttpServer::accept);
    }

    bool listen() { return m_server.listen(QHostAddress::LocalHost, 0); }
    quint16 port() const { return m_server.serverPort(); }
    int connections() const { return m_connections; }
    const QByteArray &requestLine() const { return m_requestLine; }
    QByteArray header(const QByteArray &name) const { return m_headers.value(name.toLower()); }
    bool hasHeader(const QByteArray &name) const { return m_headers.contains(name.toLower()); }
    const QByteArray &body() const { return m_body; }

private:
    void accept()
    {
        while (QTcpSocket *socket = m_server.nextPendingConnection()) {
            ++m_connections;
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readFrom(socket); });
        }
    }

    void readFrom(QTcpSocket *socket)
    {
        m_buffer += socket->readAll();
        if (m_behaviour == Behaviour::NotTls) {
            socket->write("HTTP/1.1 400 Bad Request\r\nContent-Length: 0\r\n\r\n");
            socket->disconnectFromHost();
            return;
        }
        const qsizetype headEnd = m_buffer.indexOf("\r\n\r\n");
        if (headEnd < 0)
            return;
        const QList<QByteArray> lines = m_buffer.left(headEnd).split('\n');
        m_requestLine = lines.first().trimmed();
        m_headers.clear();
        for (const QByteArray &line : lines.mid(1)) {
            const qsizetype colon = line.indexOf(':');
            m_headers.insert(line.left(colon).trimmed().toLower(), line.mid(colon + 1).trimmed());
        }
        const qsizetype length = m_headers.value("content-length").toLongLong();
        if (m_buffer.size() < headEnd + 4 + length)
            return;
        m_body = m_buffer.mid(headEnd + 4, length);
        m_buffer.clear();
        switch (m_behaviour) {
        case Behaviour::Answer:
            socket->write(m_answer);
            socket->disconnectFromHost();
            break;
        case Behaviour::Silent:
            break;
        case Behaviour::Close:
            socket->close();
            break;
        case Behaviour::NotTls:
            break;
        case Behaviour::Huge:
            socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/xml\r\nContent-Length: 8388608\r\n\r\n<a>");
            socket->write(QByteArray(3 * 1024 * 1024, 'x'));
            break;
        }
    }

    QTcpServer m_server;
    Behaviour m_behaviour;
    QByteArray m_answer;
    QByteArray m_buffer;
    QByteArray m_requestLine;
    QHash<QByteArray, QByteArray> m_headers;
    QByteArray m_body;
    int m_connections = 0;
};

QByteArray httpAnswer(const QByteArray &statusLine, const QByteArray &body)
{
    return "HTTP/1.1 " + statusLine + "\r\nContent-Type: text/xml; charset=utf-8\r\nContent-Length: "
           + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
}

const QByteArray EmptyEnvelope = "<s:Envelope xmlns:s=\"http://schemas.xmlsoap.org/soap/envelope/\"><s:Body/></s:Envelope>";

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
    void reportsServerAnswers_data();
    void reportsServerAnswers();
    void reportsBrokenExchanges_data();
    void reportsBrokenExchanges();
    void reportsRefusedConnection();
    void refusesUnsendableArgumentBeforeSending();
    void failsInitialisation_data();
    void failsInitialisation();
    void matchesIndependentClient_data();
    void matchesIndependentClient();

private:
    // A copy of a fixture whose addresses point at the given port and scheme.
    QString localDescription(const QString &fixture, quint16 port, const QString &scheme = u"http"_s);

    QTemporaryDir m_dir;
};

void tst_SoapClient::initTestCase()
{
    QVERIFY(m_dir.isValid());
    // The servers here are local; a proxy from the environment must not stand between.
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
}

QString tst_SoapClient::localDescription(const QString &fixture, quint16 port, const QString &scheme)
{
    QFile in(QStringLiteral(KORVANE_TEST_DATA_DIR "/wsdl/") + fixture);
    if (!in.open(QIODevice::ReadOnly))
        return QString();
    QByteArray text = in.readAll();
    const QByteArray local = scheme.toLatin1() + "://127.0.0.1:" + QByteArray::number(port);
    text.replace("http://127.0.0.1:8080", local);
    const QString path = m_dir.filePath(QString::number(port) + u"-"_s + fixture);
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(text) != text.size())
        return QString();
    return path;
}

void tst_SoapClient::sendsWhatTheBindingAsks_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<QByteArray>("contentType");
    QTest::addColumn<QByteArray>("soapAction"); // empty: no SOAPAction header at all

    QTest::newRow("1.1, empty action") << u"rpc-literal.wsdl"_s << QByteArray("/rpc-literal")
                                       << QByteArray("text/xml; charset=utf-8") << QByteArray("\"\"");
    QTest::newRow("1.1, action") << u"doc-wrapped-qualified.wsdl"_s << QByteArray("/doc-qualified")
                                 << QByteArray("text/xml; charset=utf-8")
                                 << QByteArray("\"http://example.test/korvane/sendSMS\"");
    QTest::newRow("1.2, action in content type")
        << u"soap12-only.wsdl"_s << QByteArray("/soap12")
        << QByteArray("application/soap+xml; charset=utf-8; action=\"urn:korvane:sendSMS\"") << QByteArray();
}

void tst_SoapClient::sendsWhatTheBindingAsks()
{
    QFETCH(QString, fixture);
    QFETCH(QByteArray, path);
    QFETCH(QByteArray, soapAction);

    RawHttpServer server(RawHttpServer::Behaviour::Answer, httpAnswer("200 OK", EmptyEnvelope));
    QVERIFY(server.listen());
    SoapClient client;
    QVERIFY2(client.MSSoapInit(localDescription(fixture, server.port())), qPrintable(client.errorString()));
    client.setTimeout(10s);
    const SoapCallResult result = client.invoke(u"sendSMS"_s, Arguments);
    QVERIFY2(result.ok, qPrintable(result.errorString));

    QCOMPARE(server.requestLine(), "POST " + path + " HTTP/1.1");
    QTEST(server.header("Content-Type"), "contentType");
    QCOMPARE(server.hasHeader("SOAPAction"), !soapAction.isEmpty());
    QCOMPARE(server.header("SOAPAction"), soapAction);
    // The five texts arrive in order as the leaves of the body.
    QStringList texts;
    for (const QString &line : elementOutline(server.body())) {
        if (line.contains(u'='))
            texts << line.section(u'=', 1);
    }
    QCOMPARE(texts, Arguments);
}

void tst_SoapClient::reportsServerAnswers_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<bool>("isFault");
    QTest::addColumn<QString>("errorString");

    QTest::newRow("500 with fault")
        << httpAnswer("500 Internal Server Error",
                      "<s:Envelope xmlns:s=\"http://schemas.xmlsoap.org/soap/envelope/\"><s:Body><s:Fault>"
                      "<faultcode>s:Client</faultcode><faultstring>Unknown culture</faultstring>"
                      "</s:Fault></s:Body></s:Envelope>")
        << true << u"The SMS service refused the message: Unknown culture"_s;
    QTest::newRow("500 without soap") << httpAnswer("500 Internal Server Error", "oops") << false
                                      << u"The SMS service answered with HTTP status 500 (Internal Server Error)."_s;
    QTest::newRow("404") << httpAnswer("404 Not Found", QByteArray()) << false
                         << u"The SMS service answered with HTTP status 404 (Not Found)."_s;
}

void tst_SoapClient::reportsServerAnswers()
{
    QFETCH(QByteArray, answer);

    RawHttpServer server(RawHttpServer::Behaviour::Answer, answer);
    QVERIFY(server.listen());
    SoapClient client;
    QVERIFY2(client.MSSoapInit(localDescription(u"doc-wrapped-qualified.wsdl"_s, server.port())),
             qPrintable(client.errorString()));
    client.setTimeout(10s);
    const SoapCallResult result = client.invoke(u"sendSMS"_s, Arguments);
    QVERIFY(!result.ok);
    QTEST(result.isFault, "isFault");
    QTEST(result.errorString, "errorString");
}

void tst_SoapClient::reportsBrokenExchanges_data()
{
    QTest::addColumn<RawHttpServer::Behaviour>("behaviour");
    QTest::addColumn<QString>("scheme");
    QTest::addColumn<QString>("reason");

    using B = RawHttpServer::Behaviour;
    QTest::newRow("no answer before the timeout") << B::Silent << u"http"_s << u"did not answer within 0.3 seconds"_s;
    QTest::newRow("connection closed") << B::Close << u"http"_s << u"closed the connection"_s;
    QTest::newRow("huge reply") << B::Huge << u"http"_s << u"too large"_s;
    // The server speaks plain HTTP where TLS is expected: no secure connection.
    QTest::newRow("tls handshake fails") << B::NotTls << u"https"_s << u"secure connection"_s;
}

void tst_SoapClient::reportsBrokenExchanges()
{
    QFETCH(RawHttpServer::Behaviour, behaviour);
    QFETCH(QString, scheme);
    QFETCH(QString, reason);

    RawHttpServer server(behaviour);
    QVERIFY(server.listen());
    SoapClient client;
    QVERIFY2(client.MSSoapInit(localDescription(u"rpc-encoded.wsdl"_s, server.port(), scheme)),
             qPrintable(client.errorString()));
    client.setTimeout(300ms);
    QElapsedTimer clock;
    clock.start();
    const SoapCallResult result = client.invoke(u"sendSMS"_s, Arguments);
    QVERIFY(!result.ok);
    QVERIFY(!result.isFault);
    QVERIFY2(result.errorString.contains(reason), qPrintable(result.errorString));
    QCOMPARE_LT(clock.elapsed(), 5000);
}

void tst_SoapClient::reportsRefusedConnection()
{
    quint16 freedPort = 0;
    {
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
        freedPort = probe.serverPort();
    }
    SoapClient client;
    QVERIFY(client.MSSoapInit(localDescription(u"rpc-literal.wsdl"_s, freedPort)));
    client.setTimeout(10s);
    const SoapCallResult result = client.invoke(u"sendSMS"_s, Arguments);
    QVERIFY(!result.ok);
    QVERIFY2(result.errorString.contains(u"refused the connection"_s), qPrintable(result.errorString));
}

void tst_SoapClient::refusesUnsendableArgumentBeforeSending()
{
    RawHttpServer server(RawHttpServer::Behaviour::Answer, httpAnswer("200 OK", EmptyEnvelope));
    QVERIFY(server.listen());
    SoapClient client;
    QVERIFY(client.MSSoapInit(localDescription(u"rpc-literal.wsdl"_s, server.port())));
    QStringList arguments = Arguments;
    arguments[3] = u"form\ffeed"_s;
    const SoapCallResult result = client.invoke(u"sendSMS"_s, arguments);
    QVERIFY(!result.ok);
    QVERIFY2(result.errorString.contains(u"Argument 4"_s), qPrintable(result.errorString));
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
    // A failed client still answers a call, with a failure rather than a crash.
    const SoapCallResult result = client.invoke(u"sendSMS"_s, Arguments);
    QVERIFY(!result.ok);
    QVERIFY(!result.errorString.isEmpty());
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
    const QString description = QStringLiteral(KORVANE_TEST_DATA_DIR "/wsdl/") + fixture;
    QProcess zeep;
    zeep.start(python, QStringList{u"-c"_s, script, description} + Arguments);
    QVERIFY(zeep.waitForStarted(10000));
    QVERIFY(zeep.waitForFinished(60000));
    const QByteArray errors = zeep.readAllStandardError();
    if (zeep.exitCode() != 0 && errors.contains("No module named 'zeep'"))
        QSKIP("zeep is not installed");
    QVERIFY2(zeep.exitCode() == 0, errors.constData());
    const QStringList expected = elementOutline(zeep.readAllStandardOutput());

    RawHttpServer server(RawHttpServer::Behaviour::Answer, httpAnswer("200 OK", EmptyEnvelope));
    QVERIFY(server.listen());
    SoapClient client;
    QVERIFY(client.MSSoapInit(localDescription(fixture, server.port())));
    client.setTimeout(10s);
    QVERIFY(client.invoke(u"sendSMS"_s, Arguments).ok);
    QCOMPARE(elementOutline(server.body()), expected);
}

QTEST_GUILESS_MAIN(tst_SoapClient)

#include "tst_soapclient.moc"
