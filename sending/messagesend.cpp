// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sending/messagesend.h"

#include "common/sentences.h"
#include "credentials/credentialstore.h"
#include "history/historystore.h"
#include "sending/serviceaddress.h"
#include "signin/signinflow.h"
#include "soap/messagetext.h"
#include "soap/soapcall.h"
#include "soap/soapclient.h"

#include <QEventLoop>
#include <QTimer>

namespace {

const QString operationName = ServiceAddress::operationName();

HistoryRecord::State stateOf(MessageSend::Outcome outcome)
{
    switch (outcome) {
    case MessageSend::Outcome::Sent:
        return HistoryRecord::State::Sent;
    case MessageSend::Outcome::NotSent:
        return HistoryRecord::State::NotSent;
    case MessageSend::Outcome::NotKnown:
        break;
    }
    return HistoryRecord::State::NotKnown;
}

} // namespace

MessageSend::MessageSend(const OutgoingMessage &message, const QString &descriptionFile, HistoryStore *history,
                         QObject *parent)
    : QObject(parent)
    , m_message(message)
    , m_descriptionFile(descriptionFile)
    , m_history(history)
{
}

MessageSend::~MessageSend() = default;

void MessageSend::setSignIn(CredentialStore *store, SignInPrompt *prompt)
{
    Q_ASSERT(!m_started);
    m_credentialStore = store;
    m_prompt = prompt;
}

QString MessageSend::outcomeText(Outcome outcome, const QString &reason)
{
    switch (outcome) {
    case Outcome::Sent:
        return QString();
    case Outcome::NotSent:
        //: %1 why, as a whole sentence.
        return tr("Your message was not sent. %1").arg(Sentences::sentenceOf(reason));
    case Outcome::NotKnown:
        // Never "not sent" here: a user who reads that after the message did go sends it twice.
        //: %1 why, as a clause that starts with a small letter and has no full stop.
        return tr("It is not known whether your message was sent: %1. Check with the recipient before you send it "
                  "again.")
            .arg(Sentences::clauseOf(reason));
    }
    return QString();
}

void MessageSend::start()
{
    Q_ASSERT(!m_started);
    if (m_started)
        return;
    m_started = true;
    m_startedAt = QDateTime::currentDateTimeUtc();
    m_clock.start();

    // The client only writes the requests; a call it starts owns itself and
    // reports here even when this client is gone.
    m_client = std::make_unique<SoapClient>();
    m_client->setTimeout(m_timeout);
    const bool described = m_client->MSSoapInit(m_descriptionFile);
    if (described) {
        m_endpoint = m_client->endpoint(operationName);
        // The transport loads while the history records the send. Its
        // loading holds the dynamic loader, which the history's SQLite
        // driver would wait for: that is loaded first.
        if (m_history)
            HistoryStore::loadDriver();
        SoapClient::prepareTransport();
    }

    // The row is written before anything can leave, so that a send the
    // program does not live to finish is still on record.
    if (m_history) {
        HistoryRecord row;
        row.time = m_startedAt;
        row.senderName = m_message.fromName;
        row.senderNumber = m_message.fromNumber;
        row.recipientName = m_message.toName;
        row.recipientNumber = m_message.toNumber;
        row.message = m_message.text;
        row.culture = m_message.culture;
        row.endpoint = m_endpoint.toString(QUrl::RemoveUserInfo);
        m_result.historyId = m_history->begin(row);
        if (!m_result.historyId)
            m_result.historyError = m_history->errorString();
    }

    if (!described) {
        const QString reason = Sentences::clauseOf(m_client->errorString());
        m_client.reset();
        QTimer::singleShot(0, this, [this, reason] { finish(Outcome::NotSent, reason); });
        return;
    }
    if (!m_prompt) {
        SoapCall *call = m_client->start(operationName, m_message.arguments());
        m_client.reset();
        connect(call, &SoapCall::finished, this, &MessageSend::callEnded);
        return;
    }
    m_signIn = new SignInFlow(m_credentialStore, m_prompt, this);
    if (m_credentials)
        m_signIn->setCredentials(*m_credentials);
    connect(m_signIn, &SignInFlow::finished, this, &MessageSend::callEnded);
    m_signIn->start([this](const std::optional<SignInFlow::SignIn> &signIn) {
        const QStringList arguments = m_message.arguments();
        return signIn ? m_client->start(operationName, arguments, signIn->challenge, signIn->credentials)
                      : m_client->start(operationName, arguments);
    });
}

MessageSend::Result MessageSend::run()
{
    QEventLoop loop;
    connect(this, &MessageSend::finished, &loop, &QEventLoop::quit);
    start();
    if (!m_finished)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    return m_result;
}

void MessageSend::callEnded(const SoapCallResult &result)
{
    finish(result.outcome, result.reason);
}

void MessageSend::finish(Outcome outcome, const QString &reason)
{
    if (m_finished)
        return;
    m_finished = true;
    m_client.reset();
    m_result.outcome = outcome;
    // Every path to here already leaves passwords out; this is the last gate before the words
    // reach the disk and the user, should a new one forget.
    m_result.reason = outcome == Outcome::Sent ? QString() : MessageText::withoutPasswords(reason);
    m_result.duration = std::chrono::milliseconds(m_clock.elapsed());
    if (m_history && m_result.historyId) {
        const QString words = m_result.reason.isEmpty() ? QString() : Sentences::sentenceOf(m_result.reason);
        if (!m_history->finish(*m_result.historyId, stateOf(outcome), words, m_result.duration)
            && m_result.historyError.isEmpty())
            m_result.historyError = m_history->errorString();
    }
    emit finished(m_result);
}
