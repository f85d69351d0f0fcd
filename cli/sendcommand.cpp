// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// korvane send: the window's "Send" for scripts. The recipient comes from
// --to instead of the list, the country from --country instead of the menu;
// from there on it is the window's send: SendChecks in its order and with its
// words, then MessageSend, which records the send in the history. A service
// that asks to sign in gets the credentials of --user (the password from
// KORVANE_PASSWORD or standard input, never from an argument, which every user
// of the machine can read) or the keyring's; nobody is asked.

#include "addressbook/addressbookentries.h"
#include "cli/commandlineprompt.h"
#include "cli/commands.h"
#include "cli/exitstatus.h"
#include "cli/inputtext.h"
#include "cli/terminal.h"
#include "common/countries.h"
#include "credentials/credentialstore.h"
#include "history/historystore.h"
#include "rules/textrules.h"
#include "sending/messagesend.h"
#include "sending/outgoingmessage.h"
#include "sending/sendchecks.h"
#include "settings/servicedescription.h"
#include "settings/settingskeys.h"
#include "settings/settingsstore.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QScopeGuard>

#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

// The context of the command's texts for translators.
struct SendCommand {
    Q_DECLARE_TR_FUNCTIONS(SendCommand)
};

using Commands::parse;
using Commands::Positionals;
using Commands::usageError;

const QString command = u"korvane send"_s;

// More than any message that can be sent, in any encoding, by far; what is
// longer is not read to the end.
constexpr qsizetype s_maximumInput = 1024 * 1024;
// Far more than any password.
constexpr qsizetype s_maximumPassword = 64 * 1024;
const char *const s_passwordVariable = "KORVANE_PASSWORD";

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
            return {QString(),
                    SendCommand::tr("Your message was not sent: standard input could not be read: %1.")
                        .arg(QString::fromLocal8Bit(std::strerror(errno)))};
        }
        if (got == 0)
            break;
        bytes.append(buffer, got);
        if (bytes.size() > s_maximumInput) {
            return {QString(),
                    SendCommand::tr("Your message was not sent: standard input holds more than %1 bytes, and the most "
                                    "that can be sent is %2 characters.")
                        .arg(s_maximumInput)
                        .arg(SendChecks::MaximumMessageLength)};
        }
    }
    if (bytes.endsWith("\r\n"))
        bytes.chop(2);
    else if (bytes.endsWith('\n'))
        bytes.chop(1);
    std::optional<QString> text = InputText::fromUtf8(bytes);
    if (!text)
        return {QString(), SendCommand::tr("Your message was not sent: standard input is not UTF-8 text.")};
    return {*text, QString()};
}

// The message given as an argument.
Input messageArgument(const QString &argument)
{
    if (!InputText::isText(argument))
        return {QString(), SendCommand::tr("Your message was not sent: the message is not UTF-8 text.")};
    return {argument, QString()};
}

struct Password
{
    std::optional<QString> password;
    QString error;
};

// The password on the first line of standard input, without its line end.
// Only that line is read: what follows is not the program's. Typed at a
// terminal, it is not echoed there.
Password readPasswordLine()
{
    termios saved{};
    const bool terminal = ::isatty(STDIN_FILENO) && ::tcgetattr(STDIN_FILENO, &saved) == 0;
    if (terminal) {
        termios quiet = saved;
        quiet.c_lflag &= ~tcflag_t(ECHO);
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
    }
    const auto echoAgain = qScopeGuard([terminal, &saved] {
        if (terminal)
            ::tcsetattr(STDIN_FILENO, TCSANOW, &saved);
    });
    QByteArray bytes;
    const auto wipe = qScopeGuard([&bytes] { bytes.fill('\0'); });
    char byte = 0;
    for (;;) {
        const ssize_t got = ::read(STDIN_FILENO, &byte, 1);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            return {std::nullopt,
                    SendCommand::tr("Your message was not sent: the password could not be read from standard "
                                    "input: %1.")
                        .arg(QString::fromLocal8Bit(std::strerror(errno)))};
        }
        if (got == 0 || byte == '\n')
            break;
        bytes.append(byte);
        if (bytes.size() > s_maximumPassword)
            return {std::nullopt,
                    SendCommand::tr("Your message was not sent: the first line of standard input is too long for a "
                                    "password.")};
    }
    byte = 0;
    if (bytes.endsWith('\r'))
        bytes.chop(1);
    if (bytes.isEmpty())
        return {std::nullopt,
                SendCommand::tr("Your message was not sent: standard input holds no password for --user.")};
    std::optional<QString> password = InputText::fromUtf8(bytes);
    if (!password)
        return {std::nullopt,
                SendCommand::tr("Your message was not sent: the password on standard input is not UTF-8 text.")};
    return {password, QString()};
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

// What the command line of send asks for.
struct SendOptions
{
    QString to;
    QString culture;
    QString message; // "-" for standard input
    QString user;    // empty when none is given
    bool passwordOnStandardInput = false;
    CommandLinePrompt::ClearText clearText = CommandLinePrompt::ClearText::Refuse;
};

// What is wrong with the options for signing in, as a usage error says it.
std::optional<QString> signInProblem(const QCommandLineParser &parser, const QString &message)
{
    const QString user = u"user"_s;
    const bool passwordStdin = parser.isSet(u"password-stdin"_s);
    if (parser.values(user).size() > 1)
        return SendCommand::tr("Give --user once.");
    if (parser.isSet(user) && parser.value(user).isEmpty())
        return SendCommand::tr("Give the user name to sign in with: --user NAME.");
    if (passwordStdin && !parser.isSet(user))
        return SendCommand::tr("--password-stdin reads the password of --user NAME; give --user too.");
    if (passwordStdin && message == u"-")
        return SendCommand::tr(
            "With --password-stdin, standard input holds the password: give the message as an argument.");
    if (parser.isSet(user) && !passwordStdin && !qEnvironmentVariableIsSet(s_passwordVariable))
        return SendCommand::tr(
            "Give the password of --user in the environment variable KORVANE_PASSWORD, or on standard input "
            "with --password-stdin; never as an argument.");
    return std::nullopt;
}

// Reads the command line into `options`; nothing when the message is to be
// sent, else the status to end with.
std::optional<int> parseOptions(const QStringList &arguments, SendOptions &options)
{
    QCommandLineParser parser;
    const QCommandLineOption to(u"to"_s, QString(), u"NAME|NUMBER"_s);
    const QCommandLineOption country(u"country"_s, QString(), u"COUNTRY"_s);
    const QCommandLineOption user(u"user"_s, QString(), u"NAME"_s);
    const QCommandLineOption passwordStdin(u"password-stdin"_s);
    const QCommandLineOption allowUnencrypted(u"allow-unencrypted"_s);
    parser.addOptions({to, country, user, passwordStdin, allowUnencrypted});
    if (const std::optional<int> done = parse(parser, command, u"send"_s, arguments, Positionals::AnyBytes))
        return *done;

    if (!parser.isSet(to))
        return usageError(command, SendCommand::tr("Say who the message goes to, with --to NAME or --to NUMBER."));
    if (parser.values(to).size() > 1)
        return usageError(command, SendCommand::tr("Give --to once: a message goes to one recipient."));
    if (parser.values(country).size() > 1)
        return usageError(command, SendCommand::tr("Give --country once."));
    QString culture = u"en-GB"_s;
    if (parser.isSet(country)) {
        const std::optional<Countries::Country> chosen = Countries::find(parser.value(country));
        if (!chosen) {
            return usageError(command,
                              SendCommand::tr("There is no country '%1': give %2, or a code such as de-DE.")
                                  .arg(parser.value(country), Countries::captionList()));
        }
        culture = QString::fromUtf16(chosen->cultureCode);
    }
    const QStringList rest = parser.positionalArguments();
    if (rest.isEmpty())
        return usageError(command,
                          SendCommand::tr("Give the message as an argument, or - to read it from standard input."));
    if (rest.size() > 1)
        return usageError(command, SendCommand::tr("Give the message as one argument, in quotes."));
    if (const std::optional<QString> problem = signInProblem(parser, rest.first()))
        return usageError(command, *problem);

    options.to = parser.value(to);
    options.culture = culture;
    options.message = rest.first();
    options.user = parser.value(user);
    options.passwordOnStandardInput = parser.isSet(passwordStdin);
    options.clearText = parser.isSet(allowUnencrypted) ? CommandLinePrompt::ClearText::Allow
                                                       : CommandLinePrompt::ClearText::Refuse;
    return std::nullopt;
}

// The credentials of --user, with the password from the environment or
// standard input; nothing without --user. False when the password cannot be
// read, which has been told.
bool readCredentials(const SendOptions &options, std::optional<HttpCredentials> &given)
{
    if (options.user.isEmpty())
        return true;
    Password password;
    if (options.passwordOnStandardInput)
        password = readPasswordLine();
    else
        password.password = qEnvironmentVariable(s_passwordVariable);
    if (!password.password) {
        Terminal::tell(password.error);
        return false;
    }
    given = HttpCredentials{options.user, *password.password};
    return true;
}

// The message to send, under the window's checks in their order and with
// their words; nothing when one of them refuses it, which has been told.
std::optional<OutgoingMessage> checkedMessage(const SendOptions &options, const Input &input,
                                              SettingsStore &store)
{
    OutgoingMessage message;
    message.culture = options.culture;
    message.text = input.text;
    message.fromName = store.getSetting(SettingsKeys::senderSection(), SettingsKeys::fromName());
    message.fromNumber = store.getSetting(SettingsKeys::senderSection(), SettingsKeys::fromNumber());
    AddressBookEntries book(store);
    book.Load();
    const std::optional<Recipient> recipient = recipientOf(options.to, book);
    if (!recipient) {
        Terminal::tell(
            SendCommand::tr(
                "Your message was not sent: %1 is neither a name in the address book nor a valid phone "
                "number, which starts with 00 and the country code: 14 to 17 digits, or fewer where its country's "
                "numbers are shorter.")
                .arg(options.to));
        return std::nullopt;
    }
    message.toName = recipient->name;
    message.toNumber = recipient->number;
    if (!input.error.isEmpty()) {
        OutgoingMessage readable = message;
        readable.text = u"-"_s;
        Terminal::tell(SendChecks::problem(readable).value_or(input.error));
        return std::nullopt;
    }
    if (const std::optional<QString> problem = SendChecks::problem(message)) {
        Terminal::tell(*problem);
        return std::nullopt;
    }
    return message;
}

int sendMessage(const SendOptions &options)
{
    // Read before anything else, so that the writer at the other end of a
    // pipe is never left waiting; what is wrong with it is told in the
    // order of the window's checks, after the recipient and the sender.
    const Input input = options.message == u"-" ? readStandardInput() : messageArgument(options.message);
    std::optional<HttpCredentials> given;
    if (!readCredentials(options, given))
        return Failure;

    SettingsStore store;
    if (!store.isUsable()) {
        Terminal::tell(SendCommand::tr("Your message was not sent. %1").arg(store.errorString()));
        return Failure;
    }
    const std::optional<OutgoingMessage> message = checkedMessage(options, input, store);
    if (!message)
        return Failure;

    HistoryStore history;
    QObject::connect(&history, &HistoryStore::noticed, &history, &Terminal::tell);
    // Where no keyring answers, there are simply no saved credentials; the
    // command never keeps any itself, so it has nothing to tell about that.
    CredentialStore keyring;
    CommandLinePrompt prompt(options.clearText,
                             given ? CommandLinePrompt::Credentials::Given : CommandLinePrompt::Credentials::None);
    MessageSend sending(*message, ServiceDescription::path(), &history);
    sending.setSignIn(&keyring, &prompt);
    if (given)
        sending.setCredentials(*given);
    const MessageSend::Result result = sending.run();
    if (!result.historyError.isEmpty())
        Terminal::tell(SendCommand::tr("This send is not in the history: %1").arg(result.historyError));
    Terminal::tell(result.outcome == MessageSend::Outcome::Sent
                       ? SendCommand::tr("Your message was sent.")
                       : MessageSend::outcomeText(result.outcome, result.reason));
    return statusOf(result.outcome);
}

} // namespace

namespace Commands {

int send(const QStringList &arguments)
{
    SendOptions options;
    if (const std::optional<int> done = parseOptions(arguments, options))
        return *done;
    return sendMessage(options);
}

} // namespace Commands
