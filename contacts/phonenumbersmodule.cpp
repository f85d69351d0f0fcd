// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// korvane-phonenumbers.so: libphonenumber's numbering plans, loaded at the
// first number that needs them (rules/numberingplans.h).

#include "contacts/phonenumbers.h"
#include "rules/numberingplans.h"

#include <phonenumbers/phonenumberutil.h>

// "+" and the digits after "00", as libphonenumber reads an international
// number. GetInstance() loads the metadata of every country at its first
// call.
extern "C" Q_DECL_EXPORT bool korvane_numbers_valid(QStringView digitsAfter00)
{
    using i18n::phonenumbers::PhoneNumber;
    using i18n::phonenumbers::PhoneNumberUtil;
    const PhoneNumberUtil &util = *PhoneNumberUtil::GetInstance();
    PhoneNumber parsed;
    if (util.Parse("+" + digitsAfter00.toString().toStdString(), "ZZ", &parsed) != PhoneNumberUtil::NO_PARSING_ERROR)
        return false;
    return util.IsValidNumber(parsed);
}

extern "C" Q_DECL_EXPORT PhoneNumbers::Normalised korvane_numbers_normalise(QStringView written,
                                                                           const Countries::Country &home)
{
    return PhoneNumbers::normalise(written, home);
}
