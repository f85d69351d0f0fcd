// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>

#include <memory>

class QProcess;

/// \brief The local SMS gateway (tools/sms_gateway.py) running on a free port on 127.0.0.1.
///
/// The gateway's outbox and its service description live in a temporary folder owned by this
/// object; the process ends with it.
class GatewayProcess final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GatewayProcess)

public:
    explicit GatewayProcess(QObject *parent = nullptr);
    ~GatewayProcess() override;

    /// \brief Starts the gateway and waits until it accepts connections.
    ///
    /// \a extraArguments go to the gateway as they are, e.g. {"--fault", "text"} or
    /// {"--delay", "2"}. False with errorString() set when it does not come up in time.
    bool start(const QStringList &extraArguments = {});
    /// \brief Starts the gateway so that it takes only requests signed in as \a user with
    /// \a password (given to it in a file of the temporary folder, never as an argument).
    bool startSignedIn(const QString &user, const QString &password, const QStringList &extraArguments = {});

    /// Ends the gateway; start() may be called again afterwards, with an empty outbox.
    void stop();

    /// The service description written by the gateway, pointing at its actual port.
    QString wsdlFile() const;
    /// Where the gateway takes SOAP requests, e.g. http://127.0.0.1:40123/.
    QUrl endpoint() const { return m_endpoint; }
    /// One object per message the gateway has accepted so far, oldest first.
    QList<QJsonObject> outbox() const;
    QString errorString() const { return m_errorString; }

private:
    QString outboxFile() const;

    QTemporaryDir m_folder;
    std::unique_ptr<QProcess> m_process;
    QUrl m_endpoint;
    QString m_errorString;
};
