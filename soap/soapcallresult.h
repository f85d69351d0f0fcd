// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

/// \brief The outcome of one SOAP call.
struct SoapCallResult
{
    /// A 2xx status and no fault.
    bool ok = false;
    /// Plain words for the user when !ok, e.g. "The SMS service refused the message: <fault text>".
    QString errorString;
    /// A SOAP fault came back.
    bool isFault = false;
    /// The fault's faultstring (SOAP 1.1) or Reason text (SOAP 1.2).
    QString faultString;
};
