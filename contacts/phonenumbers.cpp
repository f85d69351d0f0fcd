// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "contacts/phonenumbers.h"

#include "rules/textrules.h"

#include <QCoreApplication>

#include <phonenumbers/phonenumberutil.h>

#include <algorithm>

namespace PhoneNumbers {

namespace {

using i18n::phonenumbers::PhoneNumber;
using i18n::phonenumbers::PhoneNumberUtil;

QString quoted(QStringView written)
{
    // Long junk in a reason helps nobody; the start says which number it was.
    constexpr qsizetype shown = 40;
    if (written.size() <= shown)
        return u'"' + written.toString() + u'"';
    return u'"' + written.first(shown).toString() + u"…\"";
}

qsizetype digitCount(QStringView text)
{
    return std::count_if(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
}

// The book writes every number with "00" in front, and no national number
// of the ten countries begins so; where the library does not read "00" as
// the international prefix (Australia dials 0011), it is taken as "+".
// Digits of other scripts count as the digits they are.
PhoneNumberUtil::ErrorType parse(QStringView text, const char *region, PhoneNumber *number)
{
    const PhoneNumberUtil &util = *PhoneNumberUtil::GetInstance();
    const bool doubleZero = text.size() >= 2 && text[0].digitValue() == 0 && text[1].digitValue() == 0;
    if (!doubleZero)
        return util.Parse(text.toString().toStdString(), region, number);
    // Where the country's own prefix took the "00", the number says so.
    const auto error = util.ParseAndKeepRawInput(text.toString().toStdString(), region, number);
    if (error == PhoneNumberUtil::NO_PARSING_ERROR && number->country_code_source() != PhoneNumber::FROM_DEFAULT_COUNTRY)
        return error;
    number->Clear();
    return util.Parse("+" + text.sliced(2).toString().toStdString(), region, number);
}

QString parseProblem(PhoneNumberUtil::ErrorType error, QStringView text, const QString &shown)
{
    switch (error) {
    case PhoneNumberUtil::INVALID_COUNTRY_CODE_ERROR:
        //: Why a contact's number cannot be imported; %1 the number as written in the file, in quotes. Each
        //: of these ends a longer sentence: small letter, no full stop.
        return QCoreApplication::translate("PhoneNumbers",
                                           "%1 has a country code that no country has, so its country is unknown")
            .arg(shown);
    case PhoneNumberUtil::TOO_LONG_NSN:
        return QCoreApplication::translate("PhoneNumbers", "%1 is too long").arg(shown);
    case PhoneNumberUtil::NOT_A_NUMBER:
        if (digitCount(text) >= 3)
            return QCoreApplication::translate("PhoneNumbers",
                                               "%1 has letters or signs that are not part of a phone number")
                .arg(shown);
        break;
    default:
        break;
    }
    return QCoreApplication::translate("PhoneNumbers", "%1 is too short").arg(shown);
}

// The library takes letters for the digits of a phone's keypad ("0800
// FLOWERS") and passes over letters between digits; only an extension may
// follow the number. So the number before the first letter must be the
// whole number. A "tel:" URI is the library's to read, parameters and all.
bool hasLettersInNumber(QStringView text, const PhoneNumber &number, const char *region)
{
    if (text.startsWith(u"tel:", Qt::CaseInsensitive))
        return false;
    const auto letter = std::find_if(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
    if (letter == text.end())
        return false;
    PhoneNumber beforeLetters;
    return parse(text.first(letter - text.begin()), region, &beforeLetters) != PhoneNumberUtil::NO_PARSING_ERROR
        || beforeLetters.country_code() != number.country_code()
        || beforeLetters.national_number() != number.national_number()
        || beforeLetters.italian_leading_zero() != number.italian_leading_zero();
}

// Why a number that the library could read fails the recipient rule.
QString ruleProblem(const PhoneNumber &number, const QString &bookForm, const QString &shown)
{
    if (bookForm.size() > TextRules::maximumRecipientNumberLength)
        //: %1 the number as written in the file, in quotes; %2 the same number as the address book keeps it.
        return QCoreApplication::translate("PhoneNumbers",
                                           "%1 is too long: %2 has more than the 15 digits of an international number")
            .arg(shown, bookForm);
    switch (PhoneNumberUtil::GetInstance()->IsPossibleNumberWithReason(number)) {
    case PhoneNumberUtil::TOO_SHORT:
    case PhoneNumberUtil::IS_POSSIBLE_LOCAL_ONLY:
        return QCoreApplication::translate("PhoneNumbers", "%1 is too short for a phone number of its country (%2)")
            .arg(shown, bookForm);
    case PhoneNumberUtil::TOO_LONG:
        return QCoreApplication::translate("PhoneNumbers", "%1 is too long for a phone number of its country (%2)")
            .arg(shown, bookForm);
    default:
        return QCoreApplication::translate("PhoneNumbers",
                                           "%1 is not a phone number in the numbering plan of its country (%2)")
            .arg(shown, bookForm);
    }
}

} // namespace

Normalised normalise(QStringView written, const Countries::Country &home)
{
    const QStringView text = written.trimmed();
    if (text.isEmpty())
        return {{}, QCoreApplication::translate("PhoneNumbers", "has no phone number")};
    if (digitCount(text) == 0)
        return {{}, QCoreApplication::translate("PhoneNumbers", "%1 has no digits").arg(quoted(written))};
    PhoneNumber number;
    if (const auto error = parse(text, home.regionCode, &number); error != PhoneNumberUtil::NO_PARSING_ERROR)
        return {{}, parseProblem(error, text, quoted(written))};
    if (hasLettersInNumber(text, number, home.regionCode))
        return {
            {},
            QCoreApplication::translate("PhoneNumbers", "%1 has letters or signs that are not part of a phone number")
                .arg(quoted(written))};

    std::string e164;
    PhoneNumberUtil::GetInstance()->Format(number, PhoneNumberUtil::E164, &e164);
    const QString bookForm = u"00" + QString::fromStdString(e164).sliced(1);
    if (!TextRules::isValidRecipientNumber(bookForm))
        return {{}, ruleProblem(number, bookForm, quoted(written))};
    return {bookForm, {}};
}

} // namespace PhoneNumbers
