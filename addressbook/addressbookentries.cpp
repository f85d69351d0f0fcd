// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "addressbook/addressbookentries.h"

#include "rules/textrules.h"
#include "settings/settingskeys.h"
#include "settings/settingsstore.h"

AddressBookEntries::AddressBookEntries(SettingsStore &store)
    : m_store(store)
{
}

QString AddressBookEntries::foldKey(const QString &key)
{
    return TextRules::nameKey(key);
}

QSet<QString> AddressBookEntries::foldedNames() const
{
    QSet<QString> names;
    names.reserve(m_index.size());
    for (auto it = m_index.cbegin(); it != m_index.cend(); ++it)
        names.insert(it.key());
    return names;
}

AddressBookEntry AddressBookEntries::Add(const QString &Number, const QString &Name, const QString &sKey)
{
    AddressBookEntry entry;
    entry.Number = Number;
    entry.Name = Name;
    if (Count() >= MaximumCount)
        return entry;
    if (sKey.isEmpty()) {
        append(entry, QString());
    } else {
        const QString key = foldKey(sKey);
        if (!m_index.contains(key))
            append(entry, key);
    }
    return entry;
}

void AddressBookEntries::append(const AddressBookEntry &entry, const QString &key)
{
    if (!key.isEmpty())
        m_index.insert(key, qsizetype(m_entries.size()));
    m_entries.push_back(entry);
    m_keys.push_back(key);
}

std::optional<AddressBookEntry> AddressBookEntries::Item(int vntIndexKey) const
{
    if (vntIndexKey < 1 || vntIndexKey > Count())
        return std::nullopt;
    return m_entries[size_t(vntIndexKey - 1)];
}

std::optional<AddressBookEntry> AddressBookEntries::Item(const QString &vntIndexKey) const
{
    if (vntIndexKey.isEmpty())
        return std::nullopt;
    const auto it = m_index.constFind(foldKey(vntIndexKey));
    if (it == m_index.cend())
        return std::nullopt;
    return m_entries[size_t(*it)];
}

bool AddressBookEntries::Remove(int vntIndexKey)
{
    if (vntIndexKey < 1 || vntIndexKey > Count())
        return false;
    removeAt(vntIndexKey - 1);
    return true;
}

bool AddressBookEntries::Remove(const QString &vntIndexKey)
{
    if (vntIndexKey.isEmpty())
        return false;
    const auto it = m_index.constFind(foldKey(vntIndexKey));
    if (it == m_index.cend())
        return false;
    removeAt(*it);
    return true;
}

void AddressBookEntries::removeAt(qsizetype index)
{
    m_entries.erase(m_entries.begin() + index);
    m_keys.erase(m_keys.begin() + index);
    // Positions after the removed entry move up by one.
    m_index.clear();
    for (size_t i = 0; i < m_keys.size(); ++i) {
        if (!m_keys[i].isEmpty())
            m_index.insert(m_keys[i], qsizetype(i));
    }
}

void AddressBookEntries::Load()
{
    const QString section = SettingsKeys::addressBookSection();
    bool ok = false;
    const int stored = m_store.getSetting(section, SettingsKeys::count()).trimmed().toShort(&ok);
    // A "Count" that is missing, not a number or out of range would load an
    // empty book, and the next save would write over the entries that are
    // there. Those entries are read instead, from the first position up to
    // the first with neither a name nor a number.
    const bool countUsable = ok && stored >= 0;
    const int last = countUsable ? stored : MaximumCount;
    if (countUsable) {
        m_entries.reserve(m_entries.size() + size_t(stored));
        m_keys.reserve(m_keys.size() + size_t(stored));
        m_index.reserve(m_index.size() + stored);
    }
    for (int i = 1; i <= last; ++i) {
        const QString name = m_store.getSetting(section, SettingsKeys::entryName(i));
        const QString number = m_store.getSetting(section, SettingsKeys::entryNumber(i));
        // A position with neither value was never written by a save: a
        // "Count" larger than the entries present must not fill the list
        // with blank lines.
        if (name.isEmpty() && number.isEmpty()) {
            if (!countUsable)
                break;
            continue;
        }
        Add(number, name, name);
    }
}

bool AddressBookEntries::Save()
{
    QList<SettingsStore::KeyValue> values;
    values.reserve(1 + 2 * m_entries.size());
    values.append({SettingsKeys::count(), QString::number(Count())});
    for (int i = 1; i <= Count(); ++i) {
        const AddressBookEntry &entry = m_entries[size_t(i - 1)];
        values.append({SettingsKeys::entryName(i), entry.Name});
        values.append({SettingsKeys::entryNumber(i), entry.Number});
    }
    // The whole section at once: positions past the end, left by a longer
    // book, go with the same write, so a removed entry never stays on disk.
    return m_store.replaceSection(SettingsKeys::addressBookSection(), values);
}

QStringList AddressBookEntries::names() const
{
    QStringList result;
    result.reserve(Count());
    for (const AddressBookEntry &entry : m_entries)
        result.append(entry.Name);
    return result;
}

bool AddressBookEntries::AddAll(std::span<const AddressBookEntry> entries)
{
    const size_t before = m_entries.size();
    for (const AddressBookEntry &entry : entries)
        Add(entry.Number, entry.Name, entry.Name);
    if (m_entries.size() == before || Save())
        return true;
    // Only new keys were registered above, so taking them out of the index
    // restores it exactly.
    for (size_t i = before; i < m_keys.size(); ++i) {
        if (!m_keys[i].isEmpty())
            m_index.remove(m_keys[i]);
    }
    m_entries.resize(before);
    m_keys.resize(before);
    return false;
}
