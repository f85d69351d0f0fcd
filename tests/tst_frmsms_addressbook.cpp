// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The address book panel: adding, listing, picking and removing recipients.

#include "app/frmsms.h"
#include "settings/settingskeys.h"
#include "settings/settingsstore.h"
#include "tests/support/windowfixture.h"

#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QStandardPaths>
#include <QTest>

class tst_FrmSmsAddressBook : public QObject, public WindowFixture
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { setUpWindowFixture(); }
    void cleanup() { tearDownWindowFixture(); }

    void addRecipient_data();
    void addRecipient();
    void addedRecipientsAreListedAndStored();
    void nameIsTakenInItsOneForm();
    void duplicateNameChangesNothing();
    void failedAddIsReportedAndSavedLater();
    void fullBookRefusesAnotherRecipient();
    void selectingALinePicksTheRecipient();
    void selectingAnEmptyNameLinePicksItsEntry();
    void removeRecipient_data();
    void removeRecipient();
    void declinedRemovalChangesNothing();
    void deleteKeyAsksToRemove();
};

void tst_FrmSmsAddressBook::addRecipient_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("14 characters") << QStringLiteral("00441234567890") << true;
    QTest::newRow("17 characters") << QStringLiteral("00441234567890123") << true;
    QTest::newRow("18 characters") << QStringLiteral("004412345678901234") << false;
    QTest::newRow("13 characters") << QStringLiteral("0044123456789") << false;
    QTest::newRow("French mobile, 13 characters") << QStringLiteral("0033612345678") << true;
    QTest::newRow("14 starting 44") << QStringLiteral("44123456789012") << false;
    QTest::newRow("14 starting 0 then 4") << QStringLiteral("04412345678901") << false;
    QTest::newRow("14 with a letter") << QStringLiteral("0044123456789a") << false;
    QTest::newRow("14 with a space") << QStringLiteral("0044 123456789") << false;
    QTest::newRow("initial 0044") << QStringLiteral("0044") << false;
    QTest::newRow("empty") << QString() << false;
}

void tst_FrmSmsAddressBook::addRecipient()
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

void tst_FrmSmsAddressBook::addedRecipientsAreListedAndStored()
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

// Control characters and outer spaces do not reach the book; a name too
// long is refused with its reason.
void tst_FrmSmsAddressBook::nameIsTakenInItsOneForm()
{
    const auto window = makeWindow();
    addRecipientTo(*window, QStringLiteral(" Two\nLines "), QStringLiteral("00441111111111"));
    addRecipientTo(*window, QString(256, u'x'), QStringLiteral("00442222222222"));
    QCOMPARE(window->AddressBook->names(), QStringList{QStringLiteral("Two Lines")});
    QCOMPARE(m_messages, QStringList{QStringLiteral("The name has 256 characters; a recipient's name has 255 at most.")});
}

void tst_FrmSmsAddressBook::duplicateNameChangesNothing()
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

void tst_FrmSmsAddressBook::failedAddIsReportedAndSavedLater()
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

void tst_FrmSmsAddressBook::fullBookRefusesAnotherRecipient()
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

void tst_FrmSmsAddressBook::selectingALinePicksTheRecipient()
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

void tst_FrmSmsAddressBook::selectingAnEmptyNameLinePicksItsEntry()
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

void tst_FrmSmsAddressBook::removeRecipient_data()
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

void tst_FrmSmsAddressBook::removeRecipient()
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

void tst_FrmSmsAddressBook::declinedRemovalChangesNothing()
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

void tst_FrmSmsAddressBook::deleteKeyAsksToRemove()
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
    // The context menu offers the same action, first.
    QCOMPARE(list->contextMenuPolicy(), Qt::ActionsContextMenu);
    QVERIFY(!list->actions().isEmpty());
    QCOMPARE(list->actions().first()->text(), QStringLiteral("Remove"));
}

QTEST_MAIN(tst_FrmSmsAddressBook)
#include "tst_frmsms_addressbook.moc"
