// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// One field of the CSV files the program writes (the address book and the
// history), and what the program reads back from them.
namespace CsvField {

// `value` as a field: in double quotes, its quotes doubled, when it holds a
// comma, a semicolon, a quote or a line break (RFC 4180). A value that a
// spreadsheet would run as a formula (one that begins with =, +, -, @, a tab
// or a carriage return) is written with an apostrophe in front, as OWASP's
// guidance on CSV injection says; so is one that begins with apostrophes
// followed by such a character, so that read() gives back exactly `value`.
QString written(const QString &value);

// A field's text as read from a file: the apostrophe that written() put in
// front of a formula is taken off again.
QString read(const QString &text);

} // namespace CsvField
