// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sending/sendchecks.h"

#include "rules/textrules.h"
#include "sending/outgoingmessage.h"
#include "soap/soaprequestwriter.h"

#include <utility>

using namespace Qt::StringLiterals;

namespace SendChecks {

std::optional<QString> problem(const OutgoingMessage &message)
{
    if (message.toNumber.isEmpty() || message.toName.isEmpty())
        return u"You have not selected who to send your message to"_s;
    if (message.fromNumber.isEmpty() || message.fromName.isEmpty())
        return u"You have not entered your name and number"_s;
    if (message.text.isEmpty())
        return u"You have not entered a message to send"_s;

    // The window's box never holds more; a script can pass anything, and a
    // message cut without a word would not be the one its author wrote.
    const qsizetype length = TextRules::characterCount(message.text);
    if (length > MaximumMessageLength) {
        return u"Your message was not sent: it is %1 characters long, and the most that can be sent is %2."_s
            .arg(length)
            .arg(MaximumMessageLength);
    }

    const std::pair<QString, const QString &> texts[] = {
        {u"your name"_s, message.fromName},
        {u"your number"_s, message.fromNumber},
        {u"the recipient's number"_s, message.toNumber},
        {u"the message"_s, message.text},
        {u"the country code"_s, message.culture},
    };
    for (const auto &[what, text] : texts) {
        const qsizetype at = SoapRequestWriter::firstCharacterNotCarried(text);
        if (at < 0)
            continue;
        return u"Your message was not sent: %1 contains a character that cannot be sent "
               "(U+%2 at position %3). Please remove it and try again."_s
            .arg(what)
            .arg(text.at(at).unicode(), 4, 16, QLatin1Char('0'))
            .arg(TextRules::characterCount(QStringView(text).left(at)) + 1);
    }
    return std::nullopt;
}

} // namespace SendChecks
