// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "soap/soapcallresult.h"

#include <QByteArray>

/// \brief Turns the HTTP status and body of a reply into a SoapCallResult: pure, no network.
///
/// A SOAP 1.1 or 1.2 fault is a failure whatever the status; a 2xx status with an empty body
/// or a SOAP envelope without a fault is success; anything else fails with the status.
class SoapReplyReader final
{
public:
    /// Largest reply body the client reads.
    static constexpr qint64 MaximumReplySize = 1024 * 1024;

    static SoapCallResult read(int httpStatus, const QByteArray &reasonPhrase, const QByteArray &body);
};
