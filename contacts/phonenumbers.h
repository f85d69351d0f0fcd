// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/countries.h"

#include <QString>
#include <QStringView>

// Phone numbers as people write them ("+44 (0)7700-900123", "07700 900123",
// "tel:+1-418-262-6501") brought to the address book's form: "00", the
// country calling code and the national number, digits only
// ("00447700900123"). libphonenumber reads them, with every country's trunk
// prefix, national formats, extensions and leading zeros.
namespace PhoneNumbers {

// A number in the book's form, or why there is none.
struct Normalised
{
    QString number;  // "00447700900123"; empty when the number is refused
    QString problem; // why it was refused, a phrase such as "has letters in it"

    bool isValid() const { return problem.isEmpty(); }
};

// Brings a number to the book's form and applies the recipient rule of
// "Add" (TextRules::isValidRecipientNumber) to the result.
// - "+" and "00" begin an international number, in every country:
//   "+44 7700 900123" and "0044 7700 900123" both become "00447700900123".
// - Any other number is national and is read in the numbering plan of
//   `home` (its region code), whose calling code it takes: "07700 900123"
//   in the UK becomes "00447700900123", "912 345 678" in Portugal
//   "00351912345678".
// - An extension ("x12", ";ext=12") is not part of the number and is left
//   out. Letters anywhere else refuse the number, as does a country code
//   that no country has: its country is not guessed.
Normalised normalise(QStringView written, const Countries::Country &home);

} // namespace PhoneNumbers
