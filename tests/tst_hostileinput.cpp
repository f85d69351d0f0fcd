// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Everything KORVANE reads from outside, treated as hostile: the settings
// file, the service description and the service's reply. Whatever comes in,
// the window starts, lists what it can, tells a failed send in one message
// and stays usable.

#include "addressbook/addressbookentries.h"
#include "app/frmsms.h"
#include "settings/settingsstore.h"
#include "soap/soapreplyreader.h"
#include "soap/wsdlreader.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

QByteArray fixture(const QString &name)
{
    QFile file(QStringLiteral(KORVANE_TEST_DATA_DIR) + u'/' + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing fixture %s", qPrintable(name));
    return file.readAll();
}

// The rpc/literal description with its address replaced.
QByteArray descriptionAt(const QByteArray &address)
{
    QByteArray bytes = fixture(u"wsdl/rpc-literal.wsdl"_s);
    bytes.replace("http://127.0.0.1:8080/rpc-literal", address);
    return bytes;
}

// Bytes of a literal, embedded NULs included.
template <size_t N>
QByteArray bytes(const char (&literal)[N])
{
    return QByteArray(literal, N - 1);
}

QByteArray httpResponse(const QByteArray &status, const QByteArray &body)
{
    return "HTTP/1.1 " + status + "\r\nContent-Type: text/xml; charset=utf-8\r\nContent-Length: "
           + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
}

const QByteArray okEnvelope =
    "<soap:Envelope xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\"><soap:Body>"
    "<sendSMSResponse xmlns=\"urn:x\"><sendSMSResult>sent</sendSMSResult></sendSMSResponse>"
    "</soap:Body></soap:Envelope>";

// A one-request-at-a-time HTTP server on 127.0.0.1 that answers as told.
class HostileServer final : public QObject
{
    Q_OBJECT

public:
    enum class Behaviour { Answer, Truncate, Close, Drip };
    Q_ENUM(Behaviour)

    HostileServer()
    {
        connect(&m_server, &QTcpServer::newConnection, this, &HostileServer::accept);
        if (!m_server.listen(QHostAddress::LocalHost, 0))
            qFatal("cannot listen on 127.0.0.1");
    }

    QByteArray url() const { return "http://127.0.0.1:" + QByteArray::number(m_server.serverPort()) + "/sms"; }
    void setBehaviour(Behaviour behaviour, const QByteArray &response = QByteArray())
    {
        m_behaviour = behaviour;
        m_response = response;
    }
    int requests() const { return m_requests; }

private:
    void accept()
    {
        while (QTcpSocket *socket = m_server.nextPendingConnection()) {
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { readRequest(socket); });
        }
    }

    void readRequest(QTcpSocket *socket)
    {
        QByteArray &request = m_pending[socket];
        request += socket->readAll();
        const qsizetype headerEnd = request.indexOf("\r\n\r\n");
        if (headerEnd < 0)
            return;
        static const QRegularExpression lengthHeader(u"content-length:\\s*(\\d+)"_s,
                                                     QRegularExpression::CaseInsensitiveOption);
        const auto match = lengthHeader.match(QString::fromLatin1(request.left(headerEnd)));
        const qsizetype length = match.hasMatch() ? match.captured(1).toLongLong() : 0;
        if (request.size() < headerEnd + 4 + length)
            return;
        m_pending.remove(socket);
        ++m_requests;
        respond(socket);
    }

    void respond(QTcpSocket *socket)
    {
        switch (m_behaviour) {
        case Behaviour::Answer:
            socket->write(m_response);
            socket->disconnectFromHost();
            break;
        case Behaviour::Truncate:
            // Headers promise the whole envelope; half of it comes.
            socket->write(m_response.left(m_response.size() - m_response.size() / 3));
            socket->flush();
            socket->abort();
            socket->deleteLater();
            break;
        case Behaviour::Close:
            socket->abort();
            socket->deleteLater();
            break;
        case Behaviour::Drip: {
            socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/xml\r\nContent-Length: 100000\r\n\r\n");
            auto *drip = new QTimer(socket);
            connect(drip, &QTimer::timeout, socket, [socket] { socket->write(" "); });
            drip->start(50);
            break;
        }
        }
    }

    QTcpServer m_server;
    QHash<QTcpSocket *, QByteArray> m_pending;
    Behaviour m_behaviour = Behaviour::Answer;
    QByteArray m_response;
    int m_requests = 0;
};

} // namespace

class tst_HostileInput : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();
    void cleanup();

    void settingsFile_data();
    void settingsFile();

    void description_data();
    void description();

    void reply_data();
    void reply();

    void hostileDocumentRefusedQuickly_data();
    void hostileDocumentRefusedQuickly();

private:
    QString settingsFileName() const { return m_dir->filePath(u"KORVANE/KORVANE.conf"_s); }
    void writeFile(const QString &fileName, const QByteArray &bytes);
    std::unique_ptr<frmSMS> startWindow(SettingsStore &store);
    static QStringList listed(const frmSMS &window);
    // A window with sender, recipient and message in place, ready to send.
    std::unique_ptr<frmSMS> windowReadyToSend(SettingsStore &store);
    QPushButton *sendButton(const frmSMS &window) const;

    std::unique_ptr<QTemporaryDir> m_dir;
    QStringList m_messages;
};

void tst_HostileInput::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_messages.clear();
}

void tst_HostileInput::cleanup()
{
    m_dir.reset();
}

void tst_HostileInput::writeFile(const QString &fileName, const QByteArray &bytes)
{
    QVERIFY(QDir().mkpath(QFileInfo(fileName).absolutePath()));
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

std::unique_ptr<frmSMS> tst_HostileInput::startWindow(SettingsStore &store)
{
    auto window = std::make_unique<frmSMS>(store);
    window->setMessageHandler([this](const QString &text) { m_messages.append(text); });
    return window;
}

QStringList tst_HostileInput::listed(const frmSMS &window)
{
    const auto *list = window.findChild<QListWidget *>(u"lstAddressBook"_s);
    QStringList names;
    for (int row = 0; list && row < list->count(); ++row)
        names.append(list->item(row)->text());
    return names;
}

QPushButton *tst_HostileInput::sendButton(const frmSMS &window) const
{
    return window.findChild<QPushButton *>(u"cmdSend"_s);
}

std::unique_ptr<frmSMS> tst_HostileInput::windowReadyToSend(SettingsStore &store)
{
    if (!store.saveSettings(u"KORVANE"_s, {{u"FromName"_s, u"Ann"_s}, {u"FromNumber"_s, u"00441234567890"_s}})
        || !store.saveSettings(u"AddressBook"_s,
                               {{u"Count"_s, u"1"_s}, {u"1.Name"_s, u"Bob"_s}, {u"1.Number"_s, u"00441111111111"_s}}))
        qFatal("cannot prepare the settings file");
    auto window = startWindow(store);
    window->findChild<QListWidget *>(u"lstAddressBook"_s)->setCurrentRow(0);
    window->findChild<QPlainTextEdit *>(u"tbMessage"_s)->setPlainText(u"Hello"_s);
    window->setSendTimeout(std::chrono::seconds(5));
    return window;
}

// Settings files

void tst_HostileInput::settingsFile_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QStringList>("expected");

    const QByteArray bob = "1.Name=Bob\n1.Number=00441111111111\n";
    const QByteArray cy = "2.Name=Cy\n2.Number=00442222222222\n";

    QTest::newRow("nul bytes between entries")
        << QByteArray("[AddressBook]\nCount=2\n" + bob + bytes("\0\0\0junk\0=\0\n") + cy)
        << QStringList{u"Bob"_s, u"Cy"_s};
    QTest::newRow("invalid utf-8 in a name")
        << QByteArray("[AddressBook]\nCount=2\n" + bob + "2.Name=C\xff\xfey\n2.Number=00442222222222\n")
        << QStringList{u"Bob"_s, u"C\ufffd\ufffdy"_s};
    QTest::newRow("huge line of garbage")
        << QByteArray("[AddressBook]\nCount=2\n" + bob + "junk=" + QByteArray(4 * 1024 * 1024, 'A') + '\n' + cy)
        << QStringList{u"Bob"_s, u"Cy"_s};
    QTest::newRow("huge name")
        << QByteArray("[AddressBook]\nCount=1\n1.Name=" + QByteArray(256 * 1024, 'n') + "\n1.Number=0044111\n")
        << QStringList{QString(256 * 1024, u'n')};
    QTest::newRow("garbage before any section")
        << QByteArray(bytes("\x89PNG\r\n\x1a\n\x00\x01\x02=\x03\n[AddressBook]\nCount=2\n") + bob + cy)
        << QStringList{u"Bob"_s, u"Cy"_s};
    QTest::newRow("count far larger than entries")
        << QByteArray("[AddressBook]\nCount=500\n" + bob + cy) << QStringList{u"Bob"_s, u"Cy"_s};
    QTest::newRow("count 32767, few entries with a gap")
        << QByteArray("[AddressBook]\nCount=32767\n" + bob + "40.Name=Dee\n40.Number=00444444444444\n")
        << QStringList{u"Bob"_s, u"Dee"_s};
    // A count that cannot be used: the entries that are there are listed, and kept.
    QTest::newRow("count beyond 16 bits") << QByteArray("[AddressBook]\nCount=99999\n" + bob) << QStringList{u"Bob"_s};
    QTest::newRow("negative count") << QByteArray("[AddressBook]\nCount=-3\n" + bob) << QStringList{u"Bob"_s};
    QTest::newRow("empty names")
        << QByteArray("[AddressBook]\nCount=3\n1.Name=\n1.Number=00441111111111\n" + cy
                      + "3.Name=\n3.Number=00443333333333\n")
        << QStringList{QString(), u"Cy"_s, QString()};
    QTest::newRow("duplicate names")
        << QByteArray("[AddressBook]\nCount=3\n" + bob + "2.Name=BOB\n2.Number=00442222222222\n"
                      "3.Name=bob\n3.Number=00443333333333\n")
        << QStringList{u"Bob"_s};
    // A hand-edited file: commas make QSettings read a list, not a text.
    QTest::newRow("unquoted comma in a name")
        << QByteArray("[AddressBook]\nCount=2\n1.Name=Smith, Ann\n1.Number=00441111111111\n" + cy)
        << QStringList{u"Smith, Ann"_s, u"Cy"_s};
    QTest::newRow("byte array value")
        << QByteArray("[AddressBook]\nCount=1\n1.Name=@ByteArray(Bob)\n1.Number=00441111111111\n")
        << QStringList{u"Bob"_s};
}

// The window starts and lists what is there; an add followed by a restart
// keeps every entry that was listed, and the new one after them.
void tst_HostileInput::settingsFile()
{
    QFETCH(QByteArray, contents);
    QFETCH(QStringList, expected);
    writeFile(settingsFileName(), contents);

    {
        SettingsStore store(settingsFileName());
        auto window = startWindow(store);
        QCOMPARE(listed(*window), expected);

        window->findChild<QLineEdit *>(u"tbToName"_s)->setText(u"Zed"_s);
        window->findChild<QLineEdit *>(u"tbToNumber"_s)->setText(u"00449876543210"_s);
        window->cmdAdd_Click();
        QCOMPARE(m_messages, QStringList());
        QCOMPARE(listed(*window), expected + QStringList{u"Zed"_s});
    }

    SettingsStore store(settingsFileName());
    auto restarted = startWindow(store);
    QCOMPARE(listed(*restarted), expected + QStringList{u"Zed"_s});
    // Every number came through too.
    int position = 0;
    for (const AddressBookEntry &entry : *restarted->AddressBook) {
        ++position;
        QVERIFY2(!entry.Number.isEmpty(), qPrintable(u"entry %1 lost its number"_s.arg(position)));
    }
}

// Service descriptions

void tst_HostileInput::description_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("contents");

    QTest::newRow("missing") << u"missing"_s << QByteArray();
    QTest::newRow("empty") << u"file"_s << QByteArray();
    QTest::newRow("huge") << u"huge"_s << QByteArray();
    QTest::newRow("not xml") << u"file"_s << QByteArray("This is not a service description.\n");
    QTest::newRow("a directory") << u"directory"_s << QByteArray();
    QTest::newRow("binary") << u"file"_s << bytes("\x7f" "ELF\x02\x01\x01\0\0\0\xff\xfe\x00<definitions");
    QTest::newRow("entity bomb") << u"file"_s << fixture(u"wsdl/entity-expansion.wsdl"_s);
    QTest::newRow("deeply nested") << u"file"_s
                                   << QByteArray("<definitions xmlns=\"http://schemas.xmlsoap.org/wsdl/\">"
                                                 + QByteArray("<documentation>").repeated(100000));
    QTest::newRow("unreachable address") << u"freed port"_s << QByteArray();
    QTest::newRow("ftp address") << u"file"_s << descriptionAt("ftp://127.0.0.1/sms");
    QTest::newRow("file address") << u"file"_s << descriptionAt("file:///etc/passwd");
    QTest::newRow("invalid url") << u"file"_s << descriptionAt("http://127.0.0.1:99999999/s p a c e");
    QTest::newRow("no host") << u"file"_s << descriptionAt("http:///sms");
}

// "Send" tells exactly one failure and is usable again afterwards.
void tst_HostileInput::description()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, contents);

    QString path = m_dir->filePath(u"SendSMS.wsdl"_s);
    if (kind == u"file") {
        writeFile(path, contents);
    } else if (kind == u"huge") {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(20 * 1024 * 1024));
    } else if (kind == u"directory") {
        QVERIFY(QDir().mkpath(path));
    } else if (kind == u"freed port") {
        quint16 port = 0;
        {
            QTcpServer probe;
            QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
            port = probe.serverPort();
        }
        writeFile(path, descriptionAt("http://127.0.0.1:" + QByteArray::number(port) + "/sms"));
    }

    SettingsStore store(settingsFileName());
    auto window = windowReadyToSend(store);
    window->setServiceDescriptionFile(path);
    QElapsedTimer clock;
    clock.start();
    sendButton(*window)->click();

    QCOMPARE(m_messages.size(), 1);
    QVERIFY2(m_messages.first().startsWith(u"Your message was not sent."_s), qPrintable(m_messages.first()));
    QVERIFY(sendButton(*window)->isEnabled());
    QVERIFY2(clock.elapsed() < 4000, "a hostile description must be refused quickly, not timed out");
}

// Replies

void tst_HostileInput::reply_data()
{
    QTest::addColumn<HostileServer::Behaviour>("behaviour");
    QTest::addColumn<QByteArray>("response");
    QTest::addColumn<QString>("expected");

    using B = HostileServer::Behaviour;
    QTest::newRow("huge") << B::Answer
                          << httpResponse("200 OK", "<a>" + QByteArray(3 * 1024 * 1024, 'x') + "</a>")
                          << u"too large"_s;
    QTest::newRow("huge header") << B::Answer
                                 << QByteArray("HTTP/1.1 200 OK\r\nX-Junk: " + QByteArray(1024 * 1024, 'j')
                                               + "\r\nContent-Length: 0\r\n\r\n")
                                 << QString();
    QTest::newRow("truncated mid-envelope") << B::Truncate << httpResponse("200 OK", okEnvelope) << QString();
    QTest::newRow("not xml") << B::Answer << httpResponse("200 OK", "Welcome to nginx!")
                             << u"not a SOAP message"_s;
    QTest::newRow("fault without text")
        << B::Answer
        << httpResponse("500 Internal Server Error",
                        "<e:Envelope xmlns:e=\"http://schemas.xmlsoap.org/soap/envelope/\"><e:Body><e:Fault/>"
                        "</e:Body></e:Envelope>")
        << u"without giving a reason"_s;
    QTest::newRow("entity bomb") << B::Answer << httpResponse("500 Internal Server Error", fixture(u"wsdl/entity-expansion.wsdl"_s))
                                 << u"HTTP status 500"_s;
    QTest::newRow("not http") << B::Answer << QByteArray("SSH-2.0-OpenSSH_9.2\r\n") << QString();
    QTest::newRow("closed without a reply") << B::Close << QByteArray() << u"closed the connection"_s;
    QTest::newRow("slow drip past the timeout") << B::Drip << QByteArray() << u"did not answer within"_s;
}

// One message each; the next send through the same window works.
void tst_HostileInput::reply()
{
    QFETCH(HostileServer::Behaviour, behaviour);
    QFETCH(QByteArray, response);
    QFETCH(QString, expected);

    HostileServer server;
    server.setBehaviour(behaviour, response);
    const QString path = m_dir->filePath(u"SendSMS.wsdl"_s);
    writeFile(path, descriptionAt(server.url()));

    SettingsStore store(settingsFileName());
    auto window = windowReadyToSend(store);
    window->setServiceDescriptionFile(path);
    window->setSendTimeout(std::chrono::seconds(1));
    sendButton(*window)->click();

    // The network layer may retry once on a dropped connection.
    const int hostileRequests = server.requests();
    QVERIFY(hostileRequests >= 1);
    QCOMPARE(m_messages.size(), 1);
    QVERIFY2(m_messages.first().startsWith(u"Your message was not sent."_s), qPrintable(m_messages.first()));
    QVERIFY2(m_messages.first().contains(expected), qPrintable(m_messages.first()));
    QVERIFY(sendButton(*window)->isEnabled());

    server.setBehaviour(HostileServer::Behaviour::Answer, httpResponse("200 OK", okEnvelope));
    window->setSendTimeout(std::chrono::seconds(5));
    sendButton(*window)->click();
    QCOMPARE(server.requests(), hostileRequests + 1);
    QCOMPARE(m_messages.size(), 1);
}

// Documents built to exhaust time or memory are refused by both readers before
// anything large is built.
void tst_HostileInput::hostileDocumentRefusedQuickly_data()
{
    QTest::addColumn<QByteArray>("document");

    QTest::newRow("billion laughs") << fixture(u"wsdl/entity-expansion.wsdl"_s);
    QTest::newRow("quadratic blowup")
        << QByteArray("<!DOCTYPE d [<!ENTITY a \"" + QByteArray(50000, 'a') + "\">]><d>"
                      + QByteArray("&a;").repeated(50000) + "</d>");
    QTest::newRow("external entity")
        << QByteArray("<!DOCTYPE d [<!ENTITY x SYSTEM \"file:///dev/zero\">]><d>&x;</d>");
    QTest::newRow("nested 1000000 deep") << QByteArray("<a>").repeated(1000000);
    QByteArray attributes;
    for (int i = 0; i < 100000; ++i)
        attributes += " a" + QByteArray::number(i) + "=\"v\"";
    QTest::newRow("100000 attributes") << QByteArray("<a" + attributes + "/>");
}

void tst_HostileInput::hostileDocumentRefusedQuickly()
{
    QFETCH(QByteArray, document);

    QElapsedTimer clock;
    clock.start();
    WsdlReader reader;
    QVERIFY(!reader.read(document));
    QVERIFY(!reader.errorString().isEmpty());
    const SoapCallResult result = SoapReplyReader::read(200, "OK", document);
    QVERIFY(!result.ok);
    QVERIFY(!result.errorString.isEmpty());
    QVERIFY2(clock.elapsed() < 3000, qPrintable(u"took %1 ms"_s.arg(clock.elapsed())));
}

QTEST_MAIN(tst_HostileInput)

#include "tst_hostileinput.moc"
