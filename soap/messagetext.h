// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Pieces of the SOAP layer's messages: addresses, HTTP statuses, durations. Internal to soap/.

#include <QByteArray>
#include <QString>

#include <chrono>

class QUrl;

namespace MessageText {

/// \brief \a address as a message may show it: never with a user name or password, and cut
/// short when absurdly long. Works on text that is not a valid URL too.
QString address(const QString &address);
QString address(const QUrl &address);

/// \brief "host:port" (or just "host" when the address names no port) of \a address, the way
/// messages name a computer, e.g. "127.0.0.1:8080" or "[::1]:8080".
QString hostAndPort(const QUrl &address);

/// \brief "HTTP status 404 (Not Found)", or "HTTP status 404" without a reason phrase.
QString httpStatus(int status, const QByteArray &reasonPhrase);

/// \brief A duration as messages give it: "30 seconds", "1 second", "0.3 seconds".
QString duration(std::chrono::milliseconds duration);

} // namespace MessageText
