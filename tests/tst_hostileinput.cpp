// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Everything KORVANE reads from outside, treated as hostile: the settings
// file, the service description and the service's reply. Whatever comes in,
// the window starts, lists what it can, tells a failed send in one message
// and stays usable. The readers alone are in tst_hostiledocuments.

#include "addressbook/addressbookentries.h"
#include "app/frmsms.h"
#include "settings/settingsstore.h"
#include "tests/support/scriptedhttpserver.h"
#include "tests/support/testdescription.h"
#include "tests/support/windowfixture.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

using TestDescription::fixture;

// The rpc/literal description with its address replaced.
QByteArray descriptionAt(const QByteArray &address)
{
    return TestDescription::at(u"rpc-literal.wsdl"_s, address);
}

// Bytes of a literal, embedded NULs included.
template <size_t N>
QByteArray bytes(const char (&literal)[N])
{
    return QByteArray(literal, N - 1);
}

const QByteArray okEnvelope =
    "<soap:Envelope xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\"><soap:Body>"
    "<sendSMSResponse xmlns=\"urn:x\"><sendSMSResult>sent</sendSMSResult></sendSMSResponse>"
    "</soap:Body></soap:Envelope>";

} // namespace

class tst_HostileInput : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void settingsFile_data();
    void settingsFile();

    void description_data();
    void description();

    void reply_data();
    void reply();

private:
    QString settingsFileName() const { return m_dir->filePath(u"KORVANE/KORVANE.conf"_s); }
    void writeFile(const QString &fileName, const QByteArray &bytes);
    std::unique_ptr<frmSMS> startWindow(SettingsStore &store);
    static QStringList listed(const frmSMS &window);
    // A window with sender, recipient and message in place, ready to send.
    std::unique_ptr<frmSMS> windowReadyToSend(SettingsStore &store);
    QPushButton *sendButton(const frmSMS &window) const;

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<HistoryStore> m_history;
    QStringList m_messages;
};

void tst_HostileInput::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    // The servers here are local; no proxy from the environment may stand between.
    for (const char *name : {"http_proxy", "https_proxy", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"})
        qunsetenv(name);
}

void tst_HostileInput::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_history = std::make_unique<HistoryStore>(m_dir->filePath(u"data/history.sqlite"_s));
    m_messages.clear();
}

void tst_HostileInput::cleanup()
{
    m_history.reset();
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
    auto window = std::make_unique<frmSMS>(store, *m_history);
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
    // Reading either would block for ever.
    QTest::newRow("a named pipe") << u"fifo"_s << QByteArray();
    QTest::newRow("a device") << u"device"_s << QByteArray();
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
    } else if (kind == u"fifo") {
        QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
    } else if (kind == u"device") {
        path = u"/dev/zero"_s;
    } else if (kind == u"freed port") {
        const quint16 port = ScriptedHttpServer::freedPort();
        QVERIFY(port != 0);
        writeFile(path, descriptionAt("http://127.0.0.1:" + QByteArray::number(port) + "/sms"));
    }

    SettingsStore store(settingsFileName());
    auto window = windowReadyToSend(store);
    window->setServiceDescriptionFile(path);
    QElapsedTimer clock;
    clock.start();
    QVERIFY(pressSendAndWait(*window));

    QCOMPARE(m_messages.size(), 1);
    QVERIFY2(m_messages.first().startsWith(u"Your message was not sent."_s), qPrintable(m_messages.first()));
    QVERIFY(sendButton(*window)->isEnabled());
    QVERIFY2(clock.elapsed() < 4000, "a hostile description must be refused quickly, not timed out");
}

// Replies

void tst_HostileInput::reply_data()
{
    QTest::addColumn<ScriptedHttpServer::Script>("script");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("reason");

    using Then = ScriptedHttpServer::Then;
    const QString notSent = u"Your message was not sent. "_s;
    const QString notKnown = u"It is not known whether your message was sent: "_s;
    const QByteArray okAnswer = ScriptedHttpServer::response("200 OK", okEnvelope);
    QTest::newRow("huge") << ScriptedHttpServer::Script{ScriptedHttpServer::response(
                                 "200 OK", "<a>" + QByteArray(3 * 1024 * 1024, 'x') + "</a>")}
                          << notKnown << u"the service sent an answer too large to be a reply (over 1024 KiB)"_s;
    // Cut off at the client's own cap on the head, on any machine.
    QTest::newRow("huge header")
        << ScriptedHttpServer::Script{"HTTP/1.1 200 OK\r\nX-Junk: " + QByteArray(1024 * 1024, 'j')
                                      + "\r\nContent-Length: 0\r\n\r\n"}
        << notKnown << u"the head of the service's answer is larger than 64 KiB"_s;
    // The head promises the whole envelope; two thirds of it come.
    QTest::newRow("truncated mid-envelope")
        << ScriptedHttpServer::Script{okAnswer.left(okAnswer.size() - okEnvelope.size() / 3), Then::Close}
        << notKnown << u"closed the connection before its answer was complete"_s;
    QTest::newRow("not xml") << ScriptedHttpServer::Script{ScriptedHttpServer::response("200 OK", "Welcome to nginx!")}
                             << notKnown << u"the service's answer is not readable XML"_s;
    QTest::newRow("fault without text")
        << ScriptedHttpServer::Script{ScriptedHttpServer::response(
               "500 Internal Server Error",
               "<e:Envelope xmlns:e=\"http://schemas.xmlsoap.org/soap/envelope/\"><e:Body><e:Fault/></e:Body></e:Envelope>")}
        << notSent << u"The service refused the request without giving a reason."_s;
    QTest::newRow("entity bomb")
        << ScriptedHttpServer::Script{ScriptedHttpServer::response("500 Internal Server Error",
                                                                   fixture(u"wsdl/entity-expansion.wsdl"_s))}
        << notKnown << u"the service answered with HTTP status 500 (Internal Server Error) and no SOAP fault"_s;
    QTest::newRow("not http") << ScriptedHttpServer::Script{"SSH-2.0-OpenSSH_9.2\r\n"}
                              << notKnown << u"answered with something that is not HTTP"_s;
    QTest::newRow("closed without a reply") << ScriptedHttpServer::Script{QByteArray(), Then::Close}
                                            << notKnown << u"closed the connection without answering"_s;
    QTest::newRow("slow drip past the timeout")
        << ScriptedHttpServer::Script{"HTTP/1.1 200 OK\r\nContent-Type: text/xml\r\nContent-Length: 100000\r\n\r\n",
                                      Then::KeepOpen, ScriptedHttpServer::When::AfterRequest,
                                      std::chrono::milliseconds(50)}
        << notKnown << u"did not finish its answer within 2 seconds"_s;
}

// One message each, one request each; the next send through the same window works.
void tst_HostileInput::reply()
{
    QFETCH(ScriptedHttpServer::Script, script);
    QFETCH(QString, prefix);
    QFETCH(QString, reason);

    ScriptedHttpServer server;
    QVERIFY(server.listen());
    server.setScript(script);
    const QString path = m_dir->filePath(u"SendSMS.wsdl"_s);
    writeFile(path, descriptionAt(server.url()));

    SettingsStore store(settingsFileName());
    auto window = windowReadyToSend(store);
    window->setServiceDescriptionFile(path);
    window->setSendTimeout(std::chrono::seconds(2));
    QVERIFY(pressSendAndWait(*window));

    // Whatever happened, the request went out once: never again behind the user's back.
    QCOMPARE(server.posts(), 1);
    QCOMPARE(m_messages.size(), 1);
    QVERIFY2(m_messages.first().startsWith(prefix), qPrintable(m_messages.first()));
    QVERIFY2(m_messages.first().contains(reason), qPrintable(m_messages.first()));
    QVERIFY(sendButton(*window)->isEnabled());

    server.answerWith(ScriptedHttpServer::response("200 OK", okEnvelope));
    window->setSendTimeout(std::chrono::seconds(5));
    QVERIFY(pressSendAndWait(*window));
    QCOMPARE(server.posts(), 2);
    QCOMPARE(m_messages.size(), 1);
}

QTEST_MAIN(tst_HostileInput)

#include "tst_hostileinput.moc"
