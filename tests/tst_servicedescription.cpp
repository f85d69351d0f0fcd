// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/frmsms.h"
#include "settings/servicedescription.h"
#include "settings/settingsstore.h"
#include "tests/support/gatewayprocess.h"
#include "tests/support/windowfixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonObject>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

// Which SendSMS.wsdl a send reads: the user's own in their configuration
// folder, else the one beside the program.
//
// Test mode of QStandardPaths stays off: it would hide $XDG_CONFIG_HOME,
// which is what these tests set. Nothing here touches the user's own files,
// as every folder and store is a temporary one.
class tst_ServiceDescription : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void choice_data();
    void choice();
    void followsConfigurationFolderAtEveryCall();
    void windowReadsDescriptionPutInPlaceAfterStart();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QByteArray m_savedConfigHome;
};

void tst_ServiceDescription::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_savedConfigHome = qgetenv("XDG_CONFIG_HOME");
}

void tst_ServiceDescription::cleanup()
{
    qputenv("XDG_CONFIG_HOME", m_savedConfigHome);
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    m_dir.reset();
}

void tst_ServiceDescription::choice_data()
{
    QTest::addColumn<QString>("own");
    QTest::addColumn<bool>("usesOwn");

    // What lies at <configuration folder>/KORVANE/SendSMS.wsdl.
    QTest::newRow("absent") << QStringLiteral("absent") << false;
    QTest::newRow("present") << QStringLiteral("file") << true;
    QTest::newRow("present but empty") << QStringLiteral("empty file") << true;
    QTest::newRow("present but a folder") << QStringLiteral("folder") << false;
    QTest::newRow("a link to a file") << QStringLiteral("link to file") << true;
    QTest::newRow("a link to nothing") << QStringLiteral("dangling link") << false;
    QTest::newRow("a link to a folder") << QStringLiteral("link to folder") << false;
    // A description that cannot be read is still the one the user chose:
    // the send then says why, rather than using the system's service.
    QTest::newRow("present but unreadable") << QStringLiteral("unreadable file") << true;
    QTest::newRow("a named pipe") << QStringLiteral("named pipe") << true;
    QTest::newRow("a link to a device") << QStringLiteral("link to device") << true;
    // Only the exact name counts.
    QTest::newRow("another letter case") << QStringLiteral("lower-case name") << false;
}

void tst_ServiceDescription::choice()
{
    QFETCH(QString, own);
    QFETCH(bool, usesOwn);

    const QString config = m_dir->filePath(QStringLiteral("config"));
    const QString program = m_dir->filePath(QStringLiteral("program"));
    const QString ownFile = config + QStringLiteral("/KORVANE/SendSMS.wsdl");
    QVERIFY(QDir().mkpath(config + QStringLiteral("/KORVANE")));
    QVERIFY(QDir().mkpath(program));

    const auto write = [](const QString &path, const QByteArray &bytes) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    };
    const QString elsewhere = m_dir->filePath(QStringLiteral("elsewhere.wsdl"));
    if (own == QStringLiteral("file")) {
        QVERIFY(write(ownFile, "<definitions/>"));
    } else if (own == QStringLiteral("empty file")) {
        QVERIFY(write(ownFile, QByteArray()));
    } else if (own == QStringLiteral("folder")) {
        QVERIFY(QDir().mkpath(ownFile));
    } else if (own == QStringLiteral("link to file")) {
        QVERIFY(write(elsewhere, "<definitions/>"));
        QVERIFY(QFile::link(elsewhere, ownFile));
    } else if (own == QStringLiteral("dangling link")) {
        QVERIFY(QFile::link(elsewhere, ownFile));
    } else if (own == QStringLiteral("link to folder")) {
        QVERIFY(QDir().mkpath(elsewhere));
        QVERIFY(QFile::link(elsewhere, ownFile));
    } else if (own == QStringLiteral("unreadable file")) {
        QVERIFY(write(ownFile, "<definitions/>"));
        QVERIFY(QFile::setPermissions(ownFile, QFileDevice::Permissions()));
    } else if (own == QStringLiteral("named pipe")) {
        QVERIFY(::mkfifo(QFile::encodeName(ownFile).constData(), 0600) == 0);
    } else if (own == QStringLiteral("link to device")) {
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), ownFile));
    } else if (own == QStringLiteral("lower-case name")) {
        QVERIFY(write(config + QStringLiteral("/KORVANE/sendsms.wsdl"), "<definitions/>"));
    }

    const QString expected = usesOwn ? ownFile : program + QStringLiteral("/SendSMS.wsdl");
    QCOMPARE(ServiceDescription::path(config, program), expected);
}

void tst_ServiceDescription::followsConfigurationFolderAtEveryCall()
{
    const QString beside = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("SendSMS.wsdl"));
    const QString config = m_dir->filePath(QStringLiteral("config"));
    const QString ownFile = config + QStringLiteral("/KORVANE/SendSMS.wsdl");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config));

    QCOMPARE(ServiceDescription::path(), beside);

    QVERIFY(QDir().mkpath(config + QStringLiteral("/KORVANE")));
    QFile file(ownFile);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QCOMPARE(ServiceDescription::path(), ownFile);

    QVERIFY(QFile::remove(ownFile));
    QCOMPARE(ServiceDescription::path(), beside);

    // Without any configuration folder, a KORVANE/SendSMS.wsdl in whatever
    // folder the program was started from is not taken for the user's own.
    const QString startFolder = m_dir->filePath(QStringLiteral("start"));
    QVERIFY(QDir().mkpath(startFolder + QStringLiteral("/KORVANE")));
    QFile stray(startFolder + QStringLiteral("/KORVANE/SendSMS.wsdl"));
    QVERIFY(stray.open(QIODevice::WriteOnly));
    stray.close();
    QVERIFY(QDir::setCurrent(startFolder));
    QCOMPARE(ServiceDescription::path(QString(), QCoreApplication::applicationDirPath()), beside);
}

// The window decides at each send, not when it opens: a description the user
// puts in place while the program runs carries the next message.
void tst_ServiceDescription::windowReadsDescriptionPutInPlaceAfterStart()
{
    GatewayProcess gateway;
    QVERIFY2(gateway.start(), qPrintable(gateway.errorString()));
    const QString config = m_dir->filePath(QStringLiteral("config"));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config));

    SettingsStore store(m_dir->filePath(QStringLiteral("store/KORVANE.conf")));
    HistoryStore history(m_dir->filePath(QStringLiteral("data/history.sqlite")));
    frmSMS window(store, history);
    QStringList messages;
    window.setMessageHandler([&messages](const QString &text) { messages.append(text); });
    window.FromName = QStringLiteral("Ann Smith");
    window.FromNumber = QStringLiteral("00441632960000");
    window.ToName = QStringLiteral("Bob Jones");
    window.ToNumber = QStringLiteral("00447700900123");
    window.findChild<QPlainTextEdit *>(QStringLiteral("tbMessage"))->setPlainText(QStringLiteral("Through my own"));

    QVERIFY(QDir().mkpath(config + QStringLiteral("/KORVANE")));
    QVERIFY(QFile::copy(gateway.wsdlFile(), config + QStringLiteral("/KORVANE/SendSMS.wsdl")));
    QVERIFY(pressSendAndWait(window));

    QCOMPARE(gateway.outbox().size(), 1);
    QCOMPARE(gateway.outbox().constFirst().value(QStringLiteral("message")).toString(),
             QStringLiteral("Through my own"));
    QCOMPARE(messages, QStringList());
}

QTEST_MAIN(tst_ServiceDescription)
#include "tst_servicedescription.moc"
