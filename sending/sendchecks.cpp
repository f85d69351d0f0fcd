// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sending/sendchecks.h"

#include "rules/textrules.h"
#include "sending/outgoingmessage.h"
#include "soap/soaprequestwriter.h"

#include <QCoreApplication>

#include <utility>

namespace SendChecks {

std::optional<QString> problem(const OutgoingMessage &message)
{
    if (message.toNumber.isEmpty() || message.toName.isEmpty())
        return QCoreApplication::translate("SendChecks", "You have not selected who to send your message to");
    if (message.fromNumber.isEmpty() || message.fromName.isEmpty())
        return QCoreApplication::translate("SendChecks", "You have not entered your name and number");
    if (message.text.isEmpty())
        return QCoreApplication::translate("SendChecks", "You have not entered a message to send");

    // The window's box never holds more; a script can pass anything, and a
    // message cut without a word would not be the one its author wrote.
    const qsizetype length = TextRules::characterCount(message.text);
    if (length > MaximumMessageLength) {
        return QCoreApplication::translate(
                   "SendChecks",
                   "Your message was not sent: it is %1 characters long, and the most that can be sent is %2.")
            .arg(length)
            .arg(MaximumMessageLength);
    }

    //: Each names the text that holds a character that cannot be sent, as %1 of "... %1 contains a
    //: character that cannot be sent ...".
    const std::pair<QString, const QString &> texts[] = {
        {QCoreApplication::translate("SendChecks", "your name"), message.fromName},
        {QCoreApplication::translate("SendChecks", "your number"), message.fromNumber},
        {QCoreApplication::translate("SendChecks", "the recipient's number"), message.toNumber},
        {QCoreApplication::translate("SendChecks", "the message"), message.text},
        {QCoreApplication::translate("SendChecks", "the country code"), message.culture},
    };
    for (const auto &[what, text] : texts) {
        const qsizetype at = SoapRequestWriter::firstCharacterNotCarried(text);
        if (at < 0)
            continue;
        //: %1 which text ("your name", "the message"...), %2 the character's code in four or more hex digits,
        //: %3 its place in that text, counted in characters from 1.
        return QCoreApplication::translate("SendChecks",
                                           "Your message was not sent: %1 contains a character that cannot be sent "
                                           "(U+%2 at position %3). Please remove it and try again.")
            .arg(what)
            .arg(text.at(at).unicode(), 4, 16, QLatin1Char('0'))
            .arg(TextRules::characterCount(QStringView(text).left(at)) + 1);
    }
    return std::nullopt;
}

} // namespace SendChecks
