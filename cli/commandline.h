// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

// KORVANE's command line: `korvane send`, `korvane contacts ...`,
// `korvane history`, `korvane help`, --help and --version.
//
// main() asks opensWindow() before it creates any application object, so a
// command runs with a QCoreApplication alone: it never loads a platform
// plugin nor connects to X or Wayland, and works over ssh and from cron.
// Commands go through the same libraries as the window (the settings store,
// the address book and its rules, the contacts files, SendChecks and
// MessageSend, the history), so the two never disagree.
namespace CommandLine {

// Whether the program's arguments (without the program's name) open the
// window: none at all, or nothing but Qt's own window options with their
// values (-platform offscreen, -style fusion, -reverse, ...), which the
// window takes as it always has. Anything else is a command; an unknown one
// is refused with a usage error and opens nothing.
bool opensWindow(const QStringList &arguments);
bool opensWindow(int argc, const char *const *argv);

// Runs the command that the arguments name and returns its exit status
// (ExitStatus). Creates the QCoreApplication and keeps Qt's own warnings off
// the terminal.
int run(int argc, char **argv);

} // namespace CommandLine
