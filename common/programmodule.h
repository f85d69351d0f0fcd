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

// `symbol` of the module `fileName` in the program's folder, loading the
// module (its symbols bound lazily) and keeping it loaded until the program
// ends. Null when the module is missing, cannot be loaded or does
// not have the symbol; `why` then says so as a clause ("it could not be
// loaded (...)").
QFunctionPointer resolve(const QString &fileName, const char *symbol, QString *why);

} // namespace ProgramModule
