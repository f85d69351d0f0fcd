// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/serviceinfo.h"

#include <QCoreApplication>

namespace ServiceInfo {

QString termsText()
{
    return QCoreApplication::translate("ServiceInfo", "Definitive terms and conditions are available at %1.")
        .arg(webAddress());
}

QString disclaimerText()
{
    return QCoreApplication::translate("ServiceInfo",
                                       "Warning: Outgoing messages are free, users must be 16+ to use service. "
                                       "This is a non subscription service. Recipients may be charged according "
                                       "to the most recent rates published on %1")
        .arg(webAddress());
}

} // namespace ServiceInfo
