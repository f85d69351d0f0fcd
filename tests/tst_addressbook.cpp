// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "addressbook/addressbookentries.h"
#include "settings/settingskeys.h"
#include "settings/settingsstore.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using Entries = QList<AddressBookEntry>;
using StoredValues = QList<SettingsStore::KeyValue>;

namespace {

Entries entriesOf(const AddressBookEntries &book)
{
    Entries result;
    for (const AddressBookEntry &entry : book)
        result.append(entry);
    return result;
}

AddressBookEntry entry(const char *name, const char *number)
{
    return {QString::fromUtf8(name), QString::fromUtf8(number)};
}

SettingsStore::KeyValue kv(const char *key, const char *value)
{
    return {QString::fromUtf8(key), QString::fromUtf8(value)};
}

} // namespace

class tst_AddressBook : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();

    void load_data();
    void load();
    void keysIgnoreLetterCase_data();
    void keysIgnoreLetterCase();
    void itemOutsideTheBookIsNothing();
    void duplicateAddLeavesBookAndStoreUnchanged();
    void saveOfTwoOverThreeLeavesNothingOfTheThird();
    void saveAndLoadRoundTrip();
    void unusableCountKeepsTheBookAtTheNextSave();
    void unusableCountReadsAtMostAFullBook();
    void fullBookRefusesMore();
    void failedAddAllLeavesBookAndFileUnchanged();
    void removeRenumbersAndKeepsKeys();
    void updateScreenListsNamesInOrder();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<SettingsStore> m_store;
};

void tst_AddressBook::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_store = std::make_unique<SettingsStore>(m_dir->filePath(QStringLiteral("KORVANE.conf")));
}

void tst_AddressBook::load_data()
{
    QTest::addColumn<StoredValues>("stored");
    QTest::addColumn<Entries>("expected");

    const StoredValues three = {kv("1.Name", "Ann"), kv("1.Number", "00441111111111"),
                                kv("2.Name", "Bob"), kv("2.Number", "00442222222222"),
                                kv("3.Name", "Cy"), kv("3.Number", "00443333333333")};
    const Entries annBobCy = {entry("Ann", "00441111111111"), entry("Bob", "00442222222222"),
                              entry("Cy", "00443333333333")};

    QTest::newRow("empty store") << StoredValues{} << Entries{};
    QTest::newRow("three in order") << (StoredValues{kv("Count", "3")} + three) << annBobCy;
    QTest::newRow("count with spaces") << (StoredValues{kv("Count", " 3 ")} + three) << annBobCy;
    QTest::newRow("count below entries") << (StoredValues{kv("Count", "2")} + three) << annBobCy.mid(0, 2);
    // A "Count" that cannot be used loads the entries that are there, so
    // that the next save keeps them.
    QTest::newRow("count missing") << three << annBobCy;
    QTest::newRow("count letters") << (StoredValues{kv("Count", "abc")} + three) << annBobCy;
    QTest::newRow("count empty") << (StoredValues{kv("Count", "")} + three) << annBobCy;
    QTest::newRow("count fraction") << (StoredValues{kv("Count", "3.5")} + three) << annBobCy;
    QTest::newRow("count beyond 16 bits") << (StoredValues{kv("Count", "99999")} + three) << annBobCy;
    QTest::newRow("count negative") << (StoredValues{kv("Count", "-3")} + three) << annBobCy;
    QTest::newRow("count zero loads nothing") << (StoredValues{kv("Count", "0")} + three) << Entries{};
    QTest::newRow("unusable count stops at the first gap")
        << StoredValues{kv("Count", "abc"), kv("1.Name", "Ann"), kv("1.Number", "00441111111111"),
                        kv("3.Name", "Cy"), kv("3.Number", "00443333333333")}
        << Entries{entry("Ann", "00441111111111")};
    QTest::newRow("unusable count, a number alone is an entry")
        << StoredValues{kv("Count", "x"), kv("1.Number", "00441111111111"), kv("2.Name", "Bob")}
        << Entries{entry("", "00441111111111"), entry("Bob", "")};
    QTest::newRow("count far above entries present") << (StoredValues{kv("Count", "30000")} + three) << annBobCy;
    QTest::newRow("same name in other case loads first only")
        << StoredValues{kv("Count", "2"), kv("1.Name", "Ann"), kv("1.Number", "00441111111111"),
                        kv("2.Name", "ann"), kv("2.Number", "00449999999999")}
        << Entries{entry("Ann", "00441111111111")};
    QTest::newRow("missing number reads empty")
        << StoredValues{kv("Count", "1"), kv("1.Name", "Ann")} << Entries{entry("Ann", "")};
    QTest::newRow("empty names all load")
        << StoredValues{kv("Count", "2"), kv("1.Number", "00441111111111"), kv("2.Number", "00442222222222")}
        << Entries{entry("", "00441111111111"), entry("", "00442222222222")};
}

void tst_AddressBook::load()
{
    QFETCH(StoredValues, stored);
    QFETCH(Entries, expected);
    if (!stored.isEmpty())
        QVERIFY(m_store->saveSettings(SettingsKeys::addressBookSection(), stored));

    AddressBookEntries book(*m_store);
    book.Load();
    QCOMPARE(entriesOf(book), expected);
    QCOMPARE(book.Count(), expected.size());
}

void tst_AddressBook::keysIgnoreLetterCase_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("lookedUp");
    QTest::newRow("ascii") << QStringLiteral("Ann") << QStringLiteral("aNN");
    QTest::newRow("umlaut") << QStringLiteral("Ölaf") << QStringLiteral("ölaf");
    QTest::newRow("greek final sigma") << QStringLiteral("ΟΔΥΣΣΕΥΣ") << QStringLiteral("οδυσσευς");
    QTest::newRow("cyrillic") << QStringLiteral("Мария") << QStringLiteral("МАРИЯ");
    QTest::newRow("sharp s folds to ss") << QStringLiteral("Strauß") << QStringLiteral("STRAUSS");
    QTest::newRow("outside the BMP") << QStringLiteral("\U00010400x") << QStringLiteral("\U00010428X");
}

void tst_AddressBook::keysIgnoreLetterCase()
{
    QFETCH(QString, stored);
    QFETCH(QString, lookedUp);
    AddressBookEntries book(*m_store);
    book.Add(QStringLiteral("00441111111111"), stored, stored);
    book.Add(QStringLiteral("00442222222222"), lookedUp, lookedUp);
    QCOMPARE(book.Count(), 1);
    const auto found = book.Item(lookedUp);
    QVERIFY(found.has_value());
    QCOMPARE(found->Name, stored);
    QCOMPARE(found->Number, QStringLiteral("00441111111111"));
}

void tst_AddressBook::itemOutsideTheBookIsNothing()
{
    AddressBookEntries book(*m_store);
    book.Add(QStringLiteral("00441111111111"), QStringLiteral("Ann"), QStringLiteral("Ann"));
    book.Add(QStringLiteral("00442222222222"), QString(), QString());
    QVERIFY(!book.Item(0));
    QVERIFY(!book.Item(3));
    QVERIFY(!book.Item(-1));
    QVERIFY(!book.Item(QStringLiteral("Bob")));
    // The entry without a key is there by position only.
    QVERIFY(!book.Item(QString()));
    QCOMPARE(book.Item(2)->Number, QStringLiteral("00442222222222"));
}

void tst_AddressBook::duplicateAddLeavesBookAndStoreUnchanged()
{
    AddressBookEntries book(*m_store);
    book.Add(QStringLiteral("00441111111111"), QStringLiteral("Ann"), QStringLiteral("Ann"));
    QVERIFY(book.Save());
    const AddressBookEntry returned =
        book.Add(QStringLiteral("00449999999999"), QStringLiteral("ANN"), QStringLiteral("ANN"));
    QCOMPARE(returned, entry("ANN", "00449999999999"));
    QCOMPARE(entriesOf(book), Entries{entry("Ann", "00441111111111")});
    QVERIFY(book.Save());
    const QString section = SettingsKeys::addressBookSection();
    QCOMPARE(m_store->getSetting(section, QStringLiteral("Count")), QStringLiteral("1"));
    QCOMPARE(m_store->getSetting(section, QStringLiteral("1.Number")), QStringLiteral("00441111111111"));
    QCOMPARE(m_store->getSetting(section, QStringLiteral("2.Name"), QStringLiteral("absent")),
             QStringLiteral("absent"));
}

// A shorter book replaces a longer one whole: the third position's name and
// number are gone from the file with the same write.
void tst_AddressBook::saveOfTwoOverThreeLeavesNothingOfTheThird()
{
    QVERIFY(m_store->saveSettings(SettingsKeys::addressBookSection(),
                                  {kv("Count", "3"), kv("1.Name", "Ann"), kv("1.Number", "1"),
                                   kv("2.Name", "Bob"), kv("2.Number", "2"), kv("3.Name", "Cy"),
                                   kv("3.Number", "3")}));
    {
        AddressBookEntries book(*m_store);
        book.Add(QStringLiteral("00441111111111"), QStringLiteral("Dee"), QStringLiteral("Dee"));
        book.Add(QStringLiteral("00442222222222"), QStringLiteral("Eve"), QStringLiteral("Eve"));
        QVERIFY(book.Save());
    }
    const QString section = SettingsKeys::addressBookSection();
    QCOMPARE(m_store->getSetting(section, QStringLiteral("Count")), QStringLiteral("2"));
    QCOMPARE(m_store->getSetting(section, QStringLiteral("3.Name"), QStringLiteral("gone")), QStringLiteral("gone"));
    QCOMPARE(m_store->getSetting(section, QStringLiteral("3.Number"), QStringLiteral("gone")), QStringLiteral("gone"));

    SettingsStore reopened(m_store->fileName());
    AddressBookEntries book(reopened);
    book.Load();
    QCOMPARE(entriesOf(book), (Entries{entry("Dee", "00441111111111"), entry("Eve", "00442222222222")}));
}

void tst_AddressBook::saveAndLoadRoundTrip()
{
    const Entries entries = {entry("Zoë = \"Z\"; [x]", "00441111111111"), entry("李小龍", "00862222222222"),
                             entry("", "00443333333333"), entry("line\nbreak", "00444444444444")};
    {
        AddressBookEntries book(*m_store);
        for (const AddressBookEntry &e : entries)
            book.Add(e.Number, e.Name, e.Name);
        QVERIFY(book.Save());
    }
    SettingsStore reopened(m_store->fileName());
    AddressBookEntries book(reopened);
    book.Load();
    QCOMPARE(entriesOf(book), entries);
}

// The book shows what is stored even where "Count" is damaged, and the next
// add writes the whole book back with a count that can be read.
void tst_AddressBook::unusableCountKeepsTheBookAtTheNextSave()
{
    QVERIFY(m_store->saveSettings(SettingsKeys::addressBookSection(),
                                  {kv("Count", "lots"), kv("1.Name", "Ann"), kv("1.Number", "00441111111111"),
                                   kv("2.Name", "Bob"), kv("2.Number", "00442222222222")}));
    {
        AddressBookEntries book(*m_store);
        book.Load();
        book.Add(QStringLiteral("00443333333333"), QStringLiteral("Cy"), QStringLiteral("Cy"));
        QVERIFY(book.Save());
    }
    SettingsStore reopened(m_store->fileName());
    QCOMPARE(reopened.getSetting(SettingsKeys::addressBookSection(), SettingsKeys::count()), QStringLiteral("3"));
    AddressBookEntries book(reopened);
    book.Load();
    QCOMPARE(entriesOf(book), (Entries{entry("Ann", "00441111111111"), entry("Bob", "00442222222222"),
                                       entry("Cy", "00443333333333")}));
}

// Without a usable "Count" the book still reads no more than it can keep.
void tst_AddressBook::unusableCountReadsAtMostAFullBook()
{
    const int stored = AddressBookEntries::MaximumCount + 2;
    StoredValues values;
    for (int i = 1; i <= stored; ++i)
        values.append({SettingsKeys::entryNumber(i), QStringLiteral("0044%1").arg(i, 10, 10, QLatin1Char('0'))});
    QVERIFY(m_store->saveSettings(SettingsKeys::addressBookSection(), values));
    AddressBookEntries book(*m_store);
    book.Load();
    QCOMPARE(book.Count(), AddressBookEntries::MaximumCount);
    QCOMPARE(book.Item(AddressBookEntries::MaximumCount)->Number,
             QStringLiteral("0044%1").arg(AddressBookEntries::MaximumCount, 10, 10, QLatin1Char('0')));
}

// A book past 32,767 entries would store a "Count" that the next start
// reads as 0, and the next save would then overwrite the whole book.
void tst_AddressBook::fullBookRefusesMore()
{
    QList<SettingsStore::KeyValue> stored{{QStringLiteral("Count"), QString::number(AddressBookEntries::MaximumCount)}};
    for (int i = 1; i <= AddressBookEntries::MaximumCount; ++i) {
        stored.append({SettingsKeys::entryName(i), QStringLiteral("Name %1").arg(i)});
        stored.append({SettingsKeys::entryNumber(i), QStringLiteral("0044%1").arg(i, 10, 10, QLatin1Char('0'))});
    }
    QVERIFY(m_store->saveSettings(SettingsKeys::addressBookSection(), stored));

    AddressBookEntries book(*m_store);
    book.Load();
    QCOMPARE(book.Count(), AddressBookEntries::MaximumCount);
    book.Add(QStringLiteral("00449999999999"), QStringLiteral("One Too Many"), QStringLiteral("One Too Many"));
    QCOMPARE(book.Count(), AddressBookEntries::MaximumCount);
    QVERIFY(!book.Item(QStringLiteral("One Too Many")));
    QVERIFY(book.Save());

    SettingsStore reopened(m_store->fileName());
    AddressBookEntries again(reopened);
    again.Load();
    QCOMPARE(again.Count(), AddressBookEntries::MaximumCount);
    QCOMPARE(again.Item(1)->Name, QStringLiteral("Name 1"));
    QCOMPARE(again.Item(AddressBookEntries::MaximumCount)->Name, QStringLiteral("Name 32767"));
}

// What an import adds goes in with one save, or not at all. The store's
// folder replaced by a plain file stops even root from saving.
void tst_AddressBook::failedAddAllLeavesBookAndFileUnchanged()
{
    QDir dir(m_dir->path());
    QVERIFY(dir.mkdir(QStringLiteral("store")));
    SettingsStore store(dir.filePath(QStringLiteral("store/KORVANE.conf")));
    AddressBookEntries book(store);
    QVERIFY(book.AddAll(Entries{entry("Ann", "00441111111111")}));
    QFile stored(store.fileName());
    QVERIFY(stored.open(QIODevice::ReadOnly));
    const QByteArray storedBefore = stored.readAll();
    stored.close();

    QVERIFY(dir.rename(QStringLiteral("store"), QStringLiteral("store.away")));
    QFile blocker(dir.filePath(QStringLiteral("store")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const Entries added{entry("Bob", "00447700900001"), entry("Cy", "00447700900002")};
    QVERIFY(!book.AddAll(added));
    QVERIFY(!store.errorString().isEmpty());
    QCOMPARE(entriesOf(book), Entries{entry("Ann", "00441111111111")});
    QVERIFY(!book.Item(QStringLiteral("bob")));

    QVERIFY(blocker.remove());
    QVERIFY(dir.rename(QStringLiteral("store.away"), QStringLiteral("store")));
    QVERIFY(stored.open(QIODevice::ReadOnly));
    QCOMPARE(stored.readAll(), storedBefore);
    stored.close();

    // Once the store can be written, the same entries go in.
    QVERIFY(book.AddAll(added));
    SettingsStore reopened(store.fileName());
    AddressBookEntries loaded(reopened);
    loaded.Load();
    QCOMPARE(loaded.names(), (QStringList{QStringLiteral("Ann"), QStringLiteral("Bob"), QStringLiteral("Cy")}));
}

void tst_AddressBook::removeRenumbersAndKeepsKeys()
{
    AddressBookEntries book(*m_store);
    book.Add(QStringLiteral("1"), QStringLiteral("Ann"), QStringLiteral("Ann"));
    book.Add(QStringLiteral("2"), QStringLiteral("Bob"), QStringLiteral("Bob"));
    book.Add(QStringLiteral("3"), QStringLiteral("Cy"), QStringLiteral("Cy"));
    QVERIFY(book.Remove(QStringLiteral("bob")));
    QVERIFY(!book.Remove(QStringLiteral("bob")));
    QVERIFY(!book.Remove(3));
    QCOMPARE(entriesOf(book), (Entries{entry("Ann", "1"), entry("Cy", "3")}));
    QCOMPARE(book.Item(QStringLiteral("cy"))->Number, QStringLiteral("3"));
    QVERIFY(book.Remove(1));
    QCOMPARE(book.Item(QStringLiteral("CY"))->Number, QStringLiteral("3"));
    QVERIFY(!book.Item(QStringLiteral("Ann")));
    // The removed name can be added again.
    book.Add(QStringLiteral("4"), QStringLiteral("ann"), QStringLiteral("ann"));
    QCOMPARE(book.Count(), 2);
}

void tst_AddressBook::updateScreenListsNamesInOrder()
{
    AddressBookEntries book(*m_store);
    book.Add(QStringLiteral("1"), QStringLiteral("Cy"), QStringLiteral("Cy"));
    book.Add(QStringLiteral("2"), QStringLiteral("Ann"), QStringLiteral("Ann"));
    QListWidget list;
    list.addItem(QStringLiteral("stale line"));
    book.UpdateScreen(&list);
    QCOMPARE(list.count(), 2);
    QCOMPARE(list.item(0)->text(), QStringLiteral("Cy"));
    QCOMPARE(list.item(1)->text(), QStringLiteral("Ann"));

    // After an add, a selected line is no longer selected and the new name is last.
    list.setCurrentRow(1);
    book.Add(QStringLiteral("3"), QStringLiteral("Bob"), QStringLiteral("Bob"));
    book.UpdateScreen(&list);
    QCOMPARE(list.count(), 3);
    QCOMPARE(list.item(2)->text(), QStringLiteral("Bob"));
    QCOMPARE(list.currentRow(), -1);
    QVERIFY(list.selectedItems().isEmpty());

    // A list that shows more than the book, or other names, is rebuilt.
    QVERIFY(book.Remove(1));
    book.UpdateScreen(&list);
    QCOMPARE(list.count(), 2);
    QCOMPARE(list.item(0)->text(), QStringLiteral("Ann"));
    list.item(1)->setText(QStringLiteral("edited"));
    book.UpdateScreen(&list);
    QCOMPARE(list.item(1)->text(), QStringLiteral("Bob"));
}

QTEST_MAIN(tst_AddressBook)
#include "tst_addressbook.moc"
