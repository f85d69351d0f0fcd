// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "contacts/csv.h"

#include "contacts/textinput.h"

#include <QHash>

#include <algorithm>
#include <array>
#include <optional>
#include <variant>
#include <vector>

namespace Csv {

namespace {

using ContactsLimits::maximumValueLength;

// What a column holds, for the contacts import.
enum class Role {
    Name,         // the whole name as shown
    Given,        // parts a name is built from when there is no whole name
    Middle,
    Family,
    FileAs,       // then these, in this order
    Nickname,
    Organisation,
    Phone,        // a number; `rank` orders a contact's numbers
    PhoneLabel,   // Google's "Phone 1 - Label" beside "Phone 1 - Value"
    PhoneValue,
};

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
// Columns beyond this many are not looked at: Outlook writes about 90,
// Google some dozens more for every extra phone, address or e-mail.
constexpr int maximumColumns = 4096;

struct Column
{
    int index = 0;
    Role role = Role::Name;
    int rank = 1;
    bool preferred = false;
    int slot = 0; // Google's <n>
};

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

// One field of a record: a stretch of the file's bytes.
struct Field
{
    qsizetype begin = 0;
    qsizetype end = 0;
    bool quoted = false;
};

// RFC 4180 records, one at a time, as stretches of the bytes: nothing is
// copied until a field is used.
class Records
{
public:
    Records(QByteArrayView text, char separator)
        : m_text(text)
        , m_separator(separator)
    {
    }

    // The next record, with at most `keep` fields kept; false at the end.
    bool next(std::vector<Field> &fields, qsizetype keep);
    int recordLine() const { return m_recordLine; }
    // Whether every field of the record, kept or not, is empty or blank.
    bool blank() const { return m_blank; }
    bool unterminated() const { return m_unterminated; }

private:
    QByteArrayView m_text;
    char m_separator;
    qsizetype m_position = 0;
    int m_line = 1;
    int m_recordLine = 1;
    bool m_blank = true;
    bool m_unterminated = false;
};

bool Records::next(std::vector<Field> &fields, qsizetype keep)
{
    fields.clear();
    m_blank = true;
    m_recordLine = m_line;
    const qsizetype size = m_text.size();
    if (m_position >= size)
        return false;
    const char *data = m_text.data();
    while (true) {
        if (m_position >= size) {
            // A separator was the file's last byte: an empty last field.
            if (qsizetype(fields.size()) < keep)
                fields.push_back({size, size, false});
            return true;
        }
        Field field;
        if (data[m_position] == '"') {
            field.quoted = true;
            qsizetype i = m_position + 1;
            field.begin = i;
            while (true) {
                while (i < size && data[i] != '"') {
                    if (data[i] == '\n' || (data[i] == '\r' && (i + 1 >= size || data[i + 1] != '\n')))
                        ++m_line;
                    ++i;
                }
                if (i >= size) {
                    // The quote is never closed: the rest of the file is
                    // this field, and the record cannot be trusted.
                    m_unterminated = true;
                    field.end = size;
                    m_position = size;
                    break;
                }
                if (i + 1 < size && data[i + 1] == '"') {
                    i += 2;
                    continue;
                }
                field.end = i;
                m_position = i + 1;
                break;
            }
            // Anything between the closing quote and the separator is
            // not RFC 4180; it is passed over.
            while (m_position < size && data[m_position] != m_separator && data[m_position] != '\n'
                   && data[m_position] != '\r')
                ++m_position;
        } else {
            field.begin = m_position;
            while (m_position < size && data[m_position] != m_separator && data[m_position] != '\n'
                   && data[m_position] != '\r')
                ++m_position;
            field.end = m_position;
        }
        if (qsizetype(fields.size()) < keep)
            fields.push_back(field);
        if (m_blank && !m_text.sliced(field.begin, field.end - field.begin).trimmed().isEmpty())
            m_blank = false;

        if (m_position >= size)
            return true;
        const char c = data[m_position++];
        if (c == m_separator)
            continue;
        if (c == '\r' && m_position < size && data[m_position] == '\n')
            ++m_position;
        ++m_line;
        return true;
    }
}

// The separator the header row uses more: comma or semicolon.
char separatorOf(QByteArrayView text)
{
    qsizetype commas = 0;
    qsizetype semicolons = 0;
    bool quoted = false;
    qsizetype start = 0;
    while (start < text.size() && (text[start] == '\r' || text[start] == '\n'))
        ++start;
    for (const char c : text.sliced(start)) {
        if (c == '"')
            quoted = !quoted;
        else if (quoted)
            continue;
        else if (c == ',')
            ++commas;
        else if (c == ';')
            ++semicolons;
        else if (c == '\n' || c == '\r')
            break;
    }
    return semicolons > commas ? ';' : ',';
}

QString fieldText(QByteArrayView text, const Field &field)
{
    const QByteArrayView bytes = text.sliced(field.begin, field.end - field.begin);
    QString result = QString::fromUtf8(bytes);
    if (field.quoted)
        result.replace(u"\"\""_s, u"\""_s);
    return result;
}

class Layout
{
public:
    // Finds the columns read in a header row; false when there are none
    // for names or none for numbers.
    bool recognise(QByteArrayView text, const std::vector<Field> &header);
    int columnsUsed() const { return m_columnsUsed; }

    // The contact in a row, or why the row cannot be read.
    std::variant<ReadContact, QString> contact(QByteArrayView text, const std::vector<Field> &row) const;

private:
    std::vector<Column> m_columns;
    QStringList m_headers;
    int m_columnsUsed = 0;
};

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
            result.error = QStringLiteral(
                "The first line of the file does not name the columns of a contacts file that KORVANE reads: "
                "a column of names and one of phone numbers, as in \"Name,Number\" or the contacts that "
                "Google Contacts, Outlook and Thunderbird export.");
            return result;
        }
        break;
    }
    if (!haveHeader) {
        result.error = QStringLiteral("The file is empty.");
        return result;
    }

    int rows = 0;
    while (records.next(fields, layout.columnsUsed())) {
        const ContactOrigin origin{0, records.recordLine()};
        if (records.unterminated()) {
            result.unreadable.append({origin, QString(), SkipReason::Unreadable,
                                      QStringLiteral("a quoted field begins on it and is never closed, so the "
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
    const auto field = [](const QString &text) {
        QByteArray bytes = text.toUtf8();
        if (bytes.contains(',') || bytes.contains('"') || bytes.contains('\n') || bytes.contains('\r')
            || bytes.contains(';')) {
            bytes.replace("\"", "\"\"");
            bytes.prepend('"');
            bytes.append('"');
        }
        return bytes;
    };
    QByteArray out = "Name,Number\r\n";
    out.reserve(qsizetype(entries.size()) * 32 + out.size());
    for (const AddressBookEntry &entry : entries) {
        out.append(field(entry.Name));
        out.append(',');
        out.append(field(entry.Number));
        out.append("\r\n");
    }
    return out;
}

} // namespace Csv
