// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "contacts/csv.h"

// The header row found and recognised, then a contact from each row. The
// records are read in csvrecords.cpp; what the columns mean is in
// csvlayout.cpp.

#include "common/csvfield.h"
#include "contacts/csvlayout.h"
#include "contacts/csvrecords.h"
#include "contacts/textinput.h"

#include <QCoreApplication>

#include <variant>
#include <vector>

namespace Csv {

namespace {

using namespace Detail;

// Columns beyond this many are not looked at: Outlook writes about 90,
// Google some dozens more for every extra phone, address or e-mail.
constexpr int maximumColumns = 4096;

} // namespace

ContactsRead read(QByteArrayView data)
{
    ContactsRead result;
    const TextInput::Utf8Bytes bytes(data);
    if (const QString problem = bytes.problem(true); !problem.isEmpty()) {
        result.error = problem;
        return result;
    }
    const QByteArrayView text = bytes.text();
    Records records(text, separatorOf(text));
    std::vector<Field> fields;

    // The header: the first row that is not blank.
    Layout layout;
    bool haveHeader = false;
    while (records.next(fields, maximumColumns)) {
        if (records.blank())
            continue;
        haveHeader = true;
        if (!layout.recognise(text, fields)) {
            result.error = QCoreApplication::translate(
                "Csv",
                "The first line of the file does not name the columns of a contacts file that KORVANE reads: "
                "a column of names and one of phone numbers, as in \"Name,Number\" or the contacts that "
                "Google Contacts, Outlook and Thunderbird export.");
            return result;
        }
        break;
    }
    if (!haveHeader) {
        result.error = QCoreApplication::translate("Csv", "The file is empty.");
        return result;
    }

    int rows = 0;
    while (records.next(fields, layout.columnsUsed())) {
        const ContactOrigin origin{0, records.recordLine()};
        if (records.unterminated()) {
            result.unreadable.append(
                {origin, QString(), SkipReason::Unreadable,
                 QCoreApplication::translate("Csv",
                                             "a quoted field begins on it and is never closed, so the "
                                             "rest of the file could not be read")});
            break;
        }
        if (records.blank())
            continue;
        if (rows == ContactsLimits::maximumContacts) {
            result.truncated = true;
            break;
        }
        ++rows;
        auto contact = layout.contact(text, fields);
        if (auto *problem = std::get_if<QString>(&contact)) {
            result.unreadable.append({origin, QString(), SkipReason::Unreadable, *problem});
            continue;
        }
        ReadContact &read = std::get<ReadContact>(contact);
        read.origin = origin;
        result.contacts.append(std::move(read));
    }
    return result;
}

QByteArray write(std::span<const AddressBookEntry> entries)
{
    QByteArray out = "Name,Number\r\n";
    out.reserve(qsizetype(entries.size()) * 32 + out.size());
    for (const AddressBookEntry &entry : entries) {
        out.append(CsvField::written(entry.Name).toUtf8());
        out.append(',');
        out.append(CsvField::written(entry.Number).toUtf8());
        out.append("\r\n");
    }
    return out;
}

} // namespace Csv
