// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A contacts file of arbitrary bytes, read as vCard and as CSV and planned
// into an empty book: every entry accepted must pass the rules of "Add", and
// writing the accepted entries out and reading them back must give them again.

#include "addressbook/addressbookentries.h"
#include "contacts/contactsimport.h"
#include "contacts/csv.h"
#include "contacts/vcard.h"
#include "rules/textrules.h"
#include "settings/settingsstore.h"

#include <QCoreApplication>
#include <QSet>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

std::unique_ptr<QTemporaryDir> s_dir;
std::unique_ptr<SettingsStore> s_store;

[[noreturn]] void fail(const char *what, const QString &detail)
{
    std::fprintf(stderr, "%s: %s\n", what, qPrintable(detail));
    std::abort();
}

void check(const ContactsRead &read)
{
    // Planning never saves, so one empty book over one store serves every run.
    const AddressBookEntries book(*s_store);
    const ContactsImport import = ContactsImport::plan(read, book, *PhoneNumbers::country(u"UK"));
    QSet<QString> keys;
    for (const AddressBookEntry &entry : import.accepted()) {
        if (entry.Name.isEmpty() || !TextRules::isValidRecipientNumber(entry.Number))
            fail("accepted against the rules", entry.Name + u'|' + entry.Number);
        const QString key = AddressBookEntries::foldKey(entry.Name);
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

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    s_dir = std::make_unique<QTemporaryDir>();
    s_store = std::make_unique<SettingsStore>(s_dir->filePath(QStringLiteral("KORVANE.conf")));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    check(VCard::read(bytes));
    check(Csv::read(bytes));
    return 0;
}
