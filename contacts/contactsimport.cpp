// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "contacts/contactsimport.h"

#include "common/sentences.h"
#include "contacts/csv.h"
#include "contacts/phonenumbers.h"
#include "contacts/textinput.h"
#include "contacts/vcard.h"
#include "rules/textrules.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <optional>

namespace {

// The first of a contact's numbers that passes the rule, in the book's form;
// else nothing, with why the first one failed.
PhoneNumbers::Normalised firstValidNumber(const QStringList &numbers, const Countries::Country &home)
{
    QString problem;
    for (const QString &written : numbers) {
        PhoneNumbers::Normalised normalised = PhoneNumbers::normalise(written, home);
        if (normalised.isValid())
            return normalised;
        if (problem.isEmpty())
            problem = normalised.problem;
    }
    return {{}, problem};
}

// Why a contact's name keeps it out of the book, if it does.
std::optional<SkippedContact> nameRefusal(const ReadContact &contact, const QString &key, const QSet<QString> &book,
                                          const QSet<QString> &imported)
{
    if (contact.name.isEmpty())
        return SkippedContact{contact.origin, contact.name, SkipReason::NoName, {}};
    if (const QString problem = TextRules::recipientNameProblem(contact.name); !problem.isEmpty())
        return SkippedContact{contact.origin, contact.name, SkipReason::NameTooLong, Sentences::clauseOf(problem)};
    if (book.contains(key))
        return SkippedContact{contact.origin, contact.name, SkipReason::AlreadyInBook, {}};
    if (imported.contains(key))
        return SkippedContact{contact.origin, contact.name, SkipReason::TwiceInFile, {}};
    return std::nullopt;
}

// One part of "N contacts were skipped: ...", with `count` the number of them.
QString phraseOf(SkipReason reason, const QString &count)
{
    switch (reason) {
    case SkipReason::Unreadable:
        //: One part of "N contacts were skipped: ...": %1 how many contacts.
        return QCoreApplication::translate("ContactsImport", "%1 could not be read").arg(count);
    case SkipReason::NoName:
        return QCoreApplication::translate("ContactsImport", "%1 without a name").arg(count);
    case SkipReason::NameTooLong:
        return QCoreApplication::translate("ContactsImport", "%1 with too long a name").arg(count);
    case SkipReason::AlreadyInBook:
        return QCoreApplication::translate("ContactsImport", "%1 already in the address book").arg(count);
    case SkipReason::TwiceInFile:
        return QCoreApplication::translate("ContactsImport", "%1 named twice in the file").arg(count);
    case SkipReason::NoNumber:
        return QCoreApplication::translate("ContactsImport", "%1 without a phone number").arg(count);
    case SkipReason::InvalidNumber:
        return QCoreApplication::translate("ContactsImport", "%1 without a valid phone number").arg(count);
    case SkipReason::BookFull:
        //: %1 how many contacts were left out, %2 how many the address book keeps.
        return QCoreApplication::translate("ContactsImport",
                                           "%1 left out because the address book is full (it keeps %2 at most)")
            .arg(count, TextInput::grouped(addressBookCapacity));
    }
    return {};
}

} // namespace

ContactsImport ContactsImport::fromFile(const QString &fileName, const Book &book, QStringView country)
{
    const ContactsFile::Contents contents = ContactsFile::read(fileName);
    if (!contents.error.isEmpty()) {
        ContactsImport failed;
        failed.m_error = contents.error;
        return failed;
    }
    return fromData(contents.data, ContactsFile::formatOf(fileName, contents.data), book, country);
}

ContactsImport ContactsImport::fromData(QByteArrayView data, ContactsFormat format, const Book &book,
                                        QStringView country)
{
    const std::optional<Countries::Country> home = Countries::find(country);
    if (!home) {
        ContactsImport failed;
        failed.m_error = QCoreApplication::translate("ContactsImport", "%1 is not a country that KORVANE knows.")
                             .arg(country.toString());
        return failed;
    }
    const ContactsRead read = format == ContactsFormat::VCard ? VCard::read(data) : Csv::read(data);
    return plan(read, book, *home);
}

ContactsImport ContactsImport::plan(const ContactsRead &read, const Book &book, const Countries::Country &home)
{
    ContactsImport result;
    result.m_truncated = read.truncated;
    if (!read.error.isEmpty()) {
        result.m_error = read.error;
        return result;
    }
    if (read.contacts.isEmpty() && read.unreadable.isEmpty()) {
        result.m_error = QCoreApplication::translate("ContactsImport", "The file holds no contacts.");
        return result;
    }

    int room = std::max(0, book.room);
    QSet<QString> imported;
    result.m_skipped = read.unreadable;
    for (const ReadContact &contact : read.contacts) {
        const QString key = TextRules::nameKey(contact.name);
        if (std::optional<SkippedContact> refused = nameRefusal(contact, key, book.names, imported)) {
            result.m_skipped.append(std::move(*refused));
            continue;
        }
        const auto skip = [&](SkipReason reason, const QString &detail = QString()) {
            result.m_skipped.append({contact.origin, contact.name, reason, detail});
        };
        if (contact.numbers.isEmpty()) {
            skip(SkipReason::NoNumber);
            continue;
        }
        const PhoneNumbers::Normalised number = firstValidNumber(contact.numbers, home);
        if (!number.isValid()) {
            skip(SkipReason::InvalidNumber, number.problem);
            continue;
        }
        if (room == 0) {
            skip(SkipReason::BookFull);
            continue;
        }
        --room;
        imported.insert(key);
        result.m_accepted.append({contact.name, number.number});
    }
    std::stable_sort(result.m_skipped.begin(), result.m_skipped.end(),
                     [](const SkippedContact &a, const SkippedContact &b) { return a.origin.line < b.origin.line; });
    return result;
}

QString ContactsImport::summary() const
{
    if (!m_error.isEmpty())
        return m_error;
    const auto count = [](qsizetype n) { return TextInput::grouped(n); };

    QString text = m_accepted.size() == 1
        ? QCoreApplication::translate("ContactsImport", "Imported 1 recipient.")
        : QCoreApplication::translate("ContactsImport", "Imported %1 recipients.").arg(count(m_accepted.size()));

    if (!m_skipped.isEmpty()) {
        std::array<qsizetype, 8> byReason{};
        for (const SkippedContact &skipped : m_skipped)
            ++byReason[size_t(skipped.reason)];
        QStringList parts;
        for (const SkipReason reason : {SkipReason::AlreadyInBook, SkipReason::TwiceInFile, SkipReason::NoName,
                                        SkipReason::NameTooLong, SkipReason::NoNumber, SkipReason::InvalidNumber,
                                        SkipReason::Unreadable, SkipReason::BookFull}) {
            if (const qsizetype n = byReason[size_t(reason)])
                parts.append(phraseOf(reason, count(n)));
        }
        QString list = parts.takeLast();
        if (!parts.isEmpty())
            //: Joins the last of the reasons contacts were skipped to those before it, which are joined by
            //: ", ": %1 those before, %2 the last.
            list = QCoreApplication::translate("ContactsImport", "%1 and %2")
                       .arg(parts.join(QStringLiteral(", ")), list);
        //: Follows "Imported N recipients." in the same paragraph: keep the space at the start.
        text += m_skipped.size() == 1
            ? QCoreApplication::translate("ContactsImport", " 1 contact was skipped: %1.").arg(list)
            : QCoreApplication::translate("ContactsImport", " %1 contacts were skipped: %2.")
                  .arg(count(m_skipped.size()), list);
    }
    if (m_truncated) {
        text += QCoreApplication::translate("ContactsImport",
                                            " The file holds more than %1 contacts; the rest were not read.")
                    .arg(count(ContactsLimits::maximumContacts));
    }
    return text;
}
