// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/numberingplans.h"

#include "common/programmodule.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace NumberingPlans {

QFunctionPointer resolve(const char *symbol, QString *why)
{
    QString error;
    const QFunctionPointer function = ProgramModule::resolve(u"korvane-phonenumbers.so"_s, symbol, &error);
    if (!function && why)
        *why = QCoreApplication::translate("NumberingPlans", "The numbering plans of phone numbers are not available: %1.")
                   .arg(error);
    return function;
}

} // namespace NumberingPlans
