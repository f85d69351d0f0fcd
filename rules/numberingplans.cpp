// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/numberingplans.h"

#include "common/programmodule.h"

using namespace Qt::StringLiterals;

namespace NumberingPlans {

QFunctionPointer resolve(const char *symbol, QString *why)
{
    QString error;
    const QFunctionPointer function = ProgramModule::resolve(u"korvane-phonenumbers.so"_s, symbol, &error);
    if (!function && why)
        *why = u"The numbering plans of phone numbers are not available: %1."_s.arg(error);
    return function;
}

} // namespace NumberingPlans
