// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window shown and activated on a real X server (Xvfb), as a window
// manager activates it: at start, and again whenever a modal window closes.
// Activation gives the address book the focus; that alone must never choose
// a recipient, while the user's own click, arrow key or Enter still does.
// And the window stays the user's while a slow service takes its time.

#include "app/frmsms.h"
#include "settings/settingskeys.h"
#include "settings/settingsstore.h"
#include "tests/support/gatewayprocess.h"
#include "tests/support/windowfixture.h"

#include <QApplication>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QJsonObject>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

class tst_FrmSmsActivation : public QObject, public WindowFixture
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup() { tearDownWindowFixture(); }

    void activationChoosesNobody_data();
    void activationChoosesNobody();
    void theUserStillPicks_data();
    void theUserStillPicks();
    void typingGoesOnWhileTheServiceIsSlow();
    void aFrenchNumberIsAddedAsTyped();

private:
    // Shows the window and activates it, and waits until it is active with the
    // address book holding the focus.
    bool showActive(frmSMS &window);
    // Runs a modal step and closes the modal window it opens once it is up.
    static void closeModalDuring(QWidget *context, const std::function<void()> &step);
    static bool nothingChosen(const frmSMS &window);
};

void tst_FrmSmsActivation::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    if (QGuiApplication::platformName() != QStringLiteral("xcb"))
        QSKIP("Needs an X server: run under xvfb-run with QT_QPA_PLATFORM=xcb.");
}

void tst_FrmSmsActivation::init()
{
    setUpWindowFixture();
    store(SettingsKeys::addressBookSection(),
          {{QStringLiteral("Count"), QStringLiteral("3")},
           {QStringLiteral("1.Name"), QStringLiteral("Ann")}, {QStringLiteral("1.Number"), QStringLiteral("00441111111111")},
           {QStringLiteral("2.Name"), QStringLiteral("Bob")}, {QStringLiteral("2.Number"), QStringLiteral("00442222222222")},
           {QStringLiteral("3.Name"), QStringLiteral("Cy")}, {QStringLiteral("3.Number"), QStringLiteral("00443333333333")}});
}

bool tst_FrmSmsActivation::showActive(frmSMS &window)
{
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        return false;
    auto *list = child<QListWidget>(window, "lstAddressBook");
    return QTest::qWaitFor([list] { return list->hasFocus(); });
}

void tst_FrmSmsActivation::closeModalDuring(QWidget *context, const std::function<void()> &step)
{
    QTimer closer;
    closer.setInterval(20);
    QObject::connect(&closer, &QTimer::timeout, context, [] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (auto *box = qobject_cast<QMessageBox *>(modal))
            box->button(QMessageBox::Ok)->click();
        else
            modal->close();
    });
    closer.start();
    step();
}

bool tst_FrmSmsActivation::nothingChosen(const frmSMS &window)
{
    return window.ToName.isEmpty() && window.ToNumber.isEmpty()
        && child<QLineEdit>(window, "tbTo")->text() == QStringLiteral("<Select from Address Book>");
}

void tst_FrmSmsActivation::activationChoosesNobody_data()
{
    QTest::addColumn<QString>("after");
    QTest::newRow("at start") << QString();
    QTest::newRow("after the About window closes") << QStringLiteral("about");
    QTest::newRow("after a message box closes") << QStringLiteral("message box");
}

void tst_FrmSmsActivation::activationChoosesNobody()
{
    QFETCH(QString, after);
    const auto window = makeWindow();
    auto *list = child<QListWidget>(*window, "lstAddressBook");
    QVERIFY(showActive(*window));
    if (after.isEmpty()) {
        QVERIFY(nothingChosen(*window));
        return;
    }

    // Back to the state of a fresh start, whatever the first activation did:
    // nobody chosen, and no current line in the list.
    window->ToName.clear();
    window->ToNumber.clear();
    child<QLineEdit>(*window, "tbTo")->setText(QStringLiteral("<Select from Address Book>"));
    list->selectionModel()->clearCurrentIndex();
    if (after == QStringLiteral("about")) {
        closeModalDuring(window.get(), [&window] { window->mnuAbout_Click(); });
    } else {
        window->setMessageHandler({});
        // With nobody chosen, "Send" says so in a real message box.
        closeModalDuring(window.get(), [&window] { window->cmdSend_Click(); });
    }
    // A window manager gives the window back its activation once the modal
    // window is gone; Xvfb has none, so the test does what it would.
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QTRY_VERIFY(list->hasFocus());
    QVERIFY(nothingChosen(*window));
}

void tst_FrmSmsActivation::theUserStillPicks_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("picked");
    QTest::newRow("a click on the second line") << QStringLiteral("click") << QStringLiteral("Bob");
    QTest::newRow("the down arrow") << QStringLiteral("down") << QStringLiteral("Bob");
    QTest::newRow("Enter on the line with the focus") << QStringLiteral("enter") << QStringLiteral("Ann");
    QTest::newRow("the end key") << QStringLiteral("end") << QStringLiteral("Cy");
}

void tst_FrmSmsActivation::theUserStillPicks()
{
    QFETCH(QString, how);
    QFETCH(QString, picked);
    const auto window = makeWindow();
    auto *list = child<QListWidget>(*window, "lstAddressBook");
    QVERIFY(showActive(*window));
    if (how == QStringLiteral("click")) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
    } else {
        // The focus rests on the first line, so the keys start from there.
        list->setCurrentRow(0, QItemSelectionModel::NoUpdate);
        const Qt::Key key = how == QStringLiteral("down") ? Qt::Key_Down
            : how == QStringLiteral("enter")              ? Qt::Key_Return
                                                          : Qt::Key_End;
        QTest::keyClick(list, key);
    }
    QCOMPARE(window->ToName, picked);
    QCOMPARE(window->ToNumber, window->AddressBook->Item(picked)->Number);
    QCOMPARE(child<QLineEdit>(*window, "tbTo")->text(), picked);
}

void tst_FrmSmsActivation::typingGoesOnWhileTheServiceIsSlow()
{
    GatewayProcess slow;
    QVERIFY2(slow.start({QStringLiteral("--delay"), QStringLiteral("6")}), qPrintable(slow.errorString()));
    store(SettingsKeys::senderSection(), {{SettingsKeys::fromName(), QStringLiteral("Dee Smith")},
                                          {SettingsKeys::fromNumber(), QStringLiteral("00441632960000")}});
    const auto window = makeWindow();
    window->setServiceDescriptionFile(slow.wsdlFile());
    QVERIFY(showActive(*window));
    auto *list = child<QListWidget>(*window, "lstAddressBook");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
    auto *message = child<QPlainTextEdit>(*window, "tbMessage");
    QTest::mouseClick(message->viewport(), Qt::LeftButton);
    QTest::keyClicks(message, QStringLiteral("See you"));

    // Tab to "Send" and press it from the keyboard.
    QSignalSpy finished(window.get(), &frmSMS::sendFinished);
    QTest::keyClick(message, Qt::Key_Tab);
    auto *send = child<QPushButton>(*window, "cmdSend");
    QCOMPARE(QApplication::focusWidget(), send);
    QTest::keyClick(send, Qt::Key_Space);
    QVERIFY(window->isSending());
    QVERIFY(!send->isEnabled());

    // Back to the message while the service thinks: every key lands at once.
    const QPoint end = message->viewport()->rect().bottomRight() - QPoint(4, 4);
    QTest::mouseClick(message->viewport(), Qt::LeftButton, {}, end);
    QTest::keyClicks(message, QStringLiteral(" later"));
    QCOMPARE(message->toPlainText(), QStringLiteral("See you later"));
    QVERIFY(window->isSending());
    QVERIFY(window->isActiveWindow());
    QCOMPARE(QApplication::focusWidget(), message);

    QVERIFY(finished.wait(60000));
    QCOMPARE(m_messages, QStringList());
    QCOMPARE(slow.outbox().size(), 1);
    QCOMPARE(slow.outbox().constFirst().value(QStringLiteral("message")).toString(), QStringLiteral("See you"));
    QCOMPARE(slow.outbox().constFirst().value(QStringLiteral("to_number")).toString(),
             QStringLiteral("00442222222222"));
    QVERIFY(send->isEnabled());
}

// A mobile number of 13 characters, typed and added as a person does, is
// listed with no box in the way.
void tst_FrmSmsActivation::aFrenchNumberIsAddedAsTyped()
{
    const auto window = makeWindow();
    QVERIFY(showActive(*window));
    auto *name = child<QLineEdit>(*window, "tbToName");
    auto *number = child<QLineEdit>(*window, "tbToNumber");
    QTest::mouseClick(name, Qt::LeftButton);
    QTest::keyClicks(name, QStringLiteral("Élodie"));
    QTest::mouseClick(number, Qt::LeftButton);
    QTest::keyClick(number, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(number, QStringLiteral("0033612345678"));
    QTest::mouseClick(child<QPushButton>(*window, "cmdAdd"), Qt::LeftButton);

    QCOMPARE(m_messages, QStringList());
    auto *list = child<QListWidget>(*window, "lstAddressBook");
    QCOMPARE(list->count(), 4);
    QCOMPARE(list->item(3)->text(), QStringLiteral("Élodie"));
    QCOMPARE(window->AddressBook->Item(QStringLiteral("Élodie"))->Number, QStringLiteral("0033612345678"));
    QVERIFY(window->isActiveWindow());
}

QTEST_MAIN(tst_FrmSmsActivation)
#include "tst_frmsms_activation.moc"
