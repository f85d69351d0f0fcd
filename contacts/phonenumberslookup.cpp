// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// PhoneNumbers::normalise() as the program calls it: through the numbering
// plans' module, where phonenumbers.cpp does the work with libphonenumber.

#include "contacts/phonenumbers.h"

#include "rules/numberingplans.h"

using namespace Qt::StringLiterals;

using KorvaneNumbersNormalise = PhoneNumbers::Normalised(QStringView written, const Countries::Country &home);

namespace PhoneNumbers {

Normalised normalise(QStringView written, const Countries::Country &home)
{
    struct Loaded
    {
        KorvaneNumbersNormalise *normalise = nullptr;
        QString error;
    };
    static const Loaded loaded = [] {
        Loaded result;
        result.normalise = reinterpret_cast<KorvaneNumbersNormalise *>(
            NumberingPlans::resolve("korvane_numbers_normalise", &result.error));
        return result;
    }();
    if (loaded.normalise)
        return loaded.normalise(written, home);
    return {{}, u"\"%1\" cannot be read. %2"_s.arg(written.trimmed().toString(), loaded.error)};
}

} // namespace PhoneNumbers
