// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QCommandLineParser;

// The subcommands, each given the arguments that follow its name and
// returning an ExitStatus. They run under CommandLine::run(), which has made
// the QCoreApplication.
namespace Commands {

int send(const QStringList &arguments);
int contacts(const QStringList &arguments);
int history(const QStringList &arguments);

// The help of a command: "send", "contacts" or "history"; empty for any other.
QString helpText(const QString &command);

// Whether parse() refuses positional arguments that are not UTF-8 text, as
// it refuses such option values.
enum class Positionals {
    Text,
    // The command looks at them itself: send refuses such a message as a
    // message, not as a wrong command line.
    AnyBytes,
};

// Parses a command's arguments, with -h and --help added, which show the
// help of `helpOf`. Nothing when the command is to go on; else the status to
// end with: Success after the help, UsageError (said, with where the help
// is) when the arguments are wrong.
std::optional<int> parse(QCommandLineParser &parser, const QString &command, const QString &helpOf,
                         const QStringList &arguments, Positionals positionals = Positionals::Text);
// Says that the command line of `command` is wrong, and why; returns UsageError.
int usageError(const QString &command, const QString &why);

} // namespace Commands
