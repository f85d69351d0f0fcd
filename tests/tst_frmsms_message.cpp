// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Composing a message: its length limit, the characters-left counter and the
// checks "Send" makes before anything is sent.

#include "app/frmsms.h"
#include "settings/settingsstore.h"
#include "tests/support/windowfixture.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

class tst_FrmSmsMessage : public QObject, public WindowFixture
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { setUpWindowFixture(); }
    void cleanup() { tearDownWindowFixture(); }

    void messageKeptToLimit_data();
    void messageKeptToLimit();
    void sendChecks_data();
    void sendChecks();
    void sendRefusesTextsXmlCannotCarry();
    void counterFollowsTheMessage_data();
    void counterFollowsTheMessage();
    void counterIsClearOfOtherControls();
};

void tst_FrmSmsMessage::messageKeptToLimit_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");

    const QString emoji = QStringLiteral("\U0001F600");
    QTest::newRow("200 pasted") << QString(200, u'a') << QString(159, u'a');
    QTest::newRow("exactly 159") << QString(159, u'b') << QString(159, u'b');
    QTest::newRow("160") << QString(160, u'c') << QString(159, u'c');
    QTest::newRow("emoji as 159th character kept whole")
        << QString(158, u'd') + emoji + QStringLiteral("xyz") << QString(158, u'd') + emoji;
    QTest::newRow("emoji as 160th character dropped whole")
        << QString(159, u'e') + emoji << QString(159, u'e');
    QTest::newRow("159 emoji") << emoji.repeated(170) << emoji.repeated(159);
    QTest::newRow("line breaks count") << QStringLiteral("a\n").repeated(100) << QStringLiteral("a\n").repeated(79) + QStringLiteral("a");
}

void tst_FrmSmsMessage::messageKeptToLimit()
{
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    const auto window = makeWindow();
    auto *message = child<QPlainTextEdit>(*window, "tbMessage");
    message->insertPlainText(typed);
    QCOMPARE(message->toPlainText(), kept);
}

void tst_FrmSmsMessage::sendChecks_data()
{
    QTest::addColumn<bool>("recipient");
    QTest::addColumn<bool>("sender");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("expected");

    const QString noRecipient = QStringLiteral("You have not selected who to send your message to");
    const QString noSender = QStringLiteral("You have not entered your name and number");
    const QString noMessage = QStringLiteral("You have not entered a message to send");
    QTest::newRow("nothing at all") << false << false << QString() << noRecipient;
    QTest::newRow("no recipient, all else") << false << true << QStringLiteral("Hi") << noRecipient;
    QTest::newRow("recipient only") << true << false << QString() << noSender;
    QTest::newRow("no sender, message typed") << true << false << QStringLiteral("Hi") << noSender;
    QTest::newRow("no message") << true << true << QString() << noMessage;
}

void tst_FrmSmsMessage::sendChecks()
{
    QFETCH(bool, recipient);
    QFETCH(bool, sender);
    QFETCH(QString, message);
    QFETCH(QString, expected);

    const auto window = makeWindow();
    // Where the checks pass, the send must not be reached: no description there.
    window->setServiceDescriptionFile(m_dir->filePath(QStringLiteral("absent.wsdl")));
    if (recipient) {
        window->ToName = QStringLiteral("Bob");
        window->ToNumber = QStringLiteral("00441111111111");
    }
    if (sender) {
        window->FromName = QStringLiteral("Ann");
        window->FromNumber = QStringLiteral("0044");
    }
    child<QPlainTextEdit>(*window, "tbMessage")->setPlainText(message);
    window->cmdSend_Click();
    QCOMPARE(m_messages, QStringList{expected});
    QVERIFY(child<QPushButton>(*window, "cmdSend")->isEnabled());
}

void tst_FrmSmsMessage::sendRefusesTextsXmlCannotCarry()
{
    const auto window = makeWindow();
    window->setServiceDescriptionFile(m_dir->filePath(QStringLiteral("absent.wsdl")));
    window->ToName = QStringLiteral("Bob");
    window->ToNumber = QStringLiteral("00441111111111");
    window->FromName = QStringLiteral("Ann");
    window->FromNumber = QStringLiteral("0044");
    child<QPlainTextEdit>(*window, "tbMessage")->setPlainText(QStringLiteral("bell\aringing"));
    window->cmdSend_Click();
    QCOMPARE(m_messages.size(), 1);
    QVERIFY2(m_messages[0].contains(QStringLiteral("U+0007 at position 5")), qPrintable(m_messages[0]));
    QVERIFY2(m_messages[0].contains(QStringLiteral("the message")), qPrintable(m_messages[0]));
}

void tst_FrmSmsMessage::counterFollowsTheMessage_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("counter");
    QTest::newRow("empty") << QString() << QStringLiteral("159 characters left");
    QTest::newRow("one character") << QStringLiteral("a") << QStringLiteral("158 characters left · 1 SMS");
    QTest::newRow("158 characters") << QString(158, u'a') << QStringLiteral("1 character left · 1 SMS");
    QTest::newRow("159 characters") << QString(159, u'a') << QStringLiteral("0 characters left · 1 SMS");
    QTest::newRow("pasted 200, cut to 159") << QString(200, u'a') << QStringLiteral("0 characters left · 1 SMS");
    QTest::newRow("one Cyrillic letter makes it UCS-2")
        << QString(100, u'a') + QStringLiteral("ж") << QStringLiteral("58 characters left · 2 SMS");
}

void tst_FrmSmsMessage::counterFollowsTheMessage()
{
    QFETCH(QString, typed);
    QFETCH(QString, counter);
    const auto window = makeWindow();
    child<QPlainTextEdit>(*window, "tbMessage")->insertPlainText(typed);
    QCOMPARE(child<QLabel>(*window, "lblCharactersLeft")->text(), counter);
}

void tst_FrmSmsMessage::counterIsClearOfOtherControls()
{
    const auto window = makeWindow();
    const auto *counter = child<QLabel>(*window, "lblCharactersLeft");
    const QRect send = child<QPushButton>(*window, "cmdSend")->geometry();
    QCOMPARE(counter->parentWidget()->objectName(), QStringLiteral("frMain"));
    QVERIFY(counter->geometry().right() < send.left());
    QVERIFY(counter->geometry().top() <= send.center().y() && send.center().y() <= counter->geometry().bottom());
    for (const char *other : {"tbMessage", "Label9", "Label5", "tbTo", "tbFrom"})
        QVERIFY2(!counter->geometry().intersects(child<QWidget>(*window, other)->geometry()), other);
}

QTEST_MAIN(tst_FrmSmsMessage)
#include "tst_frmsms_message.moc"
