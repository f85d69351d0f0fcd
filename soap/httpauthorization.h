// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "soap/authchallenge.h"
#include "soap/httpcredentials.h"

#include <QByteArray>

/// \brief The Authorization header that answers a challenge: pure, no network.
class HttpAuthorization final
{
public:
    /// \brief The header's value for a request with \a method and request target \a uri
    /// ("/path?query", as on the request line) that answers \a challenge with \a credentials.
    ///
    /// Basic: the user name and password in UTF-8. Digest (RFC 7616): the response for the
    /// challenge's nonce with nonce count 1, the client nonce \a clientNonce and qop=auth
    /// (or the RFC 2069 form when the service offered no qop). A user name that is not plain
    /// ASCII travels as username* in UTF-8.
    static QByteArray header(const AuthChallenge &challenge, const HttpCredentials &credentials,
                             const QByteArray &method, const QByteArray &uri, const QByteArray &clientNonce);

    /// A fresh client nonce: 16 random bytes from the system's generator, hex-encoded.
    static QByteArray newClientNonce();

    /// \brief The request target that libcurl puts on the request line for \a url: its path
    /// and query as encoded, "/" when it has no path.
    static QByteArray requestTarget(const QUrl &url);
};
