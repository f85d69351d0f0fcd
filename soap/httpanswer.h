// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

/// \brief A complete HTTP answer: status line, the headers the SOAP layer reads, and the body.
///
/// Complete means the head ended and the body arrived in full as its framing announced
/// (Content-Length, chunked encoding or the end of the connection), and decoded without error.
struct HttpAnswer
{
    int status = 0;
    QByteArray reasonPhrase;
    QByteArray contentType;
    /// The Location header, as sent (possibly relative).
    QByteArray location;
    QByteArray body;
    /// "host:port" of the HTTP proxy the request was handed to when the answer may be the
    /// proxy's own rather than the service's; empty when the service answered directly or
    /// through a tunnel.
    QString proxy;
    /// The values of the WWW-Authenticate headers, in order (a 401 carries its challenges there).
    QList<QByteArray> authenticate;
};
