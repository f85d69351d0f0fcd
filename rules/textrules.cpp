// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/textrules.h"

#include "rules/numberingplans.h"

#include <QCoreApplication>

namespace TextRules {

namespace {
constexpr qsizetype minimumRecipientNumberLength = 14;
constexpr qsizetype minimumNameLength = 3;
constexpr qsizetype maximumNameLength = 11;

// "+" and the digits after "00" checked in the numbering plans, which the
// first check loads (the module, then every country's metadata). Where they
// cannot be loaded no short number can be confirmed, which is said once.
bool isValidInNumberingPlan(QStringView digitsAfter00)
{
    static KorvaneNumbersValid *const isValid = [] {
        QString why;
        auto *function = reinterpret_cast<KorvaneNumbersValid *>(NumberingPlans::resolve("korvane_numbers_valid", &why));
        if (!function)
            qCritical("%s", qUtf8Printable(why));
        return function;
    }();
    return isValid && isValid(digitsAfter00);
}

bool isControl(char16_t u)
{
    return u < 0x20 || (u >= 0x7F && u <= 0x9F) || u == QChar::LineSeparator || u == QChar::ParagraphSeparator;
}
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
    // Digits only, so characters and UTF-16 units are the same count.
    if (!number.startsWith(u"00") || !isNumeric(number) || number.size() > maximumRecipientNumberLength)
        return false;
    // Every number of 14 characters or more stays a number, whatever the
    // plans say: books and scripts hold them.
    return number.size() >= minimumRecipientNumberLength || isValidInNumberingPlan(number.sliced(2));
}

bool isValidSenderName(QStringView name)
{
    const qsizetype length = characterCount(name);
    return length >= minimumNameLength && length <= maximumNameLength;
}

QString recipientNameForm(const QString &text)
{
    QString result;
    result.reserve(text.size());
    bool inRun = false;
    for (const QChar c : text) {
        const bool control = isControl(c.unicode());
        if (!control)
            result.append(c);
        else if (!inRun)
            result.append(u' ');
        inRun = control;
    }
    return result.trimmed();
}

QString recipientNameProblem(QStringView name)
{
    const qsizetype length = characterCount(name);
    if (length <= maximumRecipientNameLength)
        return {};
    return QCoreApplication::translate("TextRules", "The name has %1 characters; a recipient's name has %2 at most.")
        .arg(length)
        .arg(maximumRecipientNameLength);
}

// Full case folding: QString's folding maps one character to one, so
// upper-casing first lets "ß" meet "SS" and "ﬁ" meet "FI". Plain ASCII, the
// common case, folds to lower case directly.
QString nameKey(const QString &name)
{
    QString folded(name.size(), Qt::Uninitialized);
    QChar *out = folded.data();
    for (QChar c : name) {
        const char16_t u = c.unicode();
        if (u >= 0x80)
            return name.toUpper().toCaseFolded();
        *out++ = (u >= u'A' && u <= u'Z') ? QChar(u + 0x20) : c;
    }
    return folded;
}

NewRecipient newRecipient(const QString &name, const QString &number)
{
    NewRecipient recipient{recipientNameForm(name), number, {}};
    if (!isValidRecipientNumber(number))
        recipient.problem = QCoreApplication::translate(
            "TextRules", "%1 is not a valid phone number, please use a valid country code prefix").arg(number);
    else
        recipient.problem = recipientNameProblem(recipient.name);
    return recipient;
}

} // namespace TextRules
