// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "soap/soapclient.h"

#include "soap/soapoperation.h"
#include "soap/soapreplyreader.h"
#include "soap/soaprequestwriter.h"
#include "soap/wsdlreader.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QSslError>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

QString describeNetworkError(QNetworkReply::NetworkError error, const QUrl &url, const QString &detail)
{
    const QString host = url.host();
    const QString where = url.port() > 0 ? u"%1:%2"_s.arg(host).arg(url.port()) : host;
    switch (error) {
    case QNetworkReply::ConnectionRefusedError:
        return u"The SMS service at %1 refused the connection. It may not be running."_s.arg(where);
    case QNetworkReply::HostNotFoundError:
        return u"The SMS service's computer %1 could not be found. Check the network connection."_s.arg(host);
    case QNetworkReply::RemoteHostClosedError:
        return u"The SMS service at %1 closed the connection before answering."_s.arg(where);
    case QNetworkReply::SslHandshakeFailedError:
        return u"A secure connection to the SMS service at %1 could not be established: %2"_s.arg(where, detail);
    case QNetworkReply::ProxyConnectionRefusedError:
    case QNetworkReply::ProxyConnectionClosedError:
    case QNetworkReply::ProxyNotFoundError:
    case QNetworkReply::ProxyTimeoutError:
    case QNetworkReply::ProxyAuthenticationRequiredError:
        return u"The SMS service could not be reached through the proxy: %1"_s.arg(detail);
    default:
        return u"The SMS service at %1 could not be reached: %2"_s.arg(where, detail);
    }
}

} // namespace

SoapClient::SoapClient(QObject *parent)
    : SoapClient(nullptr, parent)
{
}

SoapClient::SoapClient(QNetworkAccessManager *network, QObject *parent)
    : QObject(parent)
    , m_network(network ? network : new QNetworkAccessManager(this))
{
    // The manager follows the application proxy, which by default is the system's proxy
    // configuration; TLS errors are never ignored, so certificates are always verified.
}

SoapClient::~SoapClient() = default;

bool SoapClient::MSSoapInit(const QString &wsdlFile, const QString &serviceName, const QString &portName,
                            const QString &wsmlFile)
{
    m_description.reset();
    m_errorString.clear();
    if (!wsmlFile.isEmpty()) {
        m_errorString = u"Mapping files (WSML) are not supported."_s;
        return false;
    }
    auto description = std::make_unique<WsdlReader>();
    if (!description->readFile(wsdlFile) || !description->checkPort(serviceName, portName)) {
        m_errorString = description->errorString();
        return false;
    }
    m_description = std::move(description);
    m_serviceName = serviceName;
    m_portName = portName;
    return true;
}

void SoapClient::setTimeout(std::chrono::milliseconds timeout)
{
    m_timeout = timeout;
}

SoapCallResult SoapClient::invoke(const QString &operation, const QStringList &arguments)
{
    SoapCallResult result;
    if (!m_description) {
        result.errorString = m_errorString.isEmpty() ? u"The SOAP client has not been initialised."_s : m_errorString;
        return result;
    }
    if (m_busy) {
        result.errorString = u"A call to the SMS service is already under way."_s;
        return result;
    }
    const auto op = m_description->operation(operation, m_serviceName, m_portName);
    if (!op) {
        result.errorString = m_description->errorString();
        return result;
    }
    const SoapRequest request = SoapRequestWriter::write(*op, arguments);
    if (!request.isValid()) {
        result.errorString = request.errorString;
        return result;
    }

    QNetworkRequest httpRequest(op->endpoint);
    httpRequest.setHeader(QNetworkRequest::ContentTypeHeader, request.contentType);
    if (!request.soapActionHeader.isEmpty())
        httpRequest.setRawHeader("SOAPAction", request.soapActionHeader);
    httpRequest.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);

    m_busy = true;
    QPointer<QNetworkReply> reply = m_network->post(httpRequest, request.body);
    QByteArray body;
    bool timedOut = false;
    bool tooLarge = false;
    QStringList sslErrors;
    QEventLoop loop;

    auto *timer = new QTimer(reply);
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, reply, [&timedOut, reply] {
        timedOut = true;
        reply->abort();
    });
    connect(reply, &QNetworkReply::readyRead, reply, [&body, &tooLarge, reply] {
        body += reply->read(SoapReplyReader::MaximumReplySize + 1 - body.size());
        if (body.size() > SoapReplyReader::MaximumReplySize) {
            tooLarge = true;
            reply->abort();
        }
    });
    connect(reply, &QNetworkReply::sslErrors, reply, [&sslErrors](const QList<QSslError> &errors) {
        for (const QSslError &e : errors)
            sslErrors.append(e.errorString());
    });
    connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    timer->start(m_timeout);

    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    m_busy = false;

    if (!reply) {
        result.errorString = u"The call to the SMS service was interrupted."_s;
        return result;
    }
    reply->deleteLater();
    if (!tooLarge && reply->isOpen())
        body += reply->read(SoapReplyReader::MaximumReplySize + 1 - body.size());

    if (timedOut) {
        result.errorString = u"The SMS service did not answer within %1 seconds."_s.arg(
            QString::number(double(m_timeout.count()) / 1000.0));
        return result;
    }
    if (tooLarge || body.size() > SoapReplyReader::MaximumReplySize) {
        result.errorString = u"The SMS service sent a reply too large to be an answer (over %1 KiB)."_s.arg(
            SoapReplyReader::MaximumReplySize / 1024);
        return result;
    }
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!status.isValid()) {
        // No HTTP answer at all: the connection, the name lookup or TLS failed.
        const QString detail = sslErrors.isEmpty() ? reply->errorString() : sslErrors.join(u"; "_s);
        const QNetworkReply::NetworkError error =
            sslErrors.isEmpty() ? reply->error() : QNetworkReply::SslHandshakeFailedError;
        result.errorString = describeNetworkError(error, op->endpoint, detail);
        return result;
    }
    return SoapReplyReader::read(status.toInt(), reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toByteArray(),
                                 body);
}
