// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "addressbook/addressbookentry.h"

#include <QHash>
#include <QSet>
#include <QStringList>

#include <optional>
#include <span>
#include <vector>

class SettingsStore;

// The address book: recipients in the order they were added, each
// optionally registered under a text key that compares without regard to
// letter case (full Unicode case folding). The program uses an entry's name
// as its key, so a name can be in the book only once.
//
// The book lives in memory, is loaded from the settings store once at
// start-up and saved whole after each change.
class AddressBookEntries final
{
public:
    // The largest book that survives a save and a load.
    static constexpr int MaximumCount = addressBookCapacity;

    explicit AddressBookEntries(SettingsStore &store);

    Q_DISABLE_COPY_MOVE(AddressBookEntries)

    // Appends a new entry, under sKey when it is not empty, and returns it.
    // A key that is already registered, or a full book, leaves the book as it
    // was; the entry is returned all the same.
    AddressBookEntry Add(const QString &Number, const QString &Name, const QString &sKey = QString());

    // The entry at a 1-based position, or registered under a key; nothing
    // when there is no such entry.
    std::optional<AddressBookEntry> Item(int vntIndexKey) const;
    std::optional<AddressBookEntry> Item(const QString &vntIndexKey) const;

    int Count() const { return int(m_entries.size()); }
    // How many more entries the book takes.
    int room() const { return MaximumCount - Count(); }

    // Takes out the entry at a 1-based position or under a key; false when
    // there is no such entry.
    bool Remove(int vntIndexKey);
    bool Remove(const QString &vntIndexKey);

    // The entries in order, for range-for loops.
    std::span<const AddressBookEntry> NewEnum() const { return m_entries; }
    auto begin() const { return m_entries.cbegin(); }
    auto end() const { return m_entries.cend(); }

    // Appends the entries stored in the settings store: positions 1 to the
    // stored "Count". Where "Count" is missing, not a whole number or out of
    // the 16-bit range, the positions from 1 up to the first with neither a
    // name nor a number (at most MaximumCount). A stored name that is already
    // registered is dropped.
    void Load();

    // Writes the whole book to the settings store in one write, replacing
    // everything its section held before. False when the store could not be
    // written; the store's errorString() says why.
    [[nodiscard]] bool Save();

    // The names in order, as the list shows them.
    QStringList names() const;

    // Appends each entry under its name as key, as Add does for one (a name
    // already registered, or a full book, leaves that entry out), and then
    // saves the book once. When that save fails, every entry appended here
    // is taken out again, so the book in memory is exactly as it was and the
    // stored book was never touched; the store's errorString() says why.
    // Nothing to append means no save. Returns whether the save succeeded.
    [[nodiscard]] bool AddAll(std::span<const AddressBookEntry> entries);

    // The form under which a key is registered and compared
    // (TextRules::nameKey): full Unicode case folding, so "Straße", "STRASSE"
    // and "strasse" are one key.
    static QString foldKey(const QString &key);

    // Every registered key in that form: what a contacts import checks its
    // names against.
    QSet<QString> foldedNames() const;

    // Refills a list control (a QListWidget or anything with its calls) with
    // the names in order, with no line selected. After an add the list
    // already shows every name but the last, so those lines are kept rather
    // than rebuilt: with thousands of recipients, rebuilding costs more than
    // the save.
    template <typename ListBox>
    void UpdateScreen(ListBox *lbAddressBook) const
    {
        const QStringList lines = names();
        const int shown = lbAddressBook->count();
        bool keep = shown <= lines.size();
        for (int i = 0; keep && i < shown; ++i)
            keep = lbAddressBook->item(i)->text() == lines[i];
        if (!keep) {
            lbAddressBook->clear();
            lbAddressBook->addItems(lines);
            return;
        }
        lbAddressBook->setCurrentRow(-1);
        lbAddressBook->clearSelection();
        lbAddressBook->addItems(lines.mid(shown));
    }

private:
    void append(const AddressBookEntry &entry, const QString &key);
    void removeAt(qsizetype index);

    SettingsStore &m_store;
    std::vector<AddressBookEntry> m_entries;
    std::vector<QString> m_keys;        // the folded key of each entry, empty when it has none
    QHash<QString, qsizetype> m_index;  // folded key -> index into m_entries
};
