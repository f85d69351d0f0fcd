// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "contacts/phonenumbers.h"

#include "rules/textrules.h"

#include <array>

namespace PhoneNumbers {

namespace {

constexpr std::array<Country, 10> s_countries{{
    {u"UK", u"en-GB", u"44", true},
    {u"Ireland", u"en-IE", u"353", true},
    {u"Australia", u"en-AU", u"61", true},
    {u"Germany", u"de-DE", u"49", true},
    {u"Switzerland", u"de-CH", u"41", true},
    {u"Austria", u"de-AT", u"43", true},
    {u"France", u"fr-FR", u"33", true},
    {u"Belgium", u"fr-BE", u"32", true},
    {u"Spain", u"es-ES", u"34", false},
    {u"Portugal", u"pt-PT", u"351", false},
}};

bool isSeparator(QChar c)
{
    switch (c.unicode()) {
    case u' ':
    case u'-':
    case u'.':
    case u'/':
    case u'(':
    case u')':
    case u'\t':
    case 0x00A0: // no-break space
    case 0x2010: // hyphen
    case 0x2011: // non-breaking hyphen
    case 0x2012: // figure dash
    case 0x2013: // en dash
    case 0x2212: // minus sign
        return true;
    default:
        return c.isSpace();
    }
}

QString quoted(QStringView written)
{
    // Long junk in a reason helps nobody; the start says which number it was.
    constexpr qsizetype shown = 40;
    if (written.size() <= shown)
        return u'"' + written.toString() + u'"';
    return u'"' + written.first(shown).toString() + u"…\"";
}

} // namespace

std::span<const Country> countries()
{
    return s_countries;
}

std::optional<Country> country(QStringView nameOrCultureCode)
{
    const QStringView wanted = nameOrCultureCode.trimmed();
    for (const Country &c : s_countries) {
        if (wanted.compare(QStringView(c.name), Qt::CaseInsensitive) == 0
            || wanted.compare(QStringView(c.cultureCode), Qt::CaseInsensitive) == 0)
            return c;
    }
    return std::nullopt;
}

Normalised normalise(QStringView written, const Country &home)
{
    QStringView text = written.trimmed();
    if (text.startsWith(u"tel:", Qt::CaseInsensitive))
        text = text.sliced(4).trimmed();
    if (text.isEmpty())
        return {{}, QStringLiteral("has no phone number")};

    // Digits only, with the international prefix as "00". Digits of other
    // scripts (a phone set to Arabic writes ٠٧٧٠٠) count as the digits they are.
    QString digits;
    digits.reserve(text.size() + 1);
    bool international = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'+' && digits.isEmpty() && !international) {
            international = true;
            continue;
        }
        const bool afterCountryCode = international ? !digits.isEmpty()
                                                    : digits.size() > 2 && digits.startsWith(u"00");
        if (c == u'(' && afterCountryCode && i + 2 < text.size() && text[i + 1] == u'0'
            && text[i + 2] == u')') {
            i += 2; // "+44 (0)7700": the trunk 0 stays at home
            continue;
        }
        if (isSeparator(c))
            continue;
        if (c.isDigit()) {
            digits.append(QChar(u'0' + c.digitValue()));
            continue;
        }
        return {{}, quoted(written) + QStringLiteral(" has letters or signs that are not part of a phone number")};
    }
    if (digits.isEmpty())
        return {{}, quoted(written) + QStringLiteral(" has no digits")};

    QString number;
    if (international) {
        if (digits.startsWith(u'0'))
            return {{}, quoted(written) + QStringLiteral(" has a 0 after the +")};
        number = u"00" + digits;
    } else if (digits.startsWith(u"00")) {
        number = digits;
    } else if (home.trunkZero) {
        if (!digits.startsWith(u'0')) {
            return {{}, quoted(written)
                        + QStringLiteral(" has no country code and does not start with 0, so its country is unknown")};
        }
        number = u"00" + QStringView(home.callingCode) + QStringView(digits).sliced(1);
    } else {
        number = u"00" + QStringView(home.callingCode) + digits;
    }

    if (!TextRules::isValidRecipientNumber(number)) {
        return {{}, quoted(written) + QStringLiteral(" is too short: as %1 it has fewer than 14 digits").arg(number)};
    }
    return {number, {}};
}

} // namespace PhoneNumbers
