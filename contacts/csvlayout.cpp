// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "contacts/csvlayout.h"

#include "contacts/textinput.h"
#include "rules/textrules.h"

#include <QCoreApplication>
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

// A row's values by what they hold: the parts a name is made of, indexed by
// their role, and the numbers with what orders them.
struct Layout::Values
{
    struct Number
    {
        QString number;
        int rank;
        bool preferred;
    };
    std::array<QString, size_t(Role::Organisation) + 1> nameParts;
    QHash<int, QString> labels;
    std::vector<Number> numbers;

    const QString &part(Role role) const { return nameParts[size_t(role)]; }

    // The whole name; else one built from its parts; else the first of the
    // names it is filed under.
    QString name() const
    {
        if (QString whole = TextRules::recipientNameForm(part(Role::Name)); !whole.isEmpty())
            return whole;
        QStringList parts;
        for (const Role role : {Role::Given, Role::Middle, Role::Family}) {
            if (!part(role).isEmpty())
                parts.append(part(role));
        }
        QString name = TextRules::recipientNameForm(parts.join(u' '));
        for (const Role role : {Role::FileAs, Role::Nickname, Role::Organisation}) {
            if (name.isEmpty())
                name = TextRules::recipientNameForm(part(role));
        }
        return name;
    }
};

std::optional<QString> Layout::gather(QByteArrayView text, const std::vector<Field> &row, Values &values) const
{
    for (const Column &column : m_columns) {
        if (column.index >= int(row.size()))
            continue;
        const Field &field = row[size_t(column.index)];
        if (field.end - field.begin > maximumValueLength) {
            return QCoreApplication::translate("CsvLayout", "its field in the column \"%1\" is longer than %2 bytes")
                .arg(m_headers.value(column.index), TextInput::grouped(maximumValueLength));
        }
        QString value = fieldText(text, field).trimmed();
        if (value.isEmpty())
            continue;
        if (column.role <= Role::Organisation) {
            // Of two columns for the same thing, the first that is filled in.
            QString &part = values.nameParts[size_t(column.role)];
            if (part.isEmpty())
                part = value;
        } else if (column.role == Role::Phone) {
            values.numbers.push_back({value, column.rank, column.preferred});
        } else if (column.role == Role::PhoneLabel) {
            values.labels.insert(column.slot, value);
        }
        // Role::PhoneValue: once every label is known, in gatherGoogleNumbers().
    }
    return std::nullopt;
}

void Layout::gatherGoogleNumbers(QByteArrayView text, const std::vector<Field> &row, Values &values) const
{
    for (const Column &column : m_columns) {
        if (column.role != Role::PhoneValue || column.index >= int(row.size()))
            continue;
        const QString value = fieldText(text, row[size_t(column.index)]);
        const QString label = values.labels.value(column.slot);
        const bool mobile = label.contains(u"mobile"_s, Qt::CaseInsensitive);
        const bool starred = label.startsWith(u'*');
        // Google puts several numbers of one kind into one field.
        for (const QString &number : value.split(u" ::: "_s)) {
            if (const QString trimmed = number.trimmed(); !trimmed.isEmpty())
                values.numbers.push_back({trimmed, mobile ? 0 : 1, starred});
        }
    }
}

std::variant<ReadContact, QString> Layout::contact(QByteArrayView text, const std::vector<Field> &row) const
{
    Values values;
    if (std::optional<QString> problem = gather(text, row, values))
        return *problem;
    gatherGoogleNumbers(text, row, values);
    std::stable_sort(values.numbers.begin(), values.numbers.end(), [](const Values::Number &a, const Values::Number &b) {
        return a.rank != b.rank ? a.rank < b.rank : a.preferred > b.preferred;
    });

    ReadContact contact;
    contact.name = values.name();
    for (const Values::Number &number : values.numbers)
        contact.numbers.append(number.number);
    return contact;
}

} // namespace Csv::Detail
