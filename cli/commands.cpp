// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/commands.h"

#include "cli/exitstatus.h"
#include "cli/inputtext.h"
#include "cli/terminal.h"
#include "common/countries.h"

#include <QCommandLineParser>
#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace {

// "Countries: UK, Ireland, ..." from the country table, wrapped as the help is.
QString countriesParagraph()
{
    constexpr qsizetype width = 79;
    QString paragraph;
    //: Starts the list of country names at the end of a command's help.
    QString line = QCoreApplication::translate("CommandLine", "Countries:");
    const QString countries = Countries::captionList() + u'.';
    for (const QString &word : countries.split(u' ')) {
        if (line.size() + 1 + word.size() > width) {
            paragraph += line + u'\n';
            line = word;
        } else {
            line += u' ' + word;
        }
    }
    return paragraph + line + u'\n';
}

} // namespace

namespace Commands {

std::optional<int> parse(QCommandLineParser &parser, const QString &command, const QString &helpOf,
                         const QStringList &arguments, Positionals positionals)
{
    const QCommandLineOption help(QStringList{u"h"_s, u"help"_s});
    parser.addOption(help);
    // "-json" is a mistyped --json, not the six letters of options none of which exists.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    if (!parser.parse(QStringList{command} + arguments))
        return usageError(command, parser.errorText());
    if (parser.isSet(help)) {
        Terminal::print(helpText(helpOf).chopped(1));
        return Success;
    }
    for (const QString &name : parser.optionNames()) {
        for (const QString &value : parser.values(name)) {
            if (!InputText::isText(value))
                return usageError(
                    command,
                    QCoreApplication::translate("CommandLine", "The value of --%1 is not UTF-8 text.").arg(name));
        }
    }
    if (positionals == Positionals::AnyBytes)
        return std::nullopt;
    for (const QString &argument : parser.positionalArguments()) {
        if (!InputText::isText(argument))
            return usageError(command,
                              QCoreApplication::translate("CommandLine", "'%1' is not UTF-8 text.").arg(argument));
    }
    return std::nullopt;
}

int usageError(const QString &command, const QString &why)
{
    // The first word names the command whose help to read: "korvane send ..." -> "korvane send --help".
    const QStringList words = command.split(u' ');
    const QString help = words.size() > 1 && words[1] != u"help" ? words.mid(0, 2).join(u' ') + u" --help"_s
                                                                   : u"korvane --help"_s;
    //: %1 the command as typed ("korvane send"), %2 what is wrong with it (a whole sentence), %3 the
    //: command that shows its help ("korvane send --help").
    Terminal::tell(QCoreApplication::translate("CommandLine", "%1: %2 See '%3'.").arg(command, why, help));
    return UsageError;
}

QString helpText(const QString &command)
{
    if (command == u"send") {
        //: The whole of "korvane send --help". Keep command and option names, the words in capitals that stand
        //: for values, and field names and values in quotes as they are; at most 79 characters a line.
        //: "Your Details" is the window's panel of that name: write it as the window's translation does.
        return QCoreApplication::translate("CommandLine", R"(Usage: korvane send --to NAME|NUMBER [--country COUNTRY]
                    [--user NAME [--password-stdin]] [--allow-unencrypted] MESSAGE|-

Sends one message through the SMS service of SendSMS.wsdl, from the name and
number saved in the window's "Your Details", and records it in the history.

  --to NAME|NUMBER   A name of the address book (letter case does not count)
                     or a number that starts with 00 and the country code,
                     such as 00447700900123: 14 to 17 digits, or fewer where
                     its country's numbering plan has such a number.
  --country COUNTRY  The country sent with the message: one of the countries
                     below (UK unless given), or its code such as de-DE.
  MESSAGE            The message, 159 characters at most; a longer one is
                     refused, never cut. Put -- before a message that starts
                     with a dash.
  -                  Read the message from standard input, as UTF-8; one line
                     end at its very end is left out.
  --user NAME        Sign in as NAME where the service asks to, with the
                     password in the environment variable KORVANE_PASSWORD.
  --password-stdin   Read the password of --user from the first line of
                     standard input instead; the message is then an argument.
  --allow-unencrypted
                     Send the password even where it would travel unencrypted
                     (Basic sign-in over http:// to another computer).
  -h, --help         Show this help.

A service that asks to sign in gets the user name and password of --user, or
else those the window saved in the desktop's keyring. A password is never
taken as an argument, and nothing is asked: without credentials, or with
refused ones, the message is not sent.

The outcome is one line on standard error. Exit status: 0 sent, 1 not sent,
2 not known whether sent (check with the recipient before sending again),
64 the command line is wrong.

)") + countriesParagraph();
    }
    if (command == u"contacts") {
        //: The whole of "korvane contacts --help". Keep command and option names, the words in capitals that stand
        //: for values, and field names and values in quotes as they are; at most 79 characters a line.
        return QCoreApplication::translate("CommandLine", R"(Usage: korvane contacts list [--json]
       korvane contacts add NAME NUMBER
       korvane contacts remove NAME
       korvane contacts import FILE [--country COUNTRY]
       korvane contacts export FILE

  list      Show the address book in columns, or with --json as a JSON array
            of {"name", "number"} objects, in the book's order.
  add       Add a recipient, as the window's "Add" does: the number must
            start with 00 and the country code and have 14 to 17 digits, or
            fewer where its country's numbering plan has such a number; the
            name has at most 255 characters, line breaks and tabs become
            spaces, and a name already in the book (letter case aside) is
            refused.
  remove    Take the recipient of this name (letter case aside) out.
  import    Add the contacts of a vCard (.vcf) or CSV file, under the rules
            of add; numbers written without a country code are read as
            numbers of --country (one of the countries below, UK unless
            given, or a code such as de-DE). Says how many were imported
            and which were skipped, and why.
  export    Write the address book to FILE: vCard 4.0 when it ends in .vcf
            or .vcard, CSV when it ends in .csv.
  -h, --help  Show this help.

add, remove and import refuse while KORVANE's window is open, which would
otherwise save its own copy of the book over the change.
Exit status: 0 done, 1 failed, 64 the command line is wrong.

)") + countriesParagraph();
    }
    if (command == u"history") {
        //: The whole of "korvane history --help". Keep command and option names, the words in capitals that stand
        //: for values, and field names and values in quotes as they are; at most 79 characters a line.
        return QCoreApplication::translate("CommandLine", R"(Usage: korvane history [--json] [--limit N]

Shows the messages sent, from the window and from korvane send, newest first:
when, how it ended (Sent, Not sent, Not known, Sending), to whom and what.

  --json      One JSON array of objects with the fields id, time (UTC, ISO
              8601), sender_name, sender_number, recipient_name,
              recipient_number, message, culture, endpoint, state ("sent",
              "not sent", "not known" or "sending"), reason and duration_ms.
  --limit N   The newest N messages only.
  -h, --help  Show this help.

Exit status: 0 done, 1 failed, 64 the command line is wrong.
)");
    }
    return QString();
}

} // namespace Commands
