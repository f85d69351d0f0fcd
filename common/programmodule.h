// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFunctionPointer>
#include <QString>

// The program's own modules, shared objects beside the program that a layer
// loads at its first use of what they bring (libcurl, libphonenumber), so
// that whatever never needs them starts without them.
namespace ProgramModule {

// The folder the running program lies in, symbolic links resolved.
QString programFolder();

// Begins loading the module `fileName` in a thread of its own, so that the
// caller's work goes on while it loads; resolve() then waits for it. Loading
// holds the dynamic loader's lock, which every other library's loading waits
// for: begin it after the libraries that the work meanwhile needs are loaded.
void prepare(const QString &fileName);

// `symbol` of the module `fileName` in the program's folder, loading the
// module (its symbols bound lazily) and keeping it loaded until the program
// ends. Null when the module is missing, cannot be loaded or does
// not have the symbol; `why` then says so as a clause ("it could not be
// loaded (...)").
QFunctionPointer resolve(const QString &fileName, const char *symbol, QString *why);

} // namespace ProgramModule
