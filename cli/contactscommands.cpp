// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// korvane contacts list|add|remove|import|export: the address book under the
// rules and with the messages of the window's actions.
//
// The window reads the book once and saves it whole, so a change made behind
// it would be lost at its next save. The commands that change the book
// therefore take the StoreChangeLock (so that they take turns with each other
// and with a window that is starting), look whether a window holds the
// InstanceLock, and refuse while one does. Reading the book needs neither:
// every save replaces the settings file whole, so a reader sees the book
// before or after a change, never half of one.

#include "addressbook/addressbookentries.h"
#include "cli/commands.h"
#include "cli/exitstatus.h"
#include "cli/terminal.h"
#include "common/countries.h"
#include "contacts/contactsfile.h"
#include "contacts/contactsimport.h"
#include "rules/textrules.h"
#include "settings/instancelock.h"
#include "settings/settingsstore.h"
#include "settings/storechangelock.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <functional>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

// The context of the command's texts for translators.
struct ContactsCommand {
    Q_DECLARE_TR_FUNCTIONS(ContactsCommand)
};

using Commands::parse;
using Commands::usageError;

const QString command = u"korvane contacts"_s;

// Loads the book for reading; nothing when the store cannot be used (and
// that has been said).
bool load(SettingsStore &store, AddressBookEntries &book)
{
    if (!store.isUsable()) {
        Terminal::tell(store.errorString());
        return false;
    }
    book.Load();
    return true;
}

using Change = std::function<int(AddressBookEntries &book, SettingsStore &store)>;

// Runs `change` over the stored book while no window holds it; says
// `whileWindowOpen` and changes nothing while one does.
int changeBook(const QString &whileWindowOpen, const Change &change)
{
    const QString file = SettingsStore::userFileName();
    StoreChangeLock changes(file);
    // Where no lock can be made, neither can the store be written; the save
    // says why. Anything else in the lock's place would let the change go
    // on unguarded.
    if (changes.lock() == StoreChangeLock::Result::Unusable) {
        Terminal::tell(ContactsCommand::tr("%1 Remove it and try again.").arg(changes.errorString()));
        return Failure;
    }
    {
        InstanceLock window(file);
        if (window.tryLock() == InstanceLock::Result::HeldByAnother) {
            Terminal::tell(whileWindowOpen);
            return Failure;
        }
        // Let go at once: a window that starts from here on waits for the
        // change lock before it reads the book, and so reads the change.
    }
    SettingsStore store(file);
    AddressBookEntries book(store);
    if (!load(store, book))
        return Failure;
    return change(book, store);
}

int saved(AddressBookEntries &book, SettingsStore &store)
{
    if (book.Save())
        return Success;
    Terminal::tell(ContactsCommand::tr("The address book could not be saved. %1").arg(store.errorString()));
    return Failure;
}

// Checks the number of positional arguments of a subcommand.
bool takes(const QCommandLineParser &parser, qsizetype count, const QString &subcommand, const QString &what)
{
    if (parser.positionalArguments().size() == count)
        return true;
    usageError(command + u' ' + subcommand, ContactsCommand::tr("Give %1.").arg(what));
    return false;
}

int list(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption json(u"json"_s);
    parser.addOption(json);
    if (const std::optional<int> done = parse(parser, command + u" list"_s, u"contacts"_s, arguments))
        return *done;
    if (!takes(parser, 0, u"list"_s, ContactsCommand::tr("no arguments but --json")))
        return UsageError;

    SettingsStore store;
    AddressBookEntries book(store);
    if (!load(store, book))
        return Failure;
    if (parser.isSet(json)) {
        QJsonArray entries;
        for (const AddressBookEntry &entry : book)
            entries.append(QJsonObject{{u"name"_s, entry.Name}, {u"number"_s, entry.Number}});
        Terminal::printJson(QJsonDocument(entries));
        return Success;
    }
    if (book.Count() == 0)
        return Success;
    QList<QStringList> rows{{ContactsCommand::tr("Name"), ContactsCommand::tr("Number")}};
    for (const AddressBookEntry &entry : book)
        rows.append({entry.Name, entry.Number});
    for (const QString &line : Terminal::columns(rows))
        Terminal::print(line);
    return Success;
}

int add(const QStringList &arguments)
{
    QCommandLineParser parser;
    if (const std::optional<int> done = parse(parser, command + u" add"_s, u"contacts"_s, arguments))
        return *done;
    if (!takes(parser, 2, u"add"_s,
               ContactsCommand::tr("the name and the number, such as: korvane contacts add Ann 00447700900123")))
        return UsageError;
    // The window's "Add" checks the number first, with its words, and takes
    // the name in its one form.
    const TextRules::NewRecipient recipient
        = TextRules::newRecipient(parser.positionalArguments().at(0), parser.positionalArguments().at(1));
    if (!recipient.problem.isEmpty()) {
        Terminal::tell(recipient.problem);
        return Failure;
    }
    const QString &name = recipient.name;
    // The window lets an empty name in; from a script it is an empty
    // variable, and would add a recipient that no name can find again.
    if (name.isEmpty()) {
        Terminal::tell(ContactsCommand::tr("The name is empty: give the recipient a name."));
        return Failure;
    }

    return changeBook(
        ContactsCommand::tr("KORVANE's window is open; close it or add the contact there"),
        [&](AddressBookEntries &book, SettingsStore &store) {
            if (book.Count() >= AddressBookEntries::MaximumCount) {
                Terminal::tell(ContactsCommand::tr("The address book is full: it holds %1 recipients, the most it "
                                                   "can keep.")
                                   .arg(AddressBookEntries::MaximumCount));
                return int(Failure);
            }
            // The window adds nothing and says nothing here; a script needs to know.
            if (const std::optional<AddressBookEntry> entry = book.Item(name)) {
                Terminal::tell(
                    entry->Name == name
                        ? ContactsCommand::tr("%1 is already in the address book.").arg(name)
                        : ContactsCommand::tr("%1 is already in the address book, as %2.").arg(name, entry->Name));
                return int(Failure);
            }
            book.Add(recipient.number, name, name);
            return saved(book, store);
        });
}

int remove(const QStringList &arguments)
{
    QCommandLineParser parser;
    if (const std::optional<int> done = parse(parser, command + u" remove"_s, u"contacts"_s, arguments))
        return *done;
    if (!takes(parser, 1, u"remove"_s, ContactsCommand::tr("the name of the recipient to remove")))
        return UsageError;
    const QString name = parser.positionalArguments().at(0);
    return changeBook(ContactsCommand::tr("KORVANE's window is open; close it or remove the contact there"),
                      [&](AddressBookEntries &book, SettingsStore &store) {
                          if (!book.Remove(name)) {
                              Terminal::tell(ContactsCommand::tr("%1 is not in the address book.").arg(name));
                              return int(Failure);
                          }
                          return saved(book, store);
                      });
}

int import(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption country(u"country"_s, QString(), u"COUNTRY"_s, u"UK"_s);
    parser.addOption(country);
    if (const std::optional<int> done = parse(parser, command + u" import"_s, u"contacts"_s, arguments))
        return *done;
    if (!takes(parser, 1, u"import"_s, ContactsCommand::tr("the vCard or CSV file to import")))
        return UsageError;
    if (parser.values(country).size() > 1)
        return usageError(command + u" import"_s, ContactsCommand::tr("Give --country once."));
    if (!Countries::find(parser.value(country))) {
        return usageError(command + u" import"_s,
                          ContactsCommand::tr("There is no country '%1': give %2, or a code such as de-DE.")
                              .arg(parser.value(country), Countries::captionList()));
    }
    const QString fileName = parser.positionalArguments().at(0);

    // Read before the book is locked, so that a slow disk holds up nobody.
    const ContactsFile::Contents contents = ContactsFile::read(fileName);
    if (!contents.error.isEmpty()) {
        Terminal::tell(contents.error);
        return Failure;
    }
    return changeBook(
        ContactsCommand::tr("KORVANE's window is open; close it or import the contacts there"),
        [&](AddressBookEntries &book, SettingsStore &store) {
            const ContactsImport plan = ContactsImport::fromData(
                contents.data, ContactsFile::formatOf(fileName, contents.data),
                {book.foldedNames(), book.room()}, parser.value(country));
            if (!plan.error().isEmpty()) {
                Terminal::tell(plan.error());
                return int(Failure);
            }
            if (!book.AddAll(plan.accepted())) {
                Terminal::tell(ContactsCommand::tr("The address book could not be saved. %1").arg(store.errorString()));
                return int(Failure);
            }
            Terminal::print(plan.summary());
            for (const SkippedContact &skipped : plan.skipped()) {
                const QString who = skipped.name.isEmpty() ? QString() : Terminal::printable(skipped.name) + u": "_s;
                Terminal::print(u"  %1: %2%3"_s.arg(skipped.origin.text(), who, skipped.reasonText()));
            }
            return int(Success);
        });
}

int exportTo(const QStringList &arguments)
{
    QCommandLineParser parser;
    if (const std::optional<int> done = parse(parser, command + u" export"_s, u"contacts"_s, arguments))
        return *done;
    if (!takes(parser, 1, u"export"_s, ContactsCommand::tr("the file to write, ending in .vcf or .csv")))
        return UsageError;
    SettingsStore store;
    AddressBookEntries book(store);
    if (!load(store, book))
        return Failure;
    if (const std::optional<QString> error = ContactsFile::write(parser.positionalArguments().at(0), book.NewEnum())) {
        Terminal::tell(*error);
        return Failure;
    }
    return Success;
}

} // namespace

namespace Commands {

int contacts(const QStringList &arguments)
{
    const QString subcommand = arguments.value(0);
    const QStringList rest = arguments.mid(1);
    if (subcommand == u"list")
        return list(rest);
    if (subcommand == u"add")
        return add(rest);
    if (subcommand == u"remove")
        return remove(rest);
    if (subcommand == u"import")
        return import(rest);
    if (subcommand == u"export")
        return exportTo(rest);
    if (subcommand == u"-h" || subcommand == u"--help" || subcommand == u"help") {
        Terminal::print(helpText(u"contacts"_s).chopped(1));
        return Success;
    }
    if (subcommand.isEmpty())
        return usageError(command, ContactsCommand::tr("Say what to do: list, add, remove, import or export."));
    return usageError(command,
                      ContactsCommand::tr("'%1' is not a contacts command: give list, add, remove, import or export.")
                          .arg(subcommand));
}

} // namespace Commands
