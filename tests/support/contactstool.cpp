// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Imports and exports contacts files through the contacts library, for
// tests written in other languages:
//   contactstool import FILE COUNTRY   prints the outcome as JSON
//   contactstool export FILE           writes the book given as JSON on stdin
//   contactstool numbers COUNTRY       for each line of stdin, the recipient
//                                      rule's verdict on it and the number
//                                      it becomes, as JSON
// The book lives in a settings store in a temporary folder.

#include "addressbook/addressbookentries.h"
#include "contacts/contactsfile.h"
#include "contacts/contactsimport.h"
#include "contacts/phonenumbers.h"
#include "rules/textrules.h"
#include "settings/settingsstore.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <cstdio>

namespace {

int fail(const QString &message)
{
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    return 1;
}

QJsonArray entriesJson(const AddressBookEntries &book)
{
    QJsonArray result;
    for (const AddressBookEntry &entry : book)
        result.append(QJsonObject{{QStringLiteral("name"), entry.Name}, {QStringLiteral("number"), entry.Number}});
    return result;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    QTemporaryDir dir;
    if (!dir.isValid())
        return fail(QStringLiteral("no temporary folder"));
    SettingsStore store(dir.filePath(QStringLiteral("KORVANE.conf")));
    AddressBookEntries book(store);

    if (arguments.size() == 4 && arguments[1] == u"import") {
        const ContactsImport import = ContactsImport::fromFile(arguments[2], {book.foldedNames(), book.room()}, arguments[3]);
        QJsonObject outcome{{QStringLiteral("error"), import.error()}};
        if (import.error().isEmpty()) {
            if (!book.AddAll(import.accepted()))
                return fail(store.errorString());
            QJsonArray skipped;
            for (const SkippedContact &s : import.skipped()) {
                skipped.append(QJsonObject{{QStringLiteral("card"), s.origin.card},
                                           {QStringLiteral("line"), s.origin.line},
                                           {QStringLiteral("name"), s.name},
                                           {QStringLiteral("reason"), s.reasonText()}});
            }
            outcome.insert(QStringLiteral("skipped"), skipped);
            outcome.insert(QStringLiteral("summary"), import.summary());
        }
        // What was stored, read back as the program would at its next start.
        SettingsStore reopened(store.fileName());
        AddressBookEntries loaded(reopened);
        loaded.Load();
        outcome.insert(QStringLiteral("book"), entriesJson(loaded));
        std::fputs(QJsonDocument(outcome).toJson(QJsonDocument::Compact).constData(), stdout);
        return 0;
    }

    if (arguments.size() == 3 && arguments[1] == u"export") {
        QFile input;
        if (!input.open(stdin, QIODevice::ReadOnly))
            return fail(QStringLiteral("cannot read standard input"));
        const QJsonArray entries = QJsonDocument::fromJson(input.readAll()).array();
        for (const QJsonValue &entry : entries) {
            const QString name = entry[QStringLiteral("name")].toString();
            book.Add(entry[QStringLiteral("number")].toString(), name, name);
        }
        if (const auto error = ContactsFile::write(arguments[2], book.NewEnum()))
            return fail(*error);
        return 0;
    }

    if (arguments.size() == 3 && arguments[1] == u"numbers" && Countries::find(arguments[2])) {
        QFile input;
        if (!input.open(stdin, QIODevice::ReadOnly))
            return fail(QStringLiteral("cannot read standard input"));
        QJsonArray verdicts;
        for (const QByteArray &line : input.readAll().split('\n')) {
            const QString text = QString::fromUtf8(line);
            const PhoneNumbers::Normalised normalised = PhoneNumbers::normalise(text, *Countries::find(arguments[2]));
            verdicts.append(QJsonObject{{QStringLiteral("rule"), TextRules::isValidRecipientNumber(text)},
                                        {QStringLiteral("number"), normalised.number}});
        }
        std::fputs(QJsonDocument(verdicts).toJson(QJsonDocument::Compact).constData(), stdout);
        return 0;
    }

    return fail(QStringLiteral("usage: contactstool import FILE COUNTRY | contactstool export FILE < book.json | "
                               "contactstool numbers COUNTRY < numbers"));
}
