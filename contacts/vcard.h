// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "addressbook/addressbookentry.h"
#include "contacts/contactrecords.h"

#include <QByteArray>
#include <QByteArrayView>

#include <span>

// vCard files (RFC 2425/2426 for 3.0, RFC 6350 for 4.0, and the older 2.1)
// as phones and mail programs write them.
namespace VCard {

// Reads every card of a file: the name from FN, else built from N (given,
// additional and family names), and the TEL numbers with the mobile one
// (TYPE=cell, CELL, mobile, iPhone) first, then any other, fax and pager
// last, the preferred one (pref) first within each kind.
//
// Understood: CRLF or LF line ends, a UTF-8 byte-order mark (or UTF-16 with
// its mark), folded lines (2.1's folding keeps the blank, 3.0 and 4.0's
// drops it), group prefixes (item1.TEL), quoted parameter values, 2.1's
// bare parameters, ENCODING=QUOTED-PRINTABLE with its soft line breaks and
// BASE64/b, CHARSET= (UTF-8 when none is given), and the escapes \\ \, \;
// \n. Other properties, photos included, are passed over unread.
//
// A card that cannot be read is reported in `unreadable` with its reason;
// the others are still read: a card with no END:VCARD (at the end of the
// file, or because another BEGIN:VCARD comes first; a card inside a card
// is read as the next card), a name or number that is not valid text in
// its character set, or a name or number longer than
// ContactsLimits::maximumValueLength. Time is linear in the file's size.
ContactsRead read(QByteArrayView data);

// The entries as vCard 4.0: FN and TEL;TYPE=cell with the number as
// stored, CRLF line ends, text escaped, lines folded at 75 octets without
// splitting a UTF-8 sequence.
QByteArray write(std::span<const AddressBookEntry> entries);

} // namespace VCard
