// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// How many text messages (SMS) a text takes, by GSM 03.38: while every
// character is in the GSM 7-bit default alphabet or its extension table, one
// SMS carries 160 septets and each part of a longer one 153, an extension
// character costing two; a single character outside them makes the whole
// text UCS-2, 70 UTF-16 units for one SMS and 67 for each part.
namespace SmsLength {

enum class Encoding { Gsm7, Ucs2 };

Encoding encodingOf(QStringView text);

// Septets for a GSM text, UTF-16 units for a UCS-2 one.
qsizetype units(QStringView text);

// 0 for the empty text.
int messageCount(QStringView text);

// The counter under the message box: "159 characters left" for an empty
// text, otherwise for example "140 characters left · 1 SMS".
QString counterText(QStringView text, qsizetype maximumCharacters);

} // namespace SmsLength
