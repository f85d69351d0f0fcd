// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QJsonDocument;

// What the commands write for people and for scripts. Every text is UTF-8.
//
// Names, numbers and messages come from files that anybody may have written
// (an imported vCard, a hand-edited settings file), so a text that ends up
// on a terminal has its control and format characters taken out: a line
// break cannot split a line in two, an escape sequence cannot take over the
// terminal, and a right-to-left override cannot make one name read as
// another. JSON keeps them, escaped where JSON asks.
namespace Terminal {

// The text on one line with nothing a terminal acts on and nothing that
// disguises it: tabs and line breaks become spaces; other control
// characters, format characters (Unicode's Cf: bidirectional overrides and
// isolates, zero-width characters) and broken surrogates become U+FFFD.
QString printable(const QString &text);

// One line on standard output.
void print(const QString &line);
// One line on standard error: an outcome, or why a command failed.
void tell(const QString &line);
// A JSON document on standard output, indented and ending in a line end.
void printJson(const QJsonDocument &document);

// Rows aligned in columns two spaces apart, widths counted in characters
// (not bytes), the last column unpadded; cells are made printable.
QStringList columns(const QList<QStringList> &rows);

// False when standard output could not be written whole (a full disk, a
// closed file); outputError() then says why.
bool flushOutput();
QString outputError();

} // namespace Terminal
