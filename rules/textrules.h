// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringView>

// The rules the main window applies to what the user types.
namespace TextRules {

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

// A recipient's number: at least 14 characters, starting "00", numeric.
bool isValidRecipientNumber(QStringView number);

// The sender's name is 3 to 11 characters long.
bool isValidSenderName(QStringView name);

} // namespace TextRules
