// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "soap/soapcallresult.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <chrono>
#include <memory>

class QNetworkAccessManager;
class WsdlReader;

/// \brief A SOAP client initialised from a WSDL 1.1 file that calls its operations by name.
///
/// One client serves one send: MSSoapInit() reads the description, invoke() writes the request,
/// posts it over HTTP or HTTPS and waits for the reply. Certificates are always verified and the
/// system proxy settings apply.
class SoapClient final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SoapClient)

public:
    explicit SoapClient(QObject *parent = nullptr);
    /// \brief A client that sends through \a network, which must outlive it.
    ///
    /// A manager shared by many clients keeps its HTTP thread and connections between calls,
    /// which spares every call the cost of starting them; a null \a network gives the client
    /// a manager of its own.
    explicit SoapClient(QNetworkAccessManager *network, QObject *parent = nullptr);
    ~SoapClient() override;

    /// \brief Reads and checks the description; false with errorString() set on failure.
    ///
    /// Empty \a serviceName and \a portName pick the first suitable port. A mapping file is not
    /// supported: a non-empty \a wsmlFile is an error.
    bool MSSoapInit(const QString &wsdlFile, const QString &serviceName = QString(),
                    const QString &portName = QString(), const QString &wsmlFile = QString());

    /// \brief Calls \a operation with positional text \a arguments and waits for the outcome.
    ///
    /// Blocks in a local event loop that excludes user input (windows still repaint) until the
    /// reply, a failure or the timeout. Nothing is sent when the request cannot be written.
    SoapCallResult invoke(const QString &operation, const QStringList &arguments);

    /// How long invoke() waits for the whole exchange; 30 seconds unless set.
    void setTimeout(std::chrono::milliseconds timeout);
    std::chrono::milliseconds timeout() const { return m_timeout; }

    /// Why MSSoapInit() failed, in plain words.
    QString errorString() const { return m_errorString; }

private:
    std::unique_ptr<WsdlReader> m_description;
    QNetworkAccessManager *m_network = nullptr;
    QString m_serviceName;
    QString m_portName;
    QString m_errorString;
    std::chrono::milliseconds m_timeout{30000};
    bool m_busy = false;
};
