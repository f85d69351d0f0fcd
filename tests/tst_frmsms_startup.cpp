// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window at start-up: what it reads from the store, its controls and
// their layout, the tab order, captions for screen readers, and its message box.

#include "app/frmsms.h"
#include "settings/settingskeys.h"
#include "settings/settingsstore.h"
#include "tests/support/windowfixture.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

class tst_FrmSmsStartUp : public QObject, public WindowFixture
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { setUpWindowFixture(); }
    void cleanup() { tearDownWindowFixture(); }

    void startUp_data();
    void startUp();
    void startUpListsStoredRecipients();
    void longBookIsMeasuredAfterTheWindowShows();
    void controls_data();
    void controls();
    void windowIsFixedWithTitleAndMenus();
    void tabOrderFollowsTheWindowsTable();
    void captionsNameTheirBoxes();
    void keyboardAloneReachesEverything();
    void realMessageBoxShowsTextAndTitle();
};

void tst_FrmSmsStartUp::startUp_data()
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

void tst_FrmSmsStartUp::startUp()
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

void tst_FrmSmsStartUp::startUpListsStoredRecipients()
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

// The window shows before a long book's lines are all measured; those
// measured afterwards give the list the extent that measuring them all at
// once gives, a name far wider than the list included.
void tst_FrmSmsStartUp::longBookIsMeasuredAfterTheWindowShows()
{
    const int count = 600;
    StoredValues book{{QStringLiteral("Count"), QString::number(count)}};
    for (int i = 1; i <= count; ++i) {
        const QString name = i == 550 ? QStringLiteral("A recipient whose name is far wider than the list")
                                      : QStringLiteral("Recipient %1").arg(i);
        book.append({QStringLiteral("%1.Name").arg(i), name});
        book.append({QStringLiteral("%1.Number").arg(i), QStringLiteral("0044770090%1").arg(i, 4, 10, QLatin1Char('0'))});
    }
    store(SettingsKeys::addressBookSection(), book);
    const auto window = makeWindow();
    auto *list = child<QListWidget>(*window, "lstAddressBook");
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));

    QListWidget atOnce;
    atOnce.setFont(list->font());
    atOnce.setFixedSize(list->size());
    for (int i = 0; i < list->count(); ++i)
        atOnce.addItem(list->item(i)->text());
    atOnce.show();
    QVERIFY(QTest::qWaitForWindowExposed(&atOnce));
    QVERIFY(atOnce.horizontalScrollBar()->maximum() > 0);
    QTRY_COMPARE(list->verticalScrollBar()->maximum(), atOnce.verticalScrollBar()->maximum());
    QTRY_COMPARE(list->horizontalScrollBar()->maximum(), atOnce.horizontalScrollBar()->maximum());
    list->scrollToItem(list->item(count - 1));
    QVERIFY(list->viewport()->rect().intersects(list->visualItemRect(list->item(count - 1))));
}

void tst_FrmSmsStartUp::controls_data()
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

void tst_FrmSmsStartUp::controls()
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

void tst_FrmSmsStartUp::windowIsFixedWithTitleAndMenus()
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
    QCOMPARE(bar.size(), 3);
    QCOMPARE(bar[0]->text(), QStringLiteral("Country: UK"));
    // "History" lies between the country menu and "About", and like it acts directly.
    QCOMPARE(bar[1]->text(), QStringLiteral("History"));
    QCOMPARE(bar[1]->objectName(), QStringLiteral("mnuHistory"));
    QVERIFY(!bar[1]->menu());
    QCOMPARE(bar[2]->text(), QStringLiteral("About"));
    QCOMPARE(bar[2]->objectName(), QStringLiteral("mnuAbout"));
    QVERIFY(!bar[2]->menu());
    // The ten countries, then, apart from them, "Forget the saved password".
    QList<QAction *> countries = child<QMenu>(*window, "mnuCountry")->actions();
    QCOMPARE(countries.size(), 12);
    QVERIFY(countries[10]->isSeparator());
    QCOMPARE(countries[11]->objectName(), QStringLiteral("mnuForgetPassword"));
    QCOMPARE(countries[11]->text(), QStringLiteral("Forget the saved password"));
    QVERIFY(!countries[11]->isCheckable());
    countries.resize(10);
    QStringList captions, names;
    for (QAction *item : countries) {
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

void tst_FrmSmsStartUp::tabOrderFollowsTheWindowsTable()
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

void tst_FrmSmsStartUp::captionsNameTheirBoxes()
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

void tst_FrmSmsStartUp::keyboardAloneReachesEverything()
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

// The one test that lets the real modal box run.
void tst_FrmSmsStartUp::realMessageBoxShowsTextAndTitle()
{
    frmSMS window(*m_store, *m_history);
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

QTEST_MAIN(tst_FrmSmsStartUp)
#include "tst_frmsms_startup.moc"
