// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

#include <optional>
#include <span>

// Phone numbers as people write them ("+44 (0)7700-900123", "07700 900123")
// brought to the address book's form: "00", the country calling code and the
// subscriber number, digits only ("00447700900123").
namespace PhoneNumbers {

// One country of the country menu.
struct Country
{
    const char16_t *name;        // as the menu names it: "UK"
    const char16_t *cultureCode; // "en-GB"
    const char16_t *callingCode; // "44"
    bool trunkZero;              // national numbers begin with a 0 that is dropped abroad
};

// The ten countries of the country menu, in menu order.
std::span<const Country> countries();

// The country named by its menu caption ("UK", "Germany") or its culture
// code ("en-GB", "de-DE"), letter case aside; nothing for any other text.
std::optional<Country> country(QStringView nameOrCultureCode);

// A number in the book's form, or why there is none.
struct Normalised
{
    QString number;  // "00447700900123"; empty when the number is refused
    QString problem; // why it was refused, a phrase such as "has letters in it"

    bool isValid() const { return problem.isEmpty(); }
};

// Brings a number to the book's form and applies the recipient rule of
// "Add" (TextRules::isValidRecipientNumber) to the result.
// - Spaces, hyphens, dots, slashes and brackets are dropped; so is a "tel:"
//   in front. A "(0)" after an international prefix is the national trunk
//   0 that is not dialled from abroad, and goes too.
// - "+" and "00" begin an international number: "+44 7700 900123" and
//   "0044 7700 900123" both become "00447700900123".
// - Any other number is national and takes the calling code of `home`: its
//   trunk 0 is dropped ("07700 900123" in the UK becomes "00447700900123");
//   in a country without a trunk 0 (Spain, Portugal) the whole number
//   follows the code. A national number that should start with 0 but does
//   not is refused rather than guessed at.
Normalised normalise(QStringView written, const Country &home);

} // namespace PhoneNumbers
