// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// One recipient of the address book. The name is what the list shows and,
// in the book, the key the entry is found under; the number is the
// international form "00" + country code + subscriber number, as text.
struct AddressBookEntry
{
    QString Name;
    QString Number;

    friend bool operator==(const AddressBookEntry &, const AddressBookEntry &) = default;
};

// The most entries a book keeps: the stored "Count" is read back as a 16-bit
// signed number, so this is the largest book that survives a save and a load.
inline constexpr int addressBookCapacity = 32767;
