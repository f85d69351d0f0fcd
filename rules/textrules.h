// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringView>

// The rules the main window applies to what the user types.
namespace TextRules {

// A recipient's number has at most "00" and the fifteen digits of E.164.
inline constexpr qsizetype maximumRecipientNumberLength = 17;

// A recipient's name has at most this many characters: more than any
// address book shows, and few enough that a full book stays small.
inline constexpr qsizetype maximumRecipientNameLength = 255;

// Characters as a person counts them: Unicode code points, so a letter
// outside the Basic Multilingual Plane (a surrogate pair) is one character.
qsizetype characterCount(QStringView text);

// The UTF-16 length of the first maxCharacters characters of text; never
// ends between the two halves of a surrogate pair.
qsizetype lengthOfFirstCharacters(QStringView text, qsizetype maxCharacters);

// A phone number is digits: non-empty and made only of ASCII 0 to 9. No
// sign, no spaces, no separators, no exponent.
bool isNumeric(QStringView text);

// The sender's number: numeric and starting "00", of any length.
bool isValidSenderNumber(QStringView number);

// A recipient's number: numeric, starting "00", at most 17 characters, and
// either at least 14 characters long or, shorter, a valid number of its
// country in libphonenumber's numbering plans ("0033612345678" is, and
// "0044123456789" is not). The plans are loaded at the first number that
// needs them, once per process.
bool isValidRecipientNumber(QStringView number);

// The sender's name is 3 to 11 characters long.
bool isValidSenderName(QStringView name);

// A recipient's name in the one form the book keeps, whichever way it came
// in: each run of control characters (line breaks, tabs) becomes one space,
// and spaces at either end go, as a one-line box shows it.
QString recipientNameForm(const QString &text);

// Why a name in its one form cannot be a recipient's, as a sentence; empty
// when it can.
QString recipientNameProblem(QStringView name);

// The form under which names are compared: full Unicode case folding, so
// "Straße", "STRASSE" and "strasse" are one name.
QString nameKey(const QString &name);

// A recipient as "Add" and its counterparts take it in: the name in its one
// form and the number as given, or, in `problem`, the sentence that says
// why not (the number is checked first).
struct NewRecipient
{
    QString name;
    QString number;
    QString problem;
};

NewRecipient newRecipient(const QString &name, const QString &number);

} // namespace TextRules
