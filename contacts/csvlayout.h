// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "contacts/contactrecords.h"
#include "contacts/csvrecords.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <optional>
#include <variant>
#include <vector>

// Which columns of a CSV file are read, found by their header, and the
// contact that a row's fields make.
namespace Csv::Detail {

// What a column holds, for the contacts import. The parts of a name come
// first, up to Organisation.
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

// A column that is read: where it stands and what it holds.
struct Column
{
    int index = 0;
    Role role = Role::Name;
    int rank = 1;
    bool preferred = false;
    int slot = 0; // Google's <n>
};

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
    struct Values;
    std::optional<QString> gather(QByteArrayView text, const std::vector<Field> &row, Values &values) const;
    void gatherGoogleNumbers(QByteArrayView text, const std::vector<Field> &row, Values &values) const;

    std::vector<Column> m_columns;
    QStringList m_headers;
    int m_columnsUsed = 0;
};

} // namespace Csv::Detail
