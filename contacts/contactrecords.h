// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// What the readers of contacts files find, and why a contact is left out of
// an import. Shared by the vCard and CSV readers and the import.

// Why a contact of a file is not imported, in the order the import checks.
enum class SkipReason {
    Unreadable,    // the card or row itself is broken (detail says how)
    NoName,        // neither a name nor anything to build one from
    NameTooLong,   // longer than a recipient's name can be (detail says so)
    AlreadyInBook, // a name already in the address book, letter case aside
    TwiceInFile,   // the same name was imported from earlier in the file
    NoNumber,      // no phone number at all
    InvalidNumber, // no number passes the recipient rule (detail says why)
    BookFull,      // valid, but the book already holds the most it can keep
};

// Where a contact comes from: a card of a vCard file or a row of a CSV file.
struct ContactOrigin
{
    int card = 0; // 1-based number of the card in a vCard file; 0 for CSV
    int line = 0; // 1-based line on which the card or row begins

    // "Card 12 (line 340)" or "Line 14", for a details view.
    QString text() const;
};

// One card or row, as read.
struct ReadContact
{
    ContactOrigin origin;
    QString name;        // in the book's one form (TextRules::recipientNameForm); empty when there is none
    QStringList numbers; // as written, the mobile (or preferred) number first
};

// A contact that is not imported, with where it came from and why.
struct SkippedContact
{
    ContactOrigin origin;
    QString name; // may be empty
    SkipReason reason = SkipReason::Unreadable;
    QString detail; // for Unreadable, NameTooLong and InvalidNumber: what is wrong

    // The reason in words, detail included: "already in the address book".
    QString reasonText() const;
};

// Everything a reader found in one file.
struct ContactsRead
{
    // Set when the file as a whole cannot be read (not text, not a vCard, no
    // known CSV header); the lists are then empty.
    QString error;
    QList<ReadContact> contacts;
    QList<SkippedContact> unreadable; // cards or rows too broken to read
    // Set when the file holds more contacts than a reader takes
    // (ContactsLimits::maximumContacts); the rest of the file was not read.
    bool truncated = false;
};

// The bounds within which files are read, so that a huge or hostile file is
// refused quickly instead of filling memory.
namespace ContactsLimits {
// A file is refused before reading when it is larger than this: a phone's
// export of thousands of contacts with their photos stays well below it.
inline constexpr qint64 maximumFileSize = 128 * 1024 * 1024;
// A value that is used (a name, a number, a CSV header) longer than this
// makes its card or row unreadable; values that are not used (photos,
// notes) may be of any length and are passed over without being copied.
inline constexpr qsizetype maximumValueLength = 64 * 1024;
// Reading stops after this many cards or rows: three times the largest
// address book.
inline constexpr int maximumContacts = 100000;
} // namespace ContactsLimits
