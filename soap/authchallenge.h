// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QMetaType>
#include <QString>

#include <optional>

class QUrl;

/// \brief How and where a service asked to sign in: one HTTP Basic or Digest challenge from
/// its 401 answer, with the address of the service that sent it.
///
/// The service is named by the scheme, host and port of its address and by the realm of the
/// challenge; credentials belong to exactly that, so that two services never share a password.
struct AuthChallenge
{
    enum class Scheme {
        /// RFC 7617: the user name and password travel in the request, only base64-encoded.
        Basic,
        /// RFC 7616: a hash of the password, computed for the service's nonce, travels instead.
        Digest,
    };

    Scheme scheme = Scheme::Basic;
    /// The realm as the service sent it; it may be empty for Basic.
    QString realm;
    /// "http" or "https".
    QString urlScheme;
    /// The service's host in lower case, without brackets for IPv6.
    QString host;
    /// The service's port; the scheme's default when its address names none.
    int port = 0;

    /// Digest only: the service's nonce and opaque value, as sent.
    QByteArray nonce;
    QByteArray opaque;
    /// Digest only: "MD5", "MD5-sess", "SHA-256" or "SHA-256-sess".
    QByteArray algorithm;
    /// Digest only: the service offers qop=auth (else it speaks the older RFC 2069 form).
    bool qopAuth = false;
    /// Digest only: the service wants the user name hashed.
    bool userhash = false;

    /// \brief Whether answering this challenge would send the password unencrypted over the
    /// network: Basic over http:// to a host that is not this computer (a loopback address or
    /// "localhost"). Ask the user before doing so.
    bool sendsPasswordInClear() const;

    /// "host" (for the scheme's default port) or "host:port", as messages name the service.
    QString where() const;
    /// where() of the service at \a address, as a challenge from it would name it.
    static QString whereOf(const QUrl &address);
    /// The realm as a message may show it: no control characters, cut short when absurdly long.
    QString displayRealm() const;

    /// \brief The challenges in the WWW-Authenticate header values \a headers of an answer
    /// from \a service that this client can answer, strongest first (Digest with SHA-256,
    /// Digest with MD5, Basic). Schemes it does not speak, and Digest challenges without a
    /// nonce or whose algorithm or qop it does not know, are left out.
    static QList<AuthChallenge> parse(const QList<QByteArray> &headers, const QUrl &service);

    /// \brief Whether \a host is this computer: a loopback address, "localhost" or a name
    /// under ".localhost".
    static bool isLoopback(const QString &host);

    /// The same service (scheme, host, port) and realm.
    bool isSameServiceAs(const AuthChallenge &other) const;
    /// Whether the address \a service is that of the service that sent this challenge: the
    /// same scheme, host and port.
    bool isFrom(const QUrl &service) const;
};

Q_DECLARE_METATYPE(AuthChallenge)
