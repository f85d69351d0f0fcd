// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/textrules.h"

namespace TextRules {

namespace {
constexpr qsizetype minimumRecipientNumberLength = 14;
constexpr qsizetype minimumNameLength = 3;
constexpr qsizetype maximumNameLength = 11;
} // namespace

qsizetype characterCount(QStringView text)
{
    qsizetype count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        ++count;
    }
    return count;
}

qsizetype lengthOfFirstCharacters(QStringView text, qsizetype maxCharacters)
{
    qsizetype i = 0;
    for (qsizetype taken = 0; taken < maxCharacters && i < text.size(); ++taken) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        ++i;
    }
    return i;
}

bool isNumeric(QStringView text)
{
    if (text.isEmpty())
        return false;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

bool isValidSenderNumber(QStringView number)
{
    return isNumeric(number) && number.startsWith(u"00");
}

bool isValidRecipientNumber(QStringView number)
{
    return characterCount(number) >= minimumRecipientNumberLength && number.startsWith(u"00")
        && isNumeric(number);
}

bool isValidSenderName(QStringView name)
{
    const qsizetype length = characterCount(name);
    return length >= minimumNameLength && length <= maximumNameLength;
}

} // namespace TextRules
