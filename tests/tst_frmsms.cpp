// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/frmsms.h"
#include "settings/settingskeys.h"
#include "settings/settingsstore.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QPointer>
#include <QTimer>

using StoredValues = QList<SettingsStore::KeyValue>;

class tst_frmSMS : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();
    void cleanup();

    // Start-up and layout
    void startUp_data();
    void startUp();
    void startUpListsStoredRecipients();
    void controls_data();
    void controls();
    void windowIsFixedWithTitleAndMenus();
    void tabOrderFollowsTheWindowsTable();

    // Sender details
    void saveSenderDetails_data();
    void saveSenderDetails();
    void savedDetailsSurviveRestart();
    void fromClickRefillsFromSavedDetails();
    void failedSenderSaveIsReportedAndKept();

    // Recipients
    void addRecipient_data();
    void addRecipient();
    void addedRecipientsAreListedAndStored();
    void duplicateNameChangesNothing();
    void failedAddIsReportedAndSavedLater();
    void fullBookRefusesAnotherRecipient();
    void selectingALinePicksTheRecipient();
    void selectingAnEmptyNameLinePicksItsEntry();

    // Message and sending checks
    void messageKeptToLimit_data();
    void messageKeptToLimit();
    void sendChecks_data();
    void sendChecks();
    void sendRefusesTextsXmlCannotCarry();

    // Country menu
    void countryChoice_data();
    void countryChoice();
    void countryLeavesNumbersAlone();

    void realMessageBoxShowsTextAndTitle();

    // Characters-left counter, removal, keyboard and screen readers
    void counterFollowsTheMessage_data();
    void counterFollowsTheMessage();
    void counterIsClearOfOtherControls();
    void removeRecipient_data();
    void removeRecipient();
    void declinedRemovalChangesNothing();
    void deleteKeyAsksToRemove();
    void captionsNameTheirBoxes();
    void keyboardAloneReachesEverything();

    // About window
    void aboutIsOneWindowShownModally();
    void closingMainWindowEndsTheProgramWhateverAboutIsDoing_data();
    void closingMainWindowEndsTheProgramWhateverAboutIsDoing();

private:
    // Runs mnuAbout_Click, and while the About window is up runs whileOpen,
    // then dismisses it with the given key (or the title-bar close).
    QWidget *openAndDismissAbout(frmSMS &window, std::function<void()> whileOpen, Qt::Key key);

    std::unique_ptr<frmSMS> makeWindow();
    void store(const QString &section, const StoredValues &values);
    template <typename T>
    T *child(const frmSMS &window, const char *name)
    {
        auto *found = window.findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    void saveDetails(frmSMS &window, const QString &name, const QString &number);
    void addRecipientTo(frmSMS &window, const QString &name, const QString &number);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<SettingsStore> m_store;
    QStringList m_messages;
};

void tst_frmSMS::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_store = std::make_unique<SettingsStore>(m_dir->filePath(QStringLiteral("KORVANE/KORVANE.conf")));
    m_messages.clear();
}

void tst_frmSMS::cleanup()
{
    m_store.reset();
    m_dir.reset();
}

std::unique_ptr<frmSMS> tst_frmSMS::makeWindow()
{
    auto window = std::make_unique<frmSMS>(*m_store);
    window->setMessageHandler([this](const QString &text) { m_messages.append(text); });
    return window;
}

void tst_frmSMS::store(const QString &section, const StoredValues &values)
{
    QVERIFY(m_store->saveSettings(section, values));
}

void tst_frmSMS::saveDetails(frmSMS &window, const QString &name, const QString &number)
{
    child<QLineEdit>(window, "tbFromName")->setText(name);
    child<QLineEdit>(window, "tbFromNumber")->setText(number);
    window.cmdSave_Click();
}

void tst_frmSMS::addRecipientTo(frmSMS &window, const QString &name, const QString &number)
{
    child<QLineEdit>(window, "tbToName")->setText(name);
    child<QLineEdit>(window, "tbToNumber")->setText(number);
    window.cmdAdd_Click();
}

void tst_frmSMS::startUp_data()
{
    QTest::addColumn<StoredValues>("sender");
    QTest::addColumn<bool>("panelVisible");
    QTest::addColumn<QString>("fromBox");
    QTest::addColumn<QString>("fromName");

    QTest::newRow("empty store") << StoredValues{} << true << QStringLiteral("<Change>") << QString();
    QTest::newRow("name without number") << StoredValues{{QStringLiteral("FromName"), QStringLiteral("Ann")}}
                                         << true << QStringLiteral("<Change>") << QStringLiteral("Ann");
    QTest::newRow("number without name") << StoredValues{{QStringLiteral("FromNumber"), QStringLiteral("0044")}}
                                         << true << QStringLiteral("<Change>") << QString();
    QTest::newRow("both values") << StoredValues{{QStringLiteral("FromName"), QStringLiteral("Ann")},
                                                 {QStringLiteral("FromNumber"), QStringLiteral("0044123")}}
                                 << false << QStringLiteral("Ann") << QStringLiteral("Ann");
}

void tst_frmSMS::startUp()
{
    QFETCH(StoredValues, sender);
    QFETCH(bool, panelVisible);
    QFETCH(QString, fromBox);
    QFETCH(QString, fromName);
    if (!sender.isEmpty())
        store(SettingsKeys::senderSection(), sender);

    const auto window = makeWindow();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QCOMPARE(child<QGroupBox>(*window, "frFromDetails")->isVisible(), panelVisible);
    QCOMPARE(child<QLineEdit>(*window, "tbFrom")->text(), fromBox);
    QCOMPARE(window->FromName, fromName);
    QCOMPARE(window->culture, QStringLiteral("en-GB"));
    QCOMPARE(child<QMenu>(*window, "mnuCountry")->title(), QStringLiteral("Country: UK"));
    QCOMPARE(child<QListWidget>(*window, "lstAddressBook")->count(), 0);
    QVERIFY(window->ToName.isEmpty() && window->ToNumber.isEmpty());
    QVERIFY(m_messages.isEmpty());
}

void tst_frmSMS::startUpListsStoredRecipients()
{
    store(SettingsKeys::addressBookSection(),
          {{QStringLiteral("Count"), QStringLiteral("3")},
           {QStringLiteral("1.Name"), QStringLiteral("Cy")}, {QStringLiteral("1.Number"), QStringLiteral("00441")},
           {QStringLiteral("2.Name"), QStringLiteral("Ann")}, {QStringLiteral("2.Number"), QStringLiteral("00442")},
           {QStringLiteral("3.Name"), QStringLiteral("Bob")}, {QStringLiteral("3.Number"), QStringLiteral("00443")}});
    const auto window = makeWindow();
    const auto *list = child<QListWidget>(*window, "lstAddressBook");
    QCOMPARE(list->count(), 3);
    QCOMPARE(list->item(0)->text(), QStringLiteral("Cy"));
    QCOMPARE(list->item(1)->text(), QStringLiteral("Ann"));
    QCOMPARE(list->item(2)->text(), QStringLiteral("Bob"));
    QCOMPARE(list->currentRow(), -1);
}

void tst_frmSMS::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<qreal>("pointSize");
    QTest::addColumn<bool>("bold");

    const auto row = [](const char *name, const char *container, const QString &text, QRect rect, qreal points,
                        bool bold) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(container) << text << rect << points
                            << bold;
    };
    row("frAddressBook", "clientArea", QStringLiteral("Address Book"), QRect(6720, 0, 2295, 5895), 8.25, true);
    row("tbToNumber", "frAddressBook", QStringLiteral("0044"), QRect(120, 5160, 1935, 285), 8.25, true);
    row("tbToName", "frAddressBook", QString(), QRect(120, 4560, 1935, 285), 8.25, true);
    row("cmdAdd", "frAddressBook", QStringLiteral("Add"), QRect(120, 3840, 2055, 375), 8.25, true);
    row("lstAddressBook", "frAddressBook", QString(), QRect(120, 240, 1935, 3570), 8.25, true);
    row("Label2", "frAddressBook", QStringLiteral("Number:"), QRect(120, 4920, 975, 255), 8.25, true);
    row("Label1", "frAddressBook", QStringLiteral("Name:"), QRect(120, 4320, 975, 255), 8.25, true);
    row("frMain", "clientArea", QString(), QRect(120, 0, 6495, 5895), 8.25, false);
    row("frFromDetails", "frMain", QStringLiteral("Your Details"), QRect(1560, 600, 4695, 3975), 9.75, true);
    row("cmdSave", "frFromDetails", QStringLiteral("Save"), QRect(3480, 3360, 1095, 375), 8.25, true);
    row("tbFromNumber", "frFromDetails", QStringLiteral("0044"), QRect(1320, 1920, 3015, 375), 8.25, true);
    row("tbFromName", "frFromDetails", QString(), QRect(1320, 1440, 3015, 375), 8.25, true);
    row("Label8", "frFromDetails",
        QStringLiteral("Use your real name, not a 'screen name' otherwise the recipient may not recognise who the "
                       "message is from. Please use a country-code prefix on your number (0044 for UK)"),
        QRect(240, 480, 4095, 855), 8.25, false);
    row("Label7", "frFromDetails", QStringLiteral("Number:"), QRect(240, 1920, 975, 495), 12, true);
    row("Label6", "frFromDetails", QStringLiteral("Name:"), QRect(240, 1440, 975, 495), 12, true);
    row("cmdSend", "frMain", QStringLiteral("Send"), QRect(3600, 4440, 1335, 375), 8.25, true);
    row("tbMessage", "frMain", QString(), QRect(360, 1920, 4455, 2415), 12, true);
    row("tbTo", "frMain", QStringLiteral("<Select from Address Book>"), QRect(1320, 840, 3615, 375), 12, true);
    row("tbFrom", "frMain", QStringLiteral("<Change>"), QRect(1320, 360, 3615, 375), 12, true);
    row("Label9", "frMain", QStringLiteral("www.korvane.example"), QRect(120, 5520, 5655, 255), 12, true);
    row("Label5", "frMain", QStringLiteral("Message:"), QRect(360, 1560, 5175, 375), 12, true);
    row("Label4", "frMain", QStringLiteral("To: "), QRect(360, 840, 5175, 375), 12, true);
    row("Label3", "frMain", QStringLiteral("From:"), QRect(360, 360, 5175, 375), 12, true);
}

void tst_frmSMS::controls()
{
    QFETCH(QString, name);
    QFETCH(QString, container);
    QFETCH(QString, text);
    QFETCH(QRect, twips);
    QFETCH(qreal, pointSize);
    QFETCH(bool, bold);

    const auto window = makeWindow();
    auto *control = window->findChild<QWidget *>(name);
    QVERIFY(control);
    QCOMPARE(control->parentWidget()->objectName(), container);
    QCOMPARE(control->geometry(), QRect(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15));
    QCOMPARE(control->font().pointSizeF(), pointSize);
    QCOMPARE(control->font().bold(), bold);

    QString shown;
    if (auto *label = qobject_cast<QLabel *>(control))
        shown = label->text();
    else if (auto *box = qobject_cast<QLineEdit *>(control))
        shown = box->text();
    else if (auto *button = qobject_cast<QPushButton *>(control))
        shown = button->text();
    else if (auto *frame = qobject_cast<QGroupBox *>(control))
        shown = frame->title();
    else if (auto *edit = qobject_cast<QPlainTextEdit *>(control))
        shown = edit->toPlainText();
    QCOMPARE(shown, text);
}

void tst_frmSMS::windowIsFixedWithTitleAndMenus()
{
    const auto window = makeWindow();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QCOMPARE(window->windowTitle(), QStringLiteral("KORVANE"));
    QCOMPARE(window->centralWidget()->size(), QSize(609, 399));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QVERIFY(!(window->windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!window->windowIcon().isNull());

    QVERIFY(!child<QLineEdit>(*window, "tbTo")->isEnabled());
    QVERIFY(child<QLineEdit>(*window, "tbFrom")->isReadOnly());
    // The sender panel lies in front of the message area.
    const auto *frMain = child<QGroupBox>(*window, "frMain");
    auto *details = child<QGroupBox>(*window, "frFromDetails");
    // A point of the panel over the To box, clear of the panel's own controls.
    const QPoint overToBox = details->geometry().topLeft() + QPoint(3, 30);
    QVERIFY(child<QLineEdit>(*window, "tbTo")->geometry().contains(overToBox));
    QCOMPARE(frMain->childAt(overToBox), details);

    const QList<QAction *> bar = window->menuBar()->actions();
    QCOMPARE(bar.size(), 2);
    QCOMPARE(bar[0]->text(), QStringLiteral("Country: UK"));
    QCOMPARE(bar[1]->text(), QStringLiteral("About"));
    QCOMPARE(bar[1]->objectName(), QStringLiteral("mnuAbout"));
    QVERIFY(!bar[1]->menu());
    QStringList captions, names;
    for (QAction *item : child<QMenu>(*window, "mnuCountry")->actions()) {
        captions.append(item->text());
        names.append(item->objectName());
        QVERIFY(item->isCheckable());
        QCOMPARE(item->isChecked(), item->objectName() == QStringLiteral("mnuUK"));
    }
    QCOMPARE(captions, (QStringList{QStringLiteral("UK"), QStringLiteral("Ireland"), QStringLiteral("Australia"),
                                    QStringLiteral("Germany"), QStringLiteral("Switzerland"),
                                    QStringLiteral("Austria"), QStringLiteral("France"), QStringLiteral("Belgium"),
                                    QStringLiteral("Spain"), QStringLiteral("Portugal")}));
    QCOMPARE(names.first(), QStringLiteral("mnuUK"));
    QCOMPARE(names.last(), QStringLiteral("mnuPortugal"));
}

void tst_frmSMS::tabOrderFollowsTheWindowsTable()
{
    const auto window = makeWindow();
    const QStringList expected = {
        QStringLiteral("lstAddressBook"), QStringLiteral("cmdAdd"),     QStringLiteral("tbToName"),
        QStringLiteral("tbToNumber"),     QStringLiteral("tbFrom"),     QStringLiteral("tbMessage"),
        QStringLiteral("cmdSend"),        QStringLiteral("tbFromName"), QStringLiteral("tbFromNumber"),
        QStringLiteral("cmdSave")};
    QStringList order;
    QWidget *widget = child<QWidget>(*window, "lstAddressBook");
    do {
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->isEnabled() && expected.contains(widget->objectName()))
            order.append(widget->objectName());
        widget = widget->nextInFocusChain();
    } while (widget->objectName() != QStringLiteral("lstAddressBook"));
    QCOMPARE(order, expected);
}

void tst_frmSMS::saveSenderDetails_data()
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

void tst_frmSMS::saveSenderDetails()
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

void tst_frmSMS::savedDetailsSurviveRestart()
{
    {
        const auto window = makeWindow();
        saveDetails(*window, QStringLiteral("Ann"), QStringLiteral("00441234"));
        addRecipientTo(*window, QStringLiteral("Bob"), QStringLiteral("00441111111111"));
    }
    SettingsStore reopened(m_store->fileName());
    frmSMS window(reopened);
    QVERIFY(child<QGroupBox>(window, "frFromDetails")->isHidden());
    QCOMPARE(child<QLineEdit>(window, "tbFrom")->text(), QStringLiteral("Ann"));
    QCOMPARE(window.FromNumber, QStringLiteral("00441234"));
    QCOMPARE(child<QListWidget>(window, "lstAddressBook")->count(), 1);
    QCOMPARE(window.AddressBook->Item(QStringLiteral("Bob"))->Number, QStringLiteral("00441111111111"));
}

void tst_frmSMS::fromClickRefillsFromSavedDetails()
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
void tst_frmSMS::failedSenderSaveIsReportedAndKept()
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

void tst_frmSMS::addRecipient_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("14 characters") << QStringLiteral("00441234567890") << true;
    QTest::newRow("20 characters") << QStringLiteral("00441234567890123456") << true;
    QTest::newRow("13 characters") << QStringLiteral("0044123456789") << false;
    QTest::newRow("14 starting 44") << QStringLiteral("44123456789012") << false;
    QTest::newRow("14 starting 0 then 4") << QStringLiteral("04412345678901") << false;
    QTest::newRow("14 with a letter") << QStringLiteral("0044123456789a") << false;
    QTest::newRow("14 with a space") << QStringLiteral("0044 123456789") << false;
    QTest::newRow("initial 0044") << QStringLiteral("0044") << false;
    QTest::newRow("empty") << QString() << false;
}

void tst_frmSMS::addRecipient()
{
    QFETCH(QString, number);
    QFETCH(bool, accepted);

    const auto window = makeWindow();
    addRecipientTo(*window, QStringLiteral("Bob"), number);
    const auto *list = child<QListWidget>(*window, "lstAddressBook");
    if (accepted) {
        QCOMPARE(m_messages, QStringList());
        QCOMPARE(list->count(), 1);
        QCOMPARE(window->AddressBook->Item(1)->Number, number);
    } else {
        QCOMPARE(m_messages,
                 QStringList{number + QStringLiteral(" is not a valid phone number, please use a valid country code prefix")});
        QCOMPARE(list->count(), 0);
        QCOMPARE(child<QLineEdit>(*window, "tbToName")->text(), QStringLiteral("Bob"));
        QCOMPARE(m_store->getSetting(QStringLiteral("AddressBook"), QStringLiteral("Count"), QStringLiteral("none")),
                 QStringLiteral("none"));
    }
}

void tst_frmSMS::addedRecipientsAreListedAndStored()
{
    const auto window = makeWindow();
    child<QLineEdit>(*window, "tbFromName")->setText(QStringLiteral("half-typed"));
    addRecipientTo(*window, QStringLiteral("Bob"), QStringLiteral("00441111111111"));
    addRecipientTo(*window, QStringLiteral("Ann"), QStringLiteral("00442222222222"));

    const auto *list = child<QListWidget>(*window, "lstAddressBook");
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->item(1)->text(), QStringLiteral("Ann"));
    QCOMPARE(m_store->getSetting(QStringLiteral("AddressBook"), QStringLiteral("Count")), QStringLiteral("2"));
    QCOMPARE(m_store->getSetting(QStringLiteral("AddressBook"), QStringLiteral("2.Name")), QStringLiteral("Ann"));
    QCOMPARE(m_store->getSetting(QStringLiteral("AddressBook"), QStringLiteral("2.Number")),
             QStringLiteral("00442222222222"));
    QCOMPARE(child<QLineEdit>(*window, "tbToName")->text(), QString());
    QCOMPARE(child<QLineEdit>(*window, "tbToNumber")->text(), QStringLiteral("00442222222222"));
    // The sender panel's name box is the user's own: an add leaves it alone.
    QCOMPARE(child<QLineEdit>(*window, "tbFromName")->text(), QStringLiteral("half-typed"));
    QVERIFY(m_messages.isEmpty());
}

void tst_frmSMS::duplicateNameChangesNothing()
{
    const auto window = makeWindow();
    addRecipientTo(*window, QStringLiteral("Bob"), QStringLiteral("00441111111111"));
    QFile file(m_store->fileName());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();

    addRecipientTo(*window, QStringLiteral("BOB"), QStringLiteral("00449999999999"));
    QCOMPARE(m_messages, QStringList());
    QCOMPARE(child<QListWidget>(*window, "lstAddressBook")->count(), 1);
    QCOMPARE(child<QLineEdit>(*window, "tbToName")->text(), QString());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
}

void tst_frmSMS::failedAddIsReportedAndSavedLater()
{
    QFile blocker(m_dir->filePath(QStringLiteral("KORVANE")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    const auto window = makeWindow();
    addRecipientTo(*window, QStringLiteral("Bob"), QStringLiteral("00441111111111"));
    QCOMPARE(m_messages.size(), 1);
    QVERIFY2(m_messages[0].startsWith(QStringLiteral("The address book could not be saved.")),
             qPrintable(m_messages[0]));
    QCOMPARE(child<QListWidget>(*window, "lstAddressBook")->count(), 1);

    QVERIFY(blocker.remove());
    m_messages.clear();
    addRecipientTo(*window, QStringLiteral("Ann"), QStringLiteral("00442222222222"));
    QCOMPARE(m_messages, QStringList());
    SettingsStore reopened(m_store->fileName());
    QCOMPARE(reopened.getSetting(QStringLiteral("AddressBook"), QStringLiteral("Count")), QStringLiteral("2"));
    QCOMPARE(reopened.getSetting(QStringLiteral("AddressBook"), QStringLiteral("1.Name")), QStringLiteral("Bob"));
}

void tst_frmSMS::fullBookRefusesAnotherRecipient()
{
    StoredValues stored{{QStringLiteral("Count"), QString::number(AddressBookEntries::MaximumCount)}};
    for (int i = 1; i <= AddressBookEntries::MaximumCount; ++i) {
        stored.append({SettingsKeys::entryName(i), QString::number(i)});
        stored.append({SettingsKeys::entryNumber(i), QStringLiteral("00440000000000")});
    }
    store(SettingsKeys::addressBookSection(), stored);

    const auto window = makeWindow();
    QCOMPARE(child<QListWidget>(*window, "lstAddressBook")->count(), AddressBookEntries::MaximumCount);
    addRecipientTo(*window, QStringLiteral("One more"), QStringLiteral("00441111111111"));
    QCOMPARE(m_messages.size(), 1);
    QVERIFY2(m_messages[0].contains(QStringLiteral("address book is full")), qPrintable(m_messages[0]));
    QCOMPARE(child<QLineEdit>(*window, "tbToName")->text(), QStringLiteral("One more"));
    QCOMPARE(m_store->getSetting(QStringLiteral("AddressBook"), QStringLiteral("Count")),
             QString::number(AddressBookEntries::MaximumCount));
}

void tst_frmSMS::selectingALinePicksTheRecipient()
{
    const auto window = makeWindow();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    addRecipientTo(*window, QStringLiteral("Ann"), QStringLiteral("00441111111111"));
    addRecipientTo(*window, QStringLiteral("Bob"), QStringLiteral("00442222222222"));
    auto *list = child<QListWidget>(*window, "lstAddressBook");

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
    QCOMPARE(window->ToName, QStringLiteral("Bob"));
    QCOMPARE(window->ToNumber, QStringLiteral("00442222222222"));
    QCOMPARE(child<QLineEdit>(*window, "tbTo")->text(), QStringLiteral("Bob"));

    // By keyboard too.
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Up);
    QCOMPARE(window->ToName, QStringLiteral("Ann"));
    QCOMPARE(window->ToNumber, QStringLiteral("00441111111111"));

    // An add refills the list and drops its selection, but not the choice.
    addRecipientTo(*window, QStringLiteral("Cy"), QStringLiteral("00443333333333"));
    QCOMPARE(list->currentRow(), -1);
    QCOMPARE(window->ToName, QStringLiteral("Ann"));
    QCOMPARE(child<QLineEdit>(*window, "tbTo")->text(), QStringLiteral("Ann"));
}

void tst_frmSMS::selectingAnEmptyNameLinePicksItsEntry()
{
    const auto window = makeWindow();
    addRecipientTo(*window, QString(), QStringLiteral("00441111111111"));
    addRecipientTo(*window, QString(), QStringLiteral("00442222222222"));
    auto *list = child<QListWidget>(*window, "lstAddressBook");
    QCOMPARE(list->count(), 2);
    list->setCurrentRow(1);
    QCOMPARE(window->ToNumber, QStringLiteral("00442222222222"));
    QCOMPARE(window->ToName, QString());
    QVERIFY(m_messages.isEmpty());
}

void tst_frmSMS::messageKeptToLimit_data()
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

void tst_frmSMS::messageKeptToLimit()
{
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    const auto window = makeWindow();
    auto *message = child<QPlainTextEdit>(*window, "tbMessage");
    message->insertPlainText(typed);
    QCOMPARE(message->toPlainText(), kept);
}

void tst_frmSMS::sendChecks_data()
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

void tst_frmSMS::sendChecks()
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

void tst_frmSMS::sendRefusesTextsXmlCannotCarry()
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

void tst_frmSMS::countryChoice_data()
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

void tst_frmSMS::countryChoice()
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

void tst_frmSMS::countryLeavesNumbersAlone()
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

// The one test that lets the real modal box run.
void tst_frmSMS::realMessageBoxShowsTextAndTitle()
{
    frmSMS window(*m_store);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QString title, text;
    int buttons = 0;
    QTimer closer;
    closer.setInterval(20);
    connect(&closer, &QTimer::timeout, &window, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            title = box->windowTitle();
            text = box->text();
            buttons = int(box->buttons().size());
            box->button(QMessageBox::Ok)->click();
        }
    });
    closer.start();
    window.cmdSend_Click();
    closer.stop();
    QCOMPARE(title, QStringLiteral("KORVANE"));
    QCOMPARE(text, QStringLiteral("You have not selected who to send your message to"));
    QCOMPARE(buttons, 1);
}

void tst_frmSMS::counterFollowsTheMessage_data()
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

void tst_frmSMS::counterFollowsTheMessage()
{
    QFETCH(QString, typed);
    QFETCH(QString, counter);
    const auto window = makeWindow();
    child<QPlainTextEdit>(*window, "tbMessage")->insertPlainText(typed);
    QCOMPARE(child<QLabel>(*window, "lblCharactersLeft")->text(), counter);
}

void tst_frmSMS::counterIsClearOfOtherControls()
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

void tst_frmSMS::removeRecipient_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("chosen");
    QTest::addColumn<QStringList>("left");
    QTest::addColumn<QString>("removed");

    QTest::newRow("first") << 0 << false << QStringList{QStringLiteral("Bob"), QStringLiteral("Cy")}
                           << QStringLiteral("Ann");
    QTest::newRow("last") << 2 << false << QStringList{QStringLiteral("Ann"), QStringLiteral("Bob")}
                          << QStringLiteral("Cy");
    QTest::newRow("the chosen recipient") << 1 << true << QStringList{QStringLiteral("Ann"), QStringLiteral("Cy")}
                                          << QStringLiteral("Bob");
}

void tst_frmSMS::removeRecipient()
{
    QFETCH(int, row);
    QFETCH(bool, chosen);
    QFETCH(QStringList, left);
    QFETCH(QString, removed);

    const auto window = makeWindow();
    addRecipientTo(*window, QStringLiteral("Ann"), QStringLiteral("00441111111111"));
    addRecipientTo(*window, QStringLiteral("Bob"), QStringLiteral("00442222222222"));
    addRecipientTo(*window, QStringLiteral("Cy"), QStringLiteral("00443333333333"));
    auto *list = child<QListWidget>(*window, "lstAddressBook");
    list->setCurrentRow(1); // Bob is the chosen recipient
    {
        // Select the line to remove without picking it.
        const QSignalBlocker quiet(list);
        list->setCurrentRow(row);
    }

    QStringList questions;
    window->setQuestionHandler([&questions](const QString &text) {
        questions.append(text);
        return true;
    });
    window->removeSelectedRecipient();
    QCOMPARE(questions, QStringList{QStringLiteral("Do you want to remove %1 from the address book?").arg(removed)});

    QStringList listed;
    for (int i = 0; i < list->count(); ++i)
        listed.append(list->item(i)->text());
    QCOMPARE(listed, left);

    // The store holds the two that are left, and nothing of the third position.
    SettingsStore reopened(m_store->fileName());
    const QString section = SettingsKeys::addressBookSection();
    QCOMPARE(reopened.getSetting(section, QStringLiteral("Count")), QStringLiteral("2"));
    QCOMPARE(reopened.getSetting(section, QStringLiteral("1.Name")), left[0]);
    QCOMPARE(reopened.getSetting(section, QStringLiteral("2.Name")), left[1]);
    QCOMPARE(reopened.getSetting(section, QStringLiteral("3.Name"), QStringLiteral("gone")), QStringLiteral("gone"));
    QCOMPARE(reopened.getSetting(section, QStringLiteral("3.Number"), QStringLiteral("gone")), QStringLiteral("gone"));
    QFile file(m_store->fileName());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const QByteArray storedName = QByteArray("Name=") + removed.toUtf8() + '\n';
    QVERIFY2(!bytes.contains(storedName), bytes.constData());

    const auto *to = child<QLineEdit>(*window, "tbTo");
    if (chosen) {
        QVERIFY(window->ToName.isEmpty() && window->ToNumber.isEmpty());
        QCOMPARE(to->text(), QStringLiteral("<Select from Address Book>"));
    } else {
        QCOMPARE(window->ToName, QStringLiteral("Bob"));
        QCOMPARE(to->text(), QStringLiteral("Bob"));
    }
    QVERIFY(m_messages.isEmpty());
}

void tst_frmSMS::declinedRemovalChangesNothing()
{
    const auto window = makeWindow();
    addRecipientTo(*window, QStringLiteral("Ann"), QStringLiteral("00441111111111"));
    child<QListWidget>(*window, "lstAddressBook")->setCurrentRow(0);
    window->setQuestionHandler([](const QString &) { return false; });
    window->removeSelectedRecipient();
    QCOMPARE(window->AddressBook->Count(), 1);
    QCOMPARE(m_store->getSetting(QStringLiteral("AddressBook"), QStringLiteral("1.Name")), QStringLiteral("Ann"));
    QCOMPARE(window->ToName, QStringLiteral("Ann"));
}

void tst_frmSMS::deleteKeyAsksToRemove()
{
    const auto window = makeWindow();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    addRecipientTo(*window, QStringLiteral("Ann"), QStringLiteral("00441111111111"));
    auto *list = child<QListWidget>(*window, "lstAddressBook");
    list->setCurrentRow(0);
    list->setFocus();
    int asked = 0;
    window->setQuestionHandler([&asked](const QString &) {
        ++asked;
        return true;
    });
    QTest::keyClick(list, Qt::Key_Delete);
    QCOMPARE(asked, 1);
    QCOMPARE(list->count(), 0);
    // The context menu offers the same action.
    QCOMPARE(list->contextMenuPolicy(), Qt::ActionsContextMenu);
    QCOMPARE(list->actions().size(), 1);
    QCOMPARE(list->actions().first()->text(), QStringLiteral("Remove"));
}

void tst_frmSMS::captionsNameTheirBoxes()
{
    const auto window = makeWindow();
    const char *const pairs[][3] = {
        {"Label1", "tbToName", "Name"},      {"Label2", "tbToNumber", "Number"}, {"Label3", "tbFrom", "From"},
        {"Label4", "tbTo", "To"},            {"Label5", "tbMessage", "Message"}, {"Label6", "tbFromName", "Name"},
        {"Label7", "tbFromNumber", "Number"},
    };
    for (const auto &pair : pairs) {
        QWidget *box = child<QWidget>(*window, pair[1]);
        QCOMPARE(child<QLabel>(*window, pair[0])->buddy(), box);
        QCOMPARE(box->accessibleName(), QLatin1String(pair[2]));
    }
    QCOMPARE(child<QWidget>(*window, "lstAddressBook")->accessibleName(), QStringLiteral("Address Book"));
    for (const char *button : {"cmdAdd", "cmdSave", "cmdSend"})
        QVERIFY(!child<QWidget>(*window, button)->accessibleName().isEmpty());
}

void tst_frmSMS::keyboardAloneReachesEverything()
{
    const auto window = makeWindow();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QApplication::setActiveWindow(window.get());
    addRecipientTo(*window, QStringLiteral("Ann"), QStringLiteral("00441111111111"));
    addRecipientTo(*window, QStringLiteral("Bob"), QStringLiteral("00442222222222"));
    saveDetails(*window, QStringLiteral("Cy Smith"), QStringLiteral("0044"));

    auto *list = child<QListWidget>(*window, "lstAddressBook");
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(window->ToName, QStringLiteral("Bob"));

    // Enter on the From box reopens the sender panel.
    auto *from = child<QLineEdit>(*window, "tbFrom");
    from->setFocus();
    QTest::keyClick(from, Qt::Key_Return);
    QVERIFY(child<QGroupBox>(*window, "frFromDetails")->isVisible());
    QCOMPARE(child<QLineEdit>(*window, "tbFromName")->text(), QStringLiteral("Cy Smith"));

    // Tab leaves the message box instead of typing a tab into it.
    auto *message = child<QPlainTextEdit>(*window, "tbMessage");
    message->setFocus();
    QTest::keyClick(message, Qt::Key_Tab);
    QCOMPARE(message->toPlainText(), QString());
    QCOMPARE(QApplication::focusWidget(), child<QWidget>(*window, "cmdSend"));
}

QWidget *tst_frmSMS::openAndDismissAbout(frmSMS &window, std::function<void()> whileOpen, Qt::Key key)
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

void tst_frmSMS::aboutIsOneWindowShownModally()
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

void tst_frmSMS::closingMainWindowEndsTheProgramWhateverAboutIsDoing_data()
{
    QTest::addColumn<bool>("aboutUsed");
    QTest::newRow("About never opened") << false;
    QTest::newRow("About opened and hidden") << true;
}

void tst_frmSMS::closingMainWindowEndsTheProgramWhateverAboutIsDoing()
{
    QFETCH(bool, aboutUsed);
    const auto window = makeWindow();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    if (aboutUsed)
        QVERIFY(openAndDismissAbout(*window, {}, Qt::Key_Return));

    // The application's own loop must end when the main window closes.
    bool endedByItself = true;
    QTimer::singleShot(0, window.get(), [&window] { window->close(); });
    QTimer failsafe;
    failsafe.setSingleShot(true);
    connect(&failsafe, &QTimer::timeout, this, [&endedByItself] {
        endedByItself = false;
        QCoreApplication::quit();
    });
    failsafe.start(10000);
    QApplication::exec();
    QVERIFY(endedByItself);
}

QTEST_MAIN(tst_frmSMS)
#include "tst_frmsms.moc"
