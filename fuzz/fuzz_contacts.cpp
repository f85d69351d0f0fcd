// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A contacts file of arbitrary bytes, read as vCard and as CSV and planned
// into an empty book: every entry accepted must pass the rules of "Add", its
// name in the book's one form, and writing the accepted entries out and
// reading them back must give them again.

#include "contacts/contactsimport.h"
#include "contacts/csv.h"
#include "contacts/vcard.h"
#include "rules/textrules.h"

#include <QSet>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void fail(const char *what, const QString &detail)
{
    std::fprintf(stderr, "%s: %s\n", what, qPrintable(detail));
    std::abort();
}

void check(const ContactsRead &read)
{
    // Into an empty book.
    const ContactsImport import = ContactsImport::plan(read, {{}, addressBookCapacity}, Countries::home());
    QSet<QString> keys;
    for (const AddressBookEntry &entry : import.accepted()) {
        if (entry.Name.isEmpty() || !TextRules::isValidRecipientNumber(entry.Number)
            || !TextRules::recipientNameProblem(entry.Name).isEmpty()
            || TextRules::recipientNameForm(entry.Name) != entry.Name)
            fail("accepted against the rules", entry.Name + u'|' + entry.Number);
        const QString key = TextRules::nameKey(entry.Name);
        if (keys.contains(key))
            fail("accepted twice", entry.Name);
        keys.insert(key);
    }
    if (import.accepted().size() + import.skipped().size() < read.contacts.size())
        fail("contacts lost", import.summary());

    for (const bool vCard : {true, false}) {
        const ContactsRead again = vCard ? VCard::read(VCard::write(import.accepted()))
                                         : Csv::read(Csv::write(import.accepted()));
        if (import.accepted().isEmpty())
            continue;
        if (!again.error.isEmpty() || !again.unreadable.isEmpty() || again.contacts.size() != import.accepted().size())
            fail(vCard ? "vCard written is not read back" : "CSV written is not read back", again.error);
        for (qsizetype i = 0; i < again.contacts.size(); ++i) {
            const AddressBookEntry &entry = import.accepted()[i];
            const ReadContact &contact = again.contacts[i];
            if (contact.name != entry.Name || contact.numbers != QStringList{entry.Number})
                fail("written and read back differently", entry.Name + u" -> " + contact.name);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    check(VCard::read(bytes));
    check(Csv::read(bytes));
    return 0;
}
