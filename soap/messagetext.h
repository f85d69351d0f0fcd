// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <chrono>

class QUrl;

/// \brief Pieces of the SOAP layer's messages: addresses, HTTP statuses, durations.
///
/// Every text here that names an address is free of user names and passwords.
namespace MessageText {

/// \brief \a address as a message may show it: never with a user name or password, and cut
/// short when absurdly long. Works on text that is not a valid URL too, with or without a
/// scheme: everything from the start of its authority to its last '@' is left out.
QString address(const QString &address);
QString address(const QUrl &address);

/// \brief \a text (a sentence, such as libcurl's error messages) with the user name and
/// password of every address in it left out: in each word that holds an '@', everything from
/// the start of its authority (after "://", else the word's start) to its last '@'.
QString withoutUserInfo(const QString &text);

/// \brief Another party's words (libcurl's error messages) as a message may quote them:
/// withoutUserInfo(), control characters as spaces, cut short when absurdly long.
QString quoted(const QString &text);

/// \brief \a text with every password left out, as withoutUserInfo() does, but only in words
/// that carry one ("name:password@"): an e-mail address in a service's fault stays readable.
QString withoutPasswords(const QString &text);

/// \brief "host:port" (or just "host" when the address names no port) of \a address, the way
/// messages name a computer, e.g. "127.0.0.1:8080" or "[::1]:8080".
QString hostAndPort(const QUrl &address);

/// \brief "HTTP status 404 (Not Found)", or "HTTP status 404" without a reason phrase.
QString httpStatus(int status, const QByteArray &reasonPhrase);

/// \brief A duration as messages give it: "30 seconds", "1 second", "0.3 seconds".
QString duration(std::chrono::milliseconds duration);

} // namespace MessageText
