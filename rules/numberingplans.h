// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFunctionPointer>
#include <QString>
#include <QStringView>

// libphonenumber's numbering plans live in a module of their own
// (korvane-phonenumbers.so beside the program), loaded at the first number
// that needs them. Linking the library would load it, protobuf and abseil at
// every start, and its metadata at the first call, some 10 ms that a program
// checking no number has no use for.
namespace NumberingPlans {

// A function of the module, which the first call loads; null when the module
// cannot be loaded, with why in `why` (a sentence).
QFunctionPointer resolve(const char *symbol, QString *why);

} // namespace NumberingPlans

// Whether "+" and these digits are a valid number of its country.
using KorvaneNumbersValid = bool(QStringView digitsAfter00);
