// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "addressbook/addressbookentry.h"
#include "contacts/contactrecords.h"

#include <QByteArray>
#include <QByteArrayView>

#include <span>

// CSV files of contacts (RFC 4180): a header row naming the columns, then
// one row per contact.
namespace Csv {

// Reads the contacts of a CSV file whose header row is a plain "Name" and
// "Number", or one that Google Contacts, Outlook or Thunderbird export (the
// columns read are listed in csvlayout.cpp). Columns are found by their header,
// in any order and letter case; the others are passed over. A header with
// no column for names or none for numbers is refused with a reason, never
// guessed at.
//
// Understood: quoted fields with commas, quotes ("") and line breaks in
// them; comma or semicolon as separator (whichever the header row uses
// more); CRLF, LF or CR line ends; UTF-8 with or without its byte-order
// mark, or UTF-16 with its mark. A file that is not UTF-8 is refused
// rather than guessed at. Time is linear in the file's size; a field that
// is read and longer than ContactsLimits::maximumValueLength makes its row
// unreadable, one that is not read may be of any length.
ContactsRead read(QByteArrayView data);

// The entries as "Name,Number" CSV: UTF-8 without byte-order mark, CRLF
// line ends, each field as CsvField::written makes it: quoted where RFC 4180
// needs it (and where it holds a semicolon, for programs that split at
// semicolons), and a name that a spreadsheet would run as a formula behind
// an apostrophe, which read() takes off again.
QByteArray write(std::span<const AddressBookEntry> entries);

} // namespace Csv
