// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/countries.h"

#include <QtGlobal>

#include <array>

namespace Countries {

namespace {

constexpr std::array<Country, 10> s_countries{{
    {"mnuUK", QT_TRANSLATE_NOOP("Countries", "UK"), u"en-GB", "GB"},
    {"mnuIreland", QT_TRANSLATE_NOOP("Countries", "Ireland"), u"en-IE", "IE"},
    {"mnuAustralia", QT_TRANSLATE_NOOP("Countries", "Australia"), u"en-AU", "AU"},
    {"mnuGermany", QT_TRANSLATE_NOOP("Countries", "Germany"), u"de-DE", "DE"},
    {"mnuSwitzerland", QT_TRANSLATE_NOOP("Countries", "Switzerland"), u"de-CH", "CH"},
    {"mnuAustria", QT_TRANSLATE_NOOP("Countries", "Austria"), u"de-AT", "AT"},
    {"mnuFrance", QT_TRANSLATE_NOOP("Countries", "France"), u"fr-FR", "FR"},
    {"mnuBelgium", QT_TRANSLATE_NOOP("Countries", "Belgium"), u"fr-BE", "BE"},
    {"mnuSpain", QT_TRANSLATE_NOOP("Countries", "Spain"), u"es-ES", "ES"},
    {"mnuPortugal", QT_TRANSLATE_NOOP("Countries", "Portugal"), u"pt-PT", "PT"},
}};

} // namespace

std::span<const Country> all()
{
    return s_countries;
}

const Country &home()
{
    return s_countries.front();
}

std::optional<Country> find(QStringView captionOrCultureCode)
{
    const QStringView wanted = captionOrCultureCode.trimmed();
    for (const Country &c : s_countries) {
        if (wanted.compare(QLatin1StringView(c.caption), Qt::CaseInsensitive) == 0
            || wanted.compare(QStringView(c.cultureCode), Qt::CaseInsensitive) == 0)
            return c;
    }
    return std::nullopt;
}

QString captionList()
{
    QString list;
    for (const Country &c : s_countries) {
        if (!list.isEmpty())
            list += QStringLiteral(", ");
        list += QLatin1StringView(c.caption);
    }
    return list;
}

} // namespace Countries
