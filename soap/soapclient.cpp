// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "soap/soapclient.h"

#include "common/sentences.h"
#include "soap/authchallenge.h"
#include "soap/httpauthorization.h"
#include "soap/httpcredentials.h"
#include "soap/httppost.h"
#include "soap/httptransport.h"
#include "soap/soapcall.h"
#include "soap/soapoperation.h"
#include "soap/soaprequestwriter.h"
#include "soap/wsdlreader.h"

#include <QEventLoop>
#include <QPointer>
#include <QTimer>

using namespace std::chrono_literals;

void SoapClient::prepareTransport()
{
    HttpTransport::prepare();
}

SoapClient::SoapClient(QObject *parent)
    : QObject(parent)
{
}

SoapClient::~SoapClient() = default;

bool SoapClient::MSSoapInit(const QString &wsdlFile, const QString &serviceName, const QString &portName,
                            const QString &wsmlFile)
{
    m_description.reset();
    m_errorString.clear();
    if (!wsmlFile.isEmpty()) {
        m_errorString = tr("Mapping files (WSML) are not supported.");
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

QUrl SoapClient::endpoint(const QString &operation)
{
    if (!m_description)
        return QUrl();
    const auto op = m_description->operation(operation, m_serviceName, m_portName);
    return op ? op->endpoint : QUrl();
}

SoapCall *SoapClient::start(const QString &operation, const QStringList &arguments)
{
    return startCall(operation, arguments, nullptr, nullptr);
}

SoapCall *SoapClient::start(const QString &operation, const QStringList &arguments, const AuthChallenge &challenge,
                            const HttpCredentials &credentials)
{
    return startCall(operation, arguments, &challenge, &credentials);
}

SoapCall *SoapClient::startCall(const QString &operation, const QStringList &arguments,
                                const AuthChallenge *challenge, const HttpCredentials *credentials)
{
    auto *call = new SoapCall;
    if (!m_description) {
        call->finishLater(SoapCallResult::notSent(Sentences::clauseOf(
            m_errorString.isEmpty() ? tr("The SOAP client has not been initialised.") : m_errorString)));
        return call;
    }
    auto op = m_description->operation(operation, m_serviceName, m_portName);
    if (!op) {
        call->finishLater(SoapCallResult::notSent(Sentences::clauseOf(m_description->errorString())));
        return call;
    }
    const SoapRequest request = SoapRequestWriter::write(*op, arguments);
    if (!request.isValid()) {
        call->finishLater(SoapCallResult::notSent(Sentences::clauseOf(request.errorString)));
        return call;
    }
    HttpPostRequest post;
    post.url = op->endpoint;
    post.body = request.body;
    post.contentType = request.contentType;
    post.soapAction = request.soapActionHeader;
    post.timeout = m_timeout;
    post.proxy = ProxyChoice::forUrl(op->endpoint);
    if (challenge && credentials) {
        // The challenge names the service that asked; the description is read anew for every
        // send and may have changed since.
        if (!challenge->isFrom(op->endpoint)) {
            call->finishLater(SoapCallResult::notSent(
                tr("the service's address in the description is no longer that of the service at %1, which asked you "
                   "to sign in, so the password was not sent")
                    .arg(challenge->where())));
            return call;
        }
        post.authorization = HttpAuthorization::header(*challenge, *credentials, "POST",
                                                       HttpAuthorization::requestTarget(op->endpoint),
                                                       HttpAuthorization::newClientNonce());
    }
    call->run(std::move(post), std::move(*op));
    return call;
}

SoapCallResult SoapClient::invoke(const QString &operation, const QStringList &arguments)
{
    QPointer<SoapCall> call = start(operation, arguments);
    SoapCallResult result;
    QEventLoop loop;
    connect(call.data(), &SoapCall::finished, &loop, [&result, &loop](const SoapCallResult &outcome) {
        result = outcome;
        loop.quit();
    });
    // The transfer ends by its own timeout; should it not, stop waiting a little later.
    QTimer backstop;
    backstop.setSingleShot(true);
    connect(&backstop, &QTimer::timeout, call.data(), &SoapCall::abort);
    backstop.start(m_timeout + 5s);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    // Should the loop have ended early (the application quits), the outcome is still told truly.
    if (call && !call->isFinished()) {
        call->finishWithoutEventLoop();
        result = call->result();
    }
    // Nobody else knows this call: end it here rather than leave it to an event loop that a
    // caller without one (a command line, a test) may never run again.
    delete call.data();
    return result;
}
