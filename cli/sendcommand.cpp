// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// korvane send: the window's "Send" for scripts. The recipient comes from
// --to instead of the list, the country from --country instead of the menu;
// from there on it is the window's send: SendChecks in its order and with its
// words, then MessageSend, which records the send in the history.

#include "addressbook/addressbookentries.h"
#include "cli/commands.h"
#include "cli/exitstatus.h"
#include "cli/terminal.h"
#include "contacts/phonenumbers.h"
#include "history/historystore.h"
#include "rules/textrules.h"
#include "sending/messagesend.h"
#include "sending/outgoingmessage.h"
#include "sending/sendchecks.h"
#include "settings/servicedescription.h"
#include "settings/settingskeys.h"
#include "settings/settingsstore.h"

#include <QCommandLineParser>
#include <QStringDecoder>

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

const QString command = u"korvane send"_s;

// More than any message that can be sent, in any encoding, by far; what is
// longer is not read to the end.
constexpr qsizetype s_maximumInput = 1024 * 1024;

struct Input
{
    QString text;
    QString error;
};

// The message from standard input: UTF-8, without the one line end that a
// line of text (echo, a here-document, a file) ends with. Any other white
// space, and further empty lines, are the message's own.
Input readStandardInput()
{
    QByteArray bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            return {QString(), u"Your message was not sent: standard input could not be read: %1."_s.arg(
                                   QString::fromLocal8Bit(std::strerror(errno)))};
        }
        if (got == 0)
            break;
        bytes.append(buffer, got);
        if (bytes.size() > s_maximumInput) {
            return {QString(), u"Your message was not sent: standard input holds more than %1 bytes, and the most "
                               "that can be sent is %2 characters."_s.arg(s_maximumInput)
                                   .arg(SendChecks::MaximumMessageLength)};
        }
    }
    if (bytes.endsWith("\r\n"))
        bytes.chop(2);
    else if (bytes.endsWith('\n'))
        bytes.chop(1);
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return {QString(), u"Your message was not sent: standard input is not UTF-8 text."_s};
    return {text, QString()};
}

struct Recipient
{
    QString name;
    QString number;
};

// The recipient that --to names: a name of the book first, as the window's
// list offers names; else a number under the recipient rule, which the
// history keeps under the book's name for it when there is one.
std::optional<Recipient> recipientOf(const QString &to, const AddressBookEntries &book)
{
    if (to.isEmpty())
        return Recipient{};
    if (const std::optional<AddressBookEntry> entry = book.Item(to))
        return Recipient{entry->Name, entry->Number};
    if (!TextRules::isValidRecipientNumber(to))
        return std::nullopt;
    for (const AddressBookEntry &entry : book) {
        if (entry.Number == to && !entry.Name.isEmpty())
            return Recipient{entry.Name, entry.Number};
    }
    return Recipient{to, to};
}

int statusOf(MessageSend::Outcome outcome)
{
    switch (outcome) {
    case MessageSend::Outcome::Sent:
        return Success;
    case MessageSend::Outcome::NotSent:
        return Failure;
    case MessageSend::Outcome::NotKnown:
        break;
    }
    return NotKnown;
}

} // namespace

namespace Commands {

int send(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption to(u"to"_s, QString(), u"NAME|NUMBER"_s);
    const QCommandLineOption country(u"country"_s, QString(), u"COUNTRY"_s);
    parser.addOptions({to, country});
    if (const std::optional<int> done = parse(parser, command, u"send"_s, arguments))
        return *done;

    if (!parser.isSet(to))
        return usageError(command, u"Say who the message goes to, with --to NAME or --to NUMBER."_s);
    if (parser.values(to).size() > 1)
        return usageError(command, u"Give --to once: a message goes to one recipient."_s);
    if (parser.values(country).size() > 1)
        return usageError(command, u"Give --country once."_s);
    QString culture = u"en-GB"_s;
    if (parser.isSet(country)) {
        const std::optional<PhoneNumbers::Country> chosen = PhoneNumbers::country(parser.value(country));
        if (!chosen) {
            return usageError(command, u"There is no country '%1': give UK, Ireland, Australia, Germany, "
                                       "Switzerland, Austria, France, Belgium, Spain or Portugal, or a code "
                                       "such as de-DE."_s.arg(parser.value(country)));
        }
        culture = QString::fromUtf16(chosen->cultureCode);
    }
    const QStringList rest = parser.positionalArguments();
    if (rest.isEmpty())
        return usageError(command, u"Give the message as an argument, or - to read it from standard input."_s);
    if (rest.size() > 1)
        return usageError(command, u"Give the message as one argument, in quotes."_s);

    // Read before anything else, so that the writer at the other end of a
    // pipe is never left waiting; what is wrong with it is told in the
    // order of the window's checks, after the recipient and the sender.
    const Input input = rest.first() == u"-" ? readStandardInput() : Input{rest.first(), QString()};
    OutgoingMessage message;
    message.culture = culture;
    message.text = input.text;

    SettingsStore store;
    if (!store.isUsable()) {
        Terminal::tell(u"Your message was not sent. %1"_s.arg(store.errorString()));
        return Failure;
    }
    message.fromName = store.getSetting(SettingsKeys::senderSection(), SettingsKeys::fromName());
    message.fromNumber = store.getSetting(SettingsKeys::senderSection(), SettingsKeys::fromNumber());
    AddressBookEntries book(store);
    book.Load();
    const std::optional<Recipient> recipient = recipientOf(parser.value(to), book);
    if (!recipient) {
        Terminal::tell(u"Your message was not sent: %1 is neither a name in the address book nor a valid phone "
                       "number, which starts with 00 and the country code and has 14 digits or more."_s
                           .arg(parser.value(to)));
        return Failure;
    }
    message.toName = recipient->name;
    message.toNumber = recipient->number;
    if (!input.error.isEmpty()) {
        OutgoingMessage readable = message;
        readable.text = u"-"_s;
        Terminal::tell(SendChecks::problem(readable).value_or(input.error));
        return Failure;
    }
    if (const std::optional<QString> problem = SendChecks::problem(message)) {
        Terminal::tell(*problem);
        return Failure;
    }

    HistoryStore history;
    MessageSend sending(message, ServiceDescription::path(), &history);
    const MessageSend::Result result = sending.run();
    if (!result.historyError.isEmpty())
        Terminal::tell(u"This send is not in the history: %1"_s.arg(result.historyError));
    Terminal::tell(result.outcome == MessageSend::Outcome::Sent
                       ? u"Your message was sent."_s
                       : MessageSend::outcomeText(result.outcome, result.reason));
    return statusOf(result.outcome);
}

} // namespace Commands
