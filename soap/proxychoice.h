// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Which proxy, if any, a request to an address goes through. Internal to soap/.

#include <QByteArray>
#include <QString>

class QUrl;

/// \brief The proxy for one request, chosen from the environment the way libcurl documents it.
///
/// - http addresses use `http_proxy` (lower case only: a CGI program gets the request's
///   "Proxy:" header as HTTP_PROXY), https addresses `https_proxy`, then `HTTPS_PROXY`; either
///   falls back to `all_proxy`, then `ALL_PROXY`. An empty variable counts as unset.
/// - `no_proxy` (else `NO_PROXY`) lists, separated by commas or spaces, the hosts reached
///   directly: "*" matches every host; a name matches itself and every name below it, with or
///   without a leading dot ("example.org" and ".example.org" both match "sms.example.org");
///   an IP address matches itself, or every address of a network in CIDR notation
///   ("10.0.0.0/8"); IPv6 addresses are written without brackets. Case does not matter.
///
/// The transfer is then told exactly this choice, so the client always knows whether a
/// proxy stood between it and the service.
struct ProxyChoice
{
    /// The proxy as the environment gives it (scheme, credentials and port included), for
    /// the transfer; empty for a direct connection.
    QByteArray proxy;
    /// "host:port" of the proxy, for messages: never its user name or password.
    QString where;
    /// The proxy forwards plain HTTP requests itself (rather than tunnel or relay them), so
    /// an HTTP error status may be its own.
    bool forwardsRequests = false;

    bool isDirect() const { return proxy.isEmpty(); }

    static ProxyChoice forUrl(const QUrl &url);
};
