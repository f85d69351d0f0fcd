// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The menu bar: the country menu, its "Forget the saved password" and the About window.

#include "app/frmsms.h"
#include "settings/settingsstore.h"
#include "tests/support/windowfixture.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

class tst_FrmSmsMenus : public QObject, public WindowFixture
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { setUpWindowFixture(); }
    void cleanup() { tearDownWindowFixture(); }

    void countryChoice_data();
    void countryChoice();
    void countryLeavesNumbersAlone();
    void forgetPasswordNeedsAService_data();
    void forgetPasswordNeedsAService();
    void aboutIsOneWindowShownModally();
    void closingMainWindowEndsTheProgramWhateverAboutIsDoing_data();
    void closingMainWindowEndsTheProgramWhateverAboutIsDoing();

private:
    // Runs mnuAbout_Click, and while the About window is up runs whileOpen,
    // then dismisses it with the given key (or the title-bar close).
    QWidget *openAndDismissAbout(frmSMS &window, std::function<void()> whileOpen, Qt::Key key);
};

QWidget *tst_FrmSmsMenus::openAndDismissAbout(frmSMS &window, std::function<void()> whileOpen, Qt::Key key)
{
    QPointer<QWidget> shown;
    QTimer dismisser;
    dismisser.setInterval(20);
    connect(&dismisser, &QTimer::timeout, &window, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || shown)
            return;
        shown = modal;
        if (whileOpen)
            whileOpen();
        if (key == Qt::Key_unknown)
            modal->close();
        else
            QTest::keyClick(modal, key);
    });
    dismisser.start();
    window.mnuAbout_Click();
    dismisser.stop();
    return shown;
}

void tst_FrmSmsMenus::countryChoice_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("checked");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("culture");

    QTest::newRow("none") << QStringList{} << QStringLiteral("mnuUK") << QStringLiteral("Country: UK")
                          << QStringLiteral("en-GB");
    QTest::newRow("Belgium then France") << QStringList{QStringLiteral("mnuBelgium"), QStringLiteral("mnuFrance")}
                                         << QStringLiteral("mnuFrance") << QStringLiteral("Country: France")
                                         << QStringLiteral("fr-FR");
    QTest::newRow("same item twice") << QStringList{QStringLiteral("mnuGermany"), QStringLiteral("mnuGermany")}
                                     << QStringLiteral("mnuGermany") << QStringLiteral("Country: Germany")
                                     << QStringLiteral("de-DE");
    QTest::newRow("away and back to UK") << QStringList{QStringLiteral("mnuSpain"), QStringLiteral("mnuUK")}
                                         << QStringLiteral("mnuUK") << QStringLiteral("Country: UK")
                                         << QStringLiteral("en-GB");
    const char *const rows[][3] = {{"mnuIreland", "Ireland", "en-IE"}, {"mnuAustralia", "Australia", "en-AU"},
                                   {"mnuSwitzerland", "Switzerland", "de-CH"}, {"mnuAustria", "Austria", "de-AT"},
                                   {"mnuBelgium", "Belgium", "fr-BE"}, {"mnuPortugal", "Portugal", "pt-PT"},
                                   {"mnuSpain", "Spain", "es-ES"}};
    for (const auto &row : rows) {
        QTest::newRow(row[1]) << QStringList{QLatin1String(row[0])} << QString::fromLatin1(row[0])
                              << QStringLiteral("Country: ") + QLatin1String(row[1]) << QString::fromLatin1(row[2]);
    }
}

void tst_FrmSmsMenus::countryChoice()
{
    QFETCH(QStringList, clicks);
    QFETCH(QString, checked);
    QFETCH(QString, caption);
    QFETCH(QString, culture);

    const auto window = makeWindow();
    for (const QString &name : clicks)
        child<QAction>(*window, qPrintable(name))->trigger();
    QCOMPARE(window->culture, culture);
    QCOMPARE(child<QMenu>(*window, "mnuCountry")->title(), caption);
    QStringList checkedItems;
    for (QAction *item : child<QMenu>(*window, "mnuCountry")->actions()) {
        if (item->isChecked())
            checkedItems.append(item->objectName());
    }
    QCOMPARE(checkedItems, QStringList{checked});
}

void tst_FrmSmsMenus::countryLeavesNumbersAlone()
{
    const auto window = makeWindow();
    child<QAction>(*window, "mnuGermany")->trigger();
    QCOMPARE(child<QLineEdit>(*window, "tbToNumber")->text(), QStringLiteral("0044"));
    QCOMPARE(child<QLineEdit>(*window, "tbFromNumber")->text(), QStringLiteral("0044"));
    addRecipientTo(*window, QStringLiteral("Bob"), QStringLiteral("0049123456789"));
    QCOMPARE(m_messages.size(), 1);
    addRecipientTo(*window, QStringLiteral("Bob"), QStringLiteral("00491234567890"));
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(window->AddressBook->Count(), 1);
}

// Which service's password to forget is known only from a description that
// names one; without it the item is disabled and says why.
void tst_FrmSmsMenus::forgetPasswordNeedsAService_data()
{
    QTest::addColumn<QString>("description");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("why");
    const QString fixtures = QStringLiteral(KORVANE_TEST_DATA_DIR "/wsdl/");
    QTest::newRow("a service") << fixtures + QStringLiteral("rpc-literal.wsdl") << true << QString();
    QTest::newRow("no description") << fixtures + QStringLiteral("missing.wsdl") << false
                                    << QStringLiteral("missing.wsdl");
    QTest::newRow("not XML") << fixtures + QStringLiteral("not-xml.wsdl") << false << QStringLiteral("not-xml.wsdl");
    QTest::newRow("no address") << fixtures + QStringLiteral("no-address.wsdl") << false << QStringLiteral("address");
}

void tst_FrmSmsMenus::forgetPasswordNeedsAService()
{
    QFETCH(QString, description);
    QFETCH(bool, enabled);
    QFETCH(QString, why);

    const auto window = makeWindow();
    window->setServiceDescriptionFile(description);
    auto *item = child<QAction>(*window, "mnuForgetPassword");
    emit child<QMenu>(*window, "mnuCountry")->aboutToShow();
    QCOMPARE(item->isEnabled(), enabled);
    if (enabled) {
        QVERIFY(item->toolTip() == item->text() || item->toolTip().isEmpty());
        return;
    }
    const QString explained = item->toolTip();
    QVERIFY2(explained.startsWith(QStringLiteral("KORVANE cannot tell which SMS service to forget the password of. ")),
             qPrintable(explained));
    QVERIFY2(explained.contains(why), qPrintable(explained));
    // Reached all the same (by a keyboard shortcut of the desktop, say), it explains in a box.
    window->mnuForgetPassword_Click();
    QCOMPARE(m_messages, QStringList{explained});
    // Once the description names a service, the item is usable again.
    window->setServiceDescriptionFile(QStringLiteral(KORVANE_TEST_DATA_DIR "/wsdl/rpc-literal.wsdl"));
    emit child<QMenu>(*window, "mnuCountry")->aboutToShow();
    QVERIFY(item->isEnabled());
}

void tst_FrmSmsMenus::aboutIsOneWindowShownModally()
{
    const auto window = makeWindow();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    window->ToName = QStringLiteral("Bob");
    // Clicks through the window system, which is where modality applies.
    auto *send = child<QPushButton>(*window, "cmdSend");
    const auto clickSend = [&] {
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                          send->mapTo(window.get(), send->rect().center()));
    };

    QString titleSeen;
    bool sendBlocked = false;
    QWidget *first = openAndDismissAbout(*window, [&] {
        titleSeen = QApplication::activeModalWidget()->windowTitle();
        // The main window takes no input while About is open.
        clickSend();
        sendBlocked = m_messages.isEmpty();
    }, Qt::Key_Return);
    QVERIFY(first);
    QCOMPARE(titleSeen, QStringLiteral("About KORVANE"));
    QVERIFY(sendBlocked);
    QVERIFY(first->isHidden());

    QWidget *second = openAndDismissAbout(*window, {}, Qt::Key_Escape);
    QCOMPARE(second, first);
    QWidget *third = openAndDismissAbout(*window, {}, Qt::Key_unknown);
    QCOMPARE(third, first);
    QCOMPARE(window->findChildren<QDialog *>().size(), 1);

    // Afterwards the main window works as before, unchanged.
    QCOMPARE(window->ToName, QStringLiteral("Bob"));
    clickSend();
    QCOMPARE(m_messages, QStringList{QStringLiteral("You have not selected who to send your message to")});
}

void tst_FrmSmsMenus::closingMainWindowEndsTheProgramWhateverAboutIsDoing_data()
{
    QTest::addColumn<bool>("aboutUsed");
    QTest::newRow("About never opened") << false;
    QTest::newRow("About opened and hidden") << true;
}

void tst_FrmSmsMenus::closingMainWindowEndsTheProgramWhateverAboutIsDoing()
{
    QFETCH(bool, aboutUsed);
    const auto window = makeWindow();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    if (aboutUsed)
        QVERIFY(openAndDismissAbout(*window, {}, Qt::Key_Return));

    QVERIFY(closingEndsTheApplication(*window));
}

QTEST_MAIN(tst_FrmSmsMenus)
#include "tst_frmsms_menus.moc"
