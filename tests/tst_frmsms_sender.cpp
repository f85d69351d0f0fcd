// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The sender details panel: checking, saving and reopening the user's own
// name and number.

#include "app/frmsms.h"
#include "settings/settingsstore.h"
#include "tests/support/windowfixture.h"

#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QStandardPaths>
#include <QTest>

class tst_FrmSmsSender : public QObject, public WindowFixture
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { setUpWindowFixture(); }
    void cleanup() { tearDownWindowFixture(); }

    void saveSenderDetails_data();
    void saveSenderDetails();
    void savedDetailsSurviveRestart();
    void fromClickRefillsFromSavedDetails();
    void failedSenderSaveIsReportedAndKept();
};

void tst_FrmSmsSender::saveSenderDetails_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("message"); // empty: saved

    const QString nameMessage = QStringLiteral("Your name should be between 3 and 11 charachters long");
    const QString numberMessage = QStringLiteral(" is not a valid phone number, please include a country-code prefix");
    QTest::newRow("2 characters") << QStringLiteral("Al") << QStringLiteral("00441234") << nameMessage;
    QTest::newRow("3 characters") << QStringLiteral("Ann") << QStringLiteral("00441234") << QString();
    QTest::newRow("11 characters") << QStringLiteral("Annabel Lee") << QStringLiteral("00441234") << QString();
    QTest::newRow("12 characters") << QStringLiteral("Annabel Lees") << QStringLiteral("00441234") << nameMessage;
    QTest::newRow("empty name") << QString() << QStringLiteral("00441234") << nameMessage;
    QTest::newRow("3 letters outside the BMP")
        << QStringLiteral("\U0001D49C\U0001D49E\U0001D4A2") << QStringLiteral("0044") << QString();
    QTest::newRow("11 letters outside the BMP")
        << QString(11, QChar()).fill(QChar(u'x')).replace(QStringLiteral("x"), QStringLiteral("\U0001F600"))
        << QStringLiteral("0044") << QString();
    QTest::newRow("short name and bad number") << QStringLiteral("Al") << QStringLiteral("44abc") << nameMessage;
    QTest::newRow("0044 alone") << QStringLiteral("Ann") << QStringLiteral("0044") << QString();
    QTest::newRow("starts 44") << QStringLiteral("Ann") << QStringLiteral("441234567890")
                               << QStringLiteral("441234567890") + numberMessage;
    QTest::newRow("holds a letter") << QStringLiteral("Ann") << QStringLiteral("0044123x")
                                    << QStringLiteral("0044123x") + numberMessage;
    QTest::newRow("plus sign") << QStringLiteral("Ann") << QStringLiteral("+44123") << QStringLiteral("+44123") + numberMessage;
    QTest::newRow("space inside") << QStringLiteral("Ann") << QStringLiteral("0044 123")
                                  << QStringLiteral("0044 123") + numberMessage;
    QTest::newRow("empty number") << QStringLiteral("Ann") << QString() << numberMessage;
    QTest::newRow("arabic-indic digits") << QStringLiteral("Ann") << QStringLiteral("٠٠٤٤")
                                         << QStringLiteral("٠٠٤٤") + numberMessage;
}

void tst_FrmSmsSender::saveSenderDetails()
{
    QFETCH(QString, name);
    QFETCH(QString, number);
    QFETCH(QString, message);

    const auto window = makeWindow();
    saveDetails(*window, name, number);
    const auto *panel = child<QGroupBox>(*window, "frFromDetails");
    if (message.isEmpty()) {
        QCOMPARE(m_messages, QStringList());
        QCOMPARE(window->FromName, name);
        QCOMPARE(window->FromNumber, number);
        QCOMPARE(child<QLineEdit>(*window, "tbFrom")->text(), name);
        QVERIFY(panel->isHidden());
        QCOMPARE(m_store->getSetting(QStringLiteral("KORVANE"), QStringLiteral("FromName")), name);
        QCOMPARE(m_store->getSetting(QStringLiteral("KORVANE"), QStringLiteral("FromNumber")), number);
    } else {
        QCOMPARE(m_messages, QStringList{message});
        QVERIFY(window->FromName.isEmpty());
        QVERIFY(window->FromNumber.isEmpty());
        QVERIFY(!panel->isHidden());
        QCOMPARE(child<QLineEdit>(*window, "tbFromName")->text(), name);
        QCOMPARE(child<QLineEdit>(*window, "tbFrom")->text(), QStringLiteral("<Change>"));
        QVERIFY(!QFile::exists(m_store->fileName()));
    }
}

void tst_FrmSmsSender::savedDetailsSurviveRestart()
{
    {
        const auto window = makeWindow();
        saveDetails(*window, QStringLiteral("Ann"), QStringLiteral("00441234"));
        addRecipientTo(*window, QStringLiteral("Bob"), QStringLiteral("00441111111111"));
    }
    SettingsStore reopened(m_store->fileName());
    frmSMS window(reopened, *m_history);
    QVERIFY(child<QGroupBox>(window, "frFromDetails")->isHidden());
    QCOMPARE(child<QLineEdit>(window, "tbFrom")->text(), QStringLiteral("Ann"));
    QCOMPARE(window.FromNumber, QStringLiteral("00441234"));
    QCOMPARE(child<QListWidget>(window, "lstAddressBook")->count(), 1);
    QCOMPARE(window.AddressBook->Item(QStringLiteral("Bob"))->Number, QStringLiteral("00441111111111"));
}

void tst_FrmSmsSender::fromClickRefillsFromSavedDetails()
{
    const auto window = makeWindow();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    auto *name = child<QLineEdit>(*window, "tbFromName");
    auto *number = child<QLineEdit>(*window, "tbFromNumber");
    auto *from = child<QLineEdit>(*window, "tbFrom");

    // Never saved: the click empties both boxes, "0044" included.
    QTest::mouseClick(from, Qt::LeftButton);
    QCOMPARE(name->text(), QString());
    QCOMPARE(number->text(), QString());

    saveDetails(*window, QStringLiteral("Ann"), QStringLiteral("00441234"));
    QVERIFY(child<QGroupBox>(*window, "frFromDetails")->isHidden());
    name->setText(QStringLiteral("typed, never saved"));
    QTest::mouseClick(from, Qt::LeftButton);
    QVERIFY(child<QGroupBox>(*window, "frFromDetails")->isVisible());
    QCOMPARE(name->text(), QStringLiteral("Ann"));
    QCOMPARE(number->text(), QStringLiteral("00441234"));
}

// A plain file where the settings folder should be stops even root.
void tst_FrmSmsSender::failedSenderSaveIsReportedAndKept()
{
    QFile blocker(m_dir->filePath(QStringLiteral("KORVANE")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    const auto window = makeWindow();
    saveDetails(*window, QStringLiteral("Ann"), QStringLiteral("00441234"));
    QCOMPARE(m_messages.size(), 1);
    QVERIFY2(m_messages[0].startsWith(QStringLiteral("Your details could not be saved.")), qPrintable(m_messages[0]));
    QVERIFY2(m_messages[0].contains(blocker.fileName()), qPrintable(m_messages[0]));
    QCOMPARE(window->FromName, QStringLiteral("Ann"));
    QCOMPARE(child<QLineEdit>(*window, "tbFrom")->text(), QStringLiteral("Ann"));
    QVERIFY(!child<QGroupBox>(*window, "frFromDetails")->isHidden());

    // Once the cause is gone, "Save" again succeeds and closes the panel.
    QVERIFY(blocker.remove());
    m_messages.clear();
    window->cmdSave_Click();
    QCOMPARE(m_messages, QStringList());
    QVERIFY(child<QGroupBox>(*window, "frFromDetails")->isHidden());
    SettingsStore reopened(m_store->fileName());
    QCOMPARE(reopened.getSetting(QStringLiteral("KORVANE"), QStringLiteral("FromNumber")), QStringLiteral("00441234"));
}

QTEST_MAIN(tst_FrmSmsSender)
#include "tst_frmsms_sender.moc"
