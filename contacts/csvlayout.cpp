// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "contacts/csvlayout.h"

#include "contacts/textinput.h"

#include <QHash>

#include <algorithm>
#include <array>
#include <optional>

namespace Csv::Detail {

namespace {

using ContactsLimits::maximumValueLength;

// The columns read, by their header as each program writes it (in English;
// letter case does not count). Columns not listed here, fax and pager
// numbers among them, are not read.
//
// | Header                          | Role         | Written by                                   |
// |---------------------------------|--------------|----------------------------------------------|
// | Name                            | Name         | "Name,Number" files; Google Contacts (older) |
// | Display Name                    | Name         | Thunderbird                                  |
// | First Name                      | Given        | Google Contacts, Outlook, Thunderbird        |
// | Given Name                      | Given        | Google Contacts (older)                      |
// | Middle Name                     | Middle       | Google Contacts, Outlook                     |
// | Additional Name                 | Middle       | Google Contacts (older)                      |
// | Last Name                       | Family       | Google Contacts, Outlook, Thunderbird        |
// | Family Name                     | Family       | Google Contacts (older)                      |
// | File As                         | FileAs       | Google Contacts                              |
// | Nickname                        | Nickname     | Google Contacts, Thunderbird                 |
// | Company                         | Organisation | Outlook                                      |
// | Organization, Organisation      | Organisation | Thunderbird (US and UK English)              |
// | Organization Name               | Organisation | Google Contacts                              |
// | Organization 1 - Name           | Organisation | Google Contacts (older)                      |
// | Number                          | Phone 0      | "Name,Number" files                          |
// | Mobile Phone                    | Phone 0      | Outlook                                      |
// | Mobile Number                   | Phone 0      | Thunderbird                                  |
// | Primary Phone                   | Phone 1 pref | Outlook                                      |
// | Home Phone, Home Phone 2,       | Phone 1      | Outlook (Home Phone and Work Phone also      |
// | Business Phone, Business Phone 2,|             | Thunderbird)                                 |
// | Work Phone, Other Phone,        |              |                                              |
// | Car Phone                       |              |                                              |
// | Phone <n> - Label               | PhoneLabel   | Google Contacts ("Mobile", "* Mobile", ...)  |
// | Phone <n> - Type                | PhoneLabel   | Google Contacts (older)                      |
// | Phone <n> - Value               | PhoneValue   | Google Contacts; several numbers " ::: "     |
//
// Phone ranks: 0 a mobile number, 1 any other; within a rank the preferred
// one comes first, then the order of the columns. A Google label naming a
// mobile ranks 0, and its "* " mark (the starred number) makes it preferred.
struct KnownColumn
{
    QLatin1StringView header;
    Role role;
    int rank = 1;
    bool preferred = false;
};

using namespace Qt::Literals::StringLiterals;

const std::array s_knownColumns{
    KnownColumn{"Name"_L1, Role::Name},
    KnownColumn{"Display Name"_L1, Role::Name},
    KnownColumn{"First Name"_L1, Role::Given},
    KnownColumn{"Given Name"_L1, Role::Given},
    KnownColumn{"Middle Name"_L1, Role::Middle},
    KnownColumn{"Additional Name"_L1, Role::Middle},
    KnownColumn{"Last Name"_L1, Role::Family},
    KnownColumn{"Family Name"_L1, Role::Family},
    KnownColumn{"File As"_L1, Role::FileAs},
    KnownColumn{"Nickname"_L1, Role::Nickname},
    KnownColumn{"Company"_L1, Role::Organisation},
    KnownColumn{"Organization"_L1, Role::Organisation},
    KnownColumn{"Organisation"_L1, Role::Organisation},
    KnownColumn{"Organization Name"_L1, Role::Organisation},
    KnownColumn{"Organization 1 - Name"_L1, Role::Organisation},
    KnownColumn{"Number"_L1, Role::Phone, 0},
    KnownColumn{"Mobile Phone"_L1, Role::Phone, 0},
    KnownColumn{"Mobile Number"_L1, Role::Phone, 0},
    KnownColumn{"Primary Phone"_L1, Role::Phone, 1, true},
    KnownColumn{"Home Phone"_L1, Role::Phone},
    KnownColumn{"Home Phone 2"_L1, Role::Phone},
    KnownColumn{"Business Phone"_L1, Role::Phone},
    KnownColumn{"Business Phone 2"_L1, Role::Phone},
    KnownColumn{"Work Phone"_L1, Role::Phone},
    KnownColumn{"Other Phone"_L1, Role::Phone},
    KnownColumn{"Car Phone"_L1, Role::Phone},
};

// Headers longer than this are no column of the table.
constexpr qsizetype longestHeader = 64;

// Google's "Phone <n> - Label" (or "- Type") and "Phone <n> - Value".
std::optional<Column> googlePhoneColumn(QStringView header, int index)
{
    if (!header.startsWith(u"Phone ", Qt::CaseInsensitive))
        return std::nullopt;
    const qsizetype dash = header.indexOf(u" - ");
    if (dash < 0)
        return std::nullopt;
    bool ok = false;
    const int slot = header.sliced(6, dash - 6).toInt(&ok);
    if (!ok || slot < 1)
        return std::nullopt;
    const QStringView kind = header.sliced(dash + 3);
    if (kind.compare(u"Value", Qt::CaseInsensitive) == 0)
        return Column{index, Role::PhoneValue, 1, false, slot};
    if (kind.compare(u"Label", Qt::CaseInsensitive) == 0 || kind.compare(u"Type", Qt::CaseInsensitive) == 0)
        return Column{index, Role::PhoneLabel, 1, false, slot};
    return std::nullopt;
}

} // namespace

bool Layout::recognise(QByteArrayView text, const std::vector<Field> &header)
{
    bool names = false;
    bool numbers = false;
    for (int index = 0; index < int(header.size()); ++index) {
        const Field &field = header[size_t(index)];
        m_headers.append(QString());
        if (field.end - field.begin > longestHeader)
            continue;
        const QString name = fieldText(text, field).trimmed();
        m_headers.last() = name;
        std::optional<Column> column;
        for (const KnownColumn &known : s_knownColumns) {
            if (name.compare(known.header, Qt::CaseInsensitive) == 0) {
                column = Column{index, known.role, known.rank, known.preferred, 0};
                break;
            }
        }
        if (!column)
            column = googlePhoneColumn(name, index);
        if (!column)
            continue;
        if (column->role == Role::Phone || column->role == Role::PhoneValue)
            numbers = true;
        else if (column->role != Role::PhoneLabel)
            names = true;
        m_columns.push_back(*column);
        m_columnsUsed = std::max(m_columnsUsed, index + 1);
    }
    return names && numbers;
}

std::variant<ReadContact, QString> Layout::contact(QByteArrayView text, const std::vector<Field> &row) const
{
    QString name, given, middle, family, fileAs, nickname, organisation;
    QHash<int, QString> labels;
    struct Number
    {
        QString number;
        int rank;
        bool preferred;
        int order;
    };
    std::vector<Number> numbers;

    for (const Column &column : m_columns) {
        if (column.index >= int(row.size()))
            continue;
        const Field &field = row[size_t(column.index)];
        if (field.end - field.begin > maximumValueLength) {
            return QStringLiteral("its field in the column \"%1\" is longer than %2 bytes")
                .arg(m_headers.value(column.index), TextInput::grouped(maximumValueLength));
        }
        QString value = fieldText(text, field).trimmed();
        if (value.isEmpty())
            continue;
        // Of two columns for the same thing, the first that is filled in.
        const auto first = [&value](QString &part) {
            if (part.isEmpty())
                part = value;
        };
        switch (column.role) {
        case Role::Name: first(name); break;
        case Role::Given: first(given); break;
        case Role::Middle: first(middle); break;
        case Role::Family: first(family); break;
        case Role::FileAs: first(fileAs); break;
        case Role::Nickname: first(nickname); break;
        case Role::Organisation: first(organisation); break;
        case Role::Phone: numbers.push_back({value, column.rank, column.preferred, column.index}); break;
        case Role::PhoneLabel: labels.insert(column.slot, value); break;
        case Role::PhoneValue: break; // once every label is known, below
        }
    }
    for (const Column &column : m_columns) {
        if (column.role != Role::PhoneValue || column.index >= int(row.size()))
            continue;
        const QString value = fieldText(text, row[size_t(column.index)]);
        const QString label = labels.value(column.slot);
        const bool mobile = label.contains(u"mobile"_s, Qt::CaseInsensitive);
        const bool starred = label.startsWith(u'*');
        // Google puts several numbers of one kind into one field.
        for (const QString &number : value.split(u" ::: "_s)) {
            if (const QString trimmed = number.trimmed(); !trimmed.isEmpty())
                numbers.push_back({trimmed, mobile ? 0 : 1, starred, column.index});
        }
    }
    std::stable_sort(numbers.begin(), numbers.end(), [](const Number &a, const Number &b) {
        return a.rank != b.rank ? a.rank < b.rank : a.preferred > b.preferred;
    });

    ReadContact contact;
    contact.name = TextInput::cleanName(name);
    if (contact.name.isEmpty()) {
        QStringList parts;
        for (const QString &part : {given, middle, family}) {
            if (!part.isEmpty())
                parts.append(part);
        }
        contact.name = TextInput::cleanName(parts.join(u' '));
    }
    for (const QString &fallback : {fileAs, nickname, organisation}) {
        if (contact.name.isEmpty())
            contact.name = TextInput::cleanName(fallback);
    }
    for (const Number &number : numbers)
        contact.numbers.append(number.number);
    return contact;
}

} // namespace Csv::Detail
