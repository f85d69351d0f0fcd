// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "addressbook/addressbookentry.h"
#include "common/countries.h"
#include "contacts/contactrecords.h"
#include "contacts/contactsfile.h"

#include <QByteArrayView>
#include <QList>
#include <QSet>
#include <QString>

// Taking the contacts of a vCard or CSV file into the address book, under
// the rules of "Add". The window's "Import…" (and a file dropped on the
// list) and the command line's "contacts import" do the same three steps:
//
//     ContactsImport import = ContactsImport::fromFile(fileName, {book.foldedNames(), book.room()}, culture);
//     if (!import.error().isEmpty())
//         return tell(import.error());            // nothing was read
//     if (!book.AddAll(import.accepted()))        // one save for the whole import
//         return tell("The address book could not be saved. " + store.errorString());
//     tell(import.summary());                     // "Imported 212 recipients. ..."
//     // import.skipped(): origin.text(), name, reasonText(), for a details view
//
// Planning is pure: it reads nothing but its arguments and changes nothing.
class ContactsImport final
{
public:
    // What a plan needs to know of the book the contacts go into.
    struct Book
    {
        QSet<QString> names; // the names in it, as TextRules::nameKey gives them
        int room = 0;        // how many more entries it takes
    };

    // Reads a file (ContactsFile::read) in the format its content or name
    // shows (ContactsFile::formatOf) and plans its import into `book`.
    // `country` is the country menu's choice, by caption ("UK") or culture
    // code ("en-GB"): national numbers are read in its numbering plan.
    static ContactsImport fromFile(const QString &fileName, const Book &book, QStringView country);

    // The same for a file's contents.
    static ContactsImport fromData(QByteArrayView data, ContactsFormat format, const Book &book, QStringView country);

    // Decides for every contact read whether it is imported. In file order,
    // each contact that the reader could read is skipped when it has no
    // name, when its name is longer than a recipient's can be
    // (TextRules::recipientNameProblem), when its name is in the book or was
    // imported from earlier in the file (names compare as the book's keys
    // do: letter case aside, full case folding), when none of its numbers
    // passes the recipient rule once brought to the book's form
    // (PhoneNumbers::normalise; the first that passes is taken, the mobile
    // one is tried first), or when the book has no room left: it then takes
    // what fits and the rest is skipped as left out.
    static ContactsImport plan(const ContactsRead &read, const Book &book, const Countries::Country &home);

    // Set when nothing could be read at all (not a contacts file, too large,
    // not text, an unknown country): show this instead of a summary.
    QString error() const { return m_error; }

    // The entries to add, in file order, each with its number in the book's
    // form and its name in the book's one form, which is also its key.
    const QList<AddressBookEntry> &accepted() const { return m_accepted; }

    // The contacts not imported, in file order, with where they came from
    // and why.
    const QList<SkippedContact> &skipped() const { return m_skipped; }

    // Whether the file held more contacts than were read
    // (ContactsLimits::maximumContacts).
    bool truncated() const { return m_truncated; }

    // What an applied import did, for one message box: "Imported 212
    // recipients." and, when any were skipped, how many and why, such as
    // "3 contacts were skipped: 2 already in the address book and 1 without
    // a name."
    QString summary() const;

private:
    QString m_error;
    QList<AddressBookEntry> m_accepted;
    QList<SkippedContact> m_skipped;
    bool m_truncated = false;
};
