// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/commandline.h"

#include "common/programversion.h"
#include "i18n/translations.h"
#include "cli/commands.h"
#include "cli/exitstatus.h"
#include "cli/inputtext.h"
#include "cli/terminal.h"
#include "settings/settingskeys.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <array>
#include <string_view>

using namespace Qt::StringLiterals;

namespace {

enum class Value {
    None,         // -reverse
    Next,         // -platform offscreen
    NextOrJoined, // -style fusion, -style=fusion
    Joined,       // -qmljsdebugger=port:1234
};

struct WindowOption
{
    std::u16string_view name;
    Value value;
};

// The options that QGuiApplication, QApplication and the xcb platform take
// for the window, each written with one dash or two, and how Qt takes its
// value.
constexpr std::array s_windowOptions{
    WindowOption{u"platform", Value::Next},        WindowOption{u"platformpluginpath", Value::Next},
    WindowOption{u"platformtheme", Value::Next},   WindowOption{u"plugin", Value::Next},
    WindowOption{u"qwindowgeometry", Value::Next}, WindowOption{u"qwindowicon", Value::Next},
    WindowOption{u"qwindowtitle", Value::Next},    WindowOption{u"session", Value::Next},
    WindowOption{u"display", Value::Next},         WindowOption{u"geometry", Value::Next},
    WindowOption{u"title", Value::Next},           WindowOption{u"name", Value::Next},
    WindowOption{u"visual", Value::Next},          WindowOption{u"style", Value::NextOrJoined},
    WindowOption{u"stylesheet", Value::NextOrJoined}, WindowOption{u"qmljsdebugger", Value::Joined},
    WindowOption{u"reverse", Value::None},         WindowOption{u"widgetcount", Value::None},
    WindowOption{u"nograb", Value::None},          WindowOption{u"dograb", Value::None},
    WindowOption{u"sync", Value::None},
};

// How many arguments an option of this kind takes up, itself included,
// given whether its value is joined to it with '=' and whether another
// argument follows it; 0 when Qt does not take it so.
qsizetype lengthOf(Value value, bool joined, bool followed)
{
    switch (value) {
    case Value::None:
        return joined ? 0 : 1;
    case Value::Joined:
        return joined ? 1 : 0;
    case Value::Next:
    case Value::NextOrJoined:
        break;
    }
    if (joined)
        return value == Value::NextOrJoined ? 1 : 0;
    // At the very end it has no value; Qt passes over it.
    return followed ? 2 : 1;
}

// How many arguments the window option at `arguments[at]` takes up, itself
// included; 0 when it is none.
qsizetype windowOptionLength(const QStringList &arguments, qsizetype at)
{
    QStringView argument = arguments[at];
    if (argument.startsWith(u"--"))
        argument = argument.mid(2);
    else if (argument.startsWith(u'-'))
        argument = argument.mid(1);
    else
        return 0;
    const qsizetype equals = argument.indexOf(u'=');
    const QStringView name = equals < 0 ? argument : argument.left(equals);
    for (const WindowOption &option : s_windowOptions) {
        if (name == QStringView(option.name.data(), qsizetype(option.name.size())))
            return lengthOf(option.value, equals >= 0, at + 1 < arguments.size());
    }
    return 0;
}

// Qt's warnings (a missing runtime folder, a plugin's complaint) mean nothing
// to whoever runs a command and would mix with its one line of outcome; only
// what stops the program is said.
void commandLineMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        Terminal::tell(u"korvane: "_s + message);
}

QString topHelp()
{
    //: The whole of "korvane --help". Command names, option names and the words in capitals that stand for
    //: values (COMMAND, NAME, NUMBER, COUNTRY, MESSAGE, FILE, N) are typed as they are: keep them. Keep the
    //: layout: at most 79 characters a line, descriptions starting in column 25.
    return QCoreApplication::translate("CommandLine", R"(Usage: korvane [COMMAND [ARGUMENTS]]

Without a command, korvane opens its window.

Commands:
  send --to NAME|NUMBER [--country COUNTRY] [--user NAME [--password-stdin]]
       [--allow-unencrypted] MESSAGE|-
                        Send a message to a name of the address book or to a
                        number; - reads the message from standard input.
  contacts list [--json]
                        Show the address book.
  contacts add NAME NUMBER
                        Add a recipient.
  contacts remove NAME  Take a recipient out of the address book.
  contacts import FILE [--country COUNTRY]
                        Add the contacts of a vCard or CSV file.
  contacts export FILE  Write the address book to a .vcf or .csv file.
  history [--json] [--limit N]
                        Show the messages sent, newest first.
  help [COMMAND]        Show this help, or a command's.

Options:
  -h, --help            Show this help.
  -v, --version         Show the version.

Exit status: 0 done (send: sent), 1 failed (send: not sent), 2 send only:
not known whether the message was sent, 64 the command line is wrong.
The manual page korvane(1) tells more.
)");
}

int dispatch(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    const QCommandLineOption help(QStringList{u"h"_s, u"help"_s});
    const QCommandLineOption version(QStringList{u"v"_s, u"version"_s});
    parser.addOptions({help, version});
    if (!parser.parse(QStringList{u"korvane"_s} + arguments))
        return Commands::usageError(u"korvane"_s, parser.errorText());

    const QStringList rest = parser.positionalArguments();
    if (parser.isSet(help) || (rest.isEmpty() && !parser.isSet(version))) {
        Terminal::print(topHelp().chopped(1));
        return Success;
    }
    if (parser.isSet(version)) {
        Terminal::print(SettingsKeys::applicationName() + u' ' + ProgramVersion::number());
        return Success;
    }

    const QString command = rest.first();
    const QStringList commandArguments = rest.mid(1);
    if (command == u"send")
        return Commands::send(commandArguments);
    if (command == u"contacts")
        return Commands::contacts(commandArguments);
    if (command == u"history")
        return Commands::history(commandArguments);
    if (command == u"help") {
        if (commandArguments.isEmpty()) {
            Terminal::print(topHelp().chopped(1));
            return Success;
        }
        const QString text = Commands::helpText(commandArguments.first());
        if (commandArguments.size() > 1 || text.isEmpty())
            return Commands::usageError(u"korvane help"_s,
                                        QCoreApplication::translate("CommandLine", "There is no command '%1'.")
                                            .arg(commandArguments.join(u' ')));
        Terminal::print(text.chopped(1));
        return Success;
    }
    return Commands::usageError(u"korvane"_s,
                                QCoreApplication::translate("CommandLine", "'%1' is not a command.").arg(command));
}

} // namespace

namespace CommandLine {

bool opensWindow(const QStringList &arguments)
{
    for (qsizetype at = 0; at < arguments.size();) {
        const qsizetype length = windowOptionLength(arguments, at);
        if (length == 0)
            return false;
        at += length;
    }
    return true;
}

bool opensWindow(int argc, const char *const *argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return opensWindow(arguments);
}

int run(int argc, char **argv)
{
    qInstallMessageHandler(commandLineMessages);
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(SettingsKeys::applicationName());
    // The package's version, as the window sets it; --version prints the one people are shown.
    QCoreApplication::setApplicationVersion(QStringLiteral(KORVANE_VERSION_STRING));
    // The desktop's language, for the help, the refusals and the outcome lines;
    // Qt Core's own texts (the parser's errors) come from qtbase's translation.
    Translations::install(application);

    // Read here rather than through QCoreApplication::arguments(), which
    // would turn bytes that are not UTF-8 into U+FFFD and send them so.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(InputText::argument(argv[i]));
    int status = dispatch(arguments);
    if (!Terminal::flushOutput()) {
        Terminal::tell(Terminal::outputError());
        if (status == Success)
            status = Failure;
    }
    return status;
}

} // namespace CommandLine
