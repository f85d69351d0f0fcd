// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "soap/soapcallresult.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <chrono>
#include <memory>

class SoapCall;
class WsdlReader;
struct AuthChallenge;
struct HttpCredentials;

/// \brief A SOAP client initialised from a WSDL 1.1 file that calls its operations by name.
///
/// MSSoapInit() reads the description; start() writes the request of a call and sends it over
/// HTTP or HTTPS on a thread of its own, and invoke() does the same and waits for the outcome.
///
/// Every request leaves at most once, on a connection of its own, and only to the address the
/// description gives: redirects are not followed. Certificates are always verified. Proxies
/// come from the environment (http_proxy, https_proxy, all_proxy, no_proxy), as for curl.
class SoapClient final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SoapClient)

public:
    explicit SoapClient(QObject *parent = nullptr);
    ~SoapClient() override;

    /// \brief Begins loading the HTTP transport in a thread of its own, so that the caller's
    /// work goes on meanwhile; the first request waits for it. Without this, the first request
    /// loads it.
    static void prepareTransport();

    /// \brief Reads and checks the description; false with errorString() set on failure.
    ///
    /// Empty \a serviceName and \a portName pick the first suitable port. A mapping file is not
    /// supported: a non-empty \a wsmlFile is an error.
    bool MSSoapInit(const QString &wsdlFile, const QString &serviceName = QString(),
                    const QString &portName = QString(), const QString &wsmlFile = QString());

    /// \brief The address the description gives for \a operation; empty when it has none or the
    /// client is not initialised.
    ///
    /// The address may carry a user name and a password: never show it as it is.
    QUrl endpoint(const QString &operation);

    /// \brief Starts a call of \a operation with positional text \a arguments.
    ///
    /// Returns at once. The call reports through SoapCall::finished() on this thread, also
    /// when it fails before anything is sent (no description, an argument that cannot be
    /// written); it deletes itself afterwards and may outlive this client.
    SoapCall *start(const QString &operation, const QStringList &arguments);

    /// \brief Starts a call that answers \a challenge, from an earlier call's 401, with
    /// \a credentials: Basic, or Digest computed for the challenge's nonce.
    ///
    /// This is the one request that follows a 401, which means the first was not taken; the
    /// message leaves once more, never twice more (libcurl does no rounds of its own). Should
    /// the description now give another service's address (scheme, host or port) than the one
    /// that asked, nothing is sent: the password goes only where it was asked for. Credentials
    /// in the description's address are not used for this call.
    SoapCall *start(const QString &operation, const QStringList &arguments, const AuthChallenge &challenge,
                    const HttpCredentials &credentials);

    /// \brief Calls \a operation with positional text \a arguments and waits for the outcome.
    ///
    /// Waits in a local event loop that excludes user input (windows still repaint) until the
    /// outcome, at most about the timeout. Needs a QCoreApplication.
    SoapCallResult invoke(const QString &operation, const QStringList &arguments);

    /// How long a call may take in all, connection included; 30 seconds unless set.
    void setTimeout(std::chrono::milliseconds timeout);
    std::chrono::milliseconds timeout() const { return m_timeout; }

    /// Why MSSoapInit() failed, in plain words: one sentence.
    QString errorString() const { return m_errorString; }

private:
    SoapCall *startCall(const QString &operation, const QStringList &arguments, const AuthChallenge *challenge,
                        const HttpCredentials *credentials);

    std::unique_ptr<WsdlReader> m_description;
    QString m_serviceName;
    QString m_portName;
    QString m_errorString;
    std::chrono::milliseconds m_timeout{30000};
};
