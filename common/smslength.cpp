// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/smslength.h"

#include "rules/textrules.h"

#include <QCoreApplication>

namespace SmsLength {

namespace {

// The GSM 03.38 default alphabet, less the escape to the extension table.
constexpr char16_t gsmBasic[] =
    u"@£$¥èéùìòÇ\nØø\rÅåΔ_ΦΓΛΩΠΨΣΘΞÆæßÉ !\"#¤%&'()*+,-./0123456789:;<=>?"
    u"¡ABCDEFGHIJKLMNOPQRSTUVWXYZÄÖÑÜ§¿abcdefghijklmnopqrstuvwxyzäöñüà";

// The extension table: each costs the escape plus itself.
constexpr char16_t gsmExtension[] = u"\f^{}\\[~]|€";

bool contains(QStringView table, QChar c)
{
    return table.contains(c);
}

} // namespace

Encoding encodingOf(QStringView text)
{
    for (QChar c : text) {
        if (!contains(gsmBasic, c) && !contains(gsmExtension, c))
            return Encoding::Ucs2;
    }
    return Encoding::Gsm7;
}

qsizetype units(QStringView text)
{
    if (encodingOf(text) == Encoding::Ucs2)
        return text.size();
    qsizetype septets = 0;
    for (QChar c : text)
        septets += contains(gsmExtension, c) ? 2 : 1;
    return septets;
}

int messageCount(QStringView text)
{
    if (text.isEmpty())
        return 0;
    const bool gsm = encodingOf(text) == Encoding::Gsm7;
    const qsizetype single = gsm ? 160 : 70;
    const qsizetype part = gsm ? 153 : 67;
    const qsizetype length = units(text);
    if (length <= single)
        return 1;
    return int((length + part - 1) / part);
}

QString counterText(QStringView text, qsizetype maximumCharacters)
{
    const qsizetype left = maximumCharacters - TextRules::characterCount(text);
    // One left has a sentence of its own, so that English needs no catalogue
    // for its singular; every other count takes the language's plural forms.
    const QString leftText = left == 1
        ? QCoreApplication::translate("SmsLength", "1 character left")
        : QCoreApplication::translate("SmsLength", "%n characters left", nullptr, int(left));
    if (text.isEmpty())
        return leftText;
    //: %1 is the characters left ("140 characters left"), %2 how many SMS the message takes.
    return QCoreApplication::translate("SmsLength", "%1 · %2 SMS").arg(leftText).arg(messageCount(text));
}

} // namespace SmsLength
