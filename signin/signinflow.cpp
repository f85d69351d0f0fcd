// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "signin/signinflow.h"

#include "credentials/credentialstore.h"
#include "soap/soapcall.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

QString failureOf(bool fromStore, bool fromAddress)
{
    if (fromAddress)
        return SignInFlow::tr("The user name or password in the service description was not accepted.");
    return fromStore ? SignInFlow::tr("The saved user name or password was not accepted.")
                     : SignInFlow::tr("The user name or password was not accepted.");
}

} // namespace

SignInFlow::SignInFlow(CredentialStore *store, SignInPrompt *prompt, QObject *parent)
    : QObject(parent)
    , m_store(store)
    , m_prompt(prompt)
{
}

SignInFlow::~SignInFlow() = default;

void SignInFlow::start(StartCall startCall)
{
    Q_ASSERT(!m_started);
    if (m_started)
        return;
    m_started = true;
    m_startCall = std::move(startCall);
    send(std::nullopt);
}

SoapCallResult SignInFlow::run(StartCall startCall)
{
    QEventLoop loop;
    connect(this, &SignInFlow::finished, &loop, &QEventLoop::quit);
    start(std::move(startCall));
    if (!m_finished)
        loop.exec();
    return m_result;
}

void SignInFlow::send(const std::optional<SignIn> &signIn)
{
    ++m_requests;
    m_signedInRequest = signIn.has_value();
    SoapCall *call = m_startCall(signIn);
    connect(call, &SoapCall::finished, this, &SignInFlow::callEnded);
}

void SignInFlow::callEnded(const SoapCallResult &result)
{
    if (m_finished)
        return;
    if (!result.challenge) {
        // The service answered past the sign-in (or never got to it): that is the outcome.
        const bool taken = result.ok() || result.isFault;
        if (m_signedInRequest && taken && m_remember && m_source == Source::User && m_store)
            m_store->store(m_challenge, m_tried);
        finish(result);
        return;
    }
    challenged(result);
}

void SignInFlow::challenged(const SoapCallResult &result)
{
    // A later challenge carries a fresh nonce (and may name another realm): answer that one.
    m_challenge = *result.challenge;
    if (!result.signInRefused) {
        whenClearTextAccepted([this] {
            if (m_given) {
                sendWith(*m_given, Source::Given, false);
                return;
            }
            lookUpOrAsk();
        });
        return;
    }
    // Credentials in the description's address were refused on the first request.
    const bool fromAddress = !m_signedInRequest;
    if (++m_refusals >= MaximumRefusals) {
        const QString realm = m_challenge.displayRealm();
        if (realm.isEmpty()) {
            finish(SoapCallResult::notSent(
                tr("the SMS service at %1 did not accept the user name and password three times")
                    .arg(m_challenge.where())));
            return;
        }
        //: %2 is the name the service gives the place it asks to sign in to (its realm).
        finish(SoapCallResult::notSent(
            tr("the SMS service at %1 did not accept the user name and password for %2 three times")
                .arg(m_challenge.where(), realm)));
        return;
    }
    const QString failure = failureOf(m_source == Source::Store, fromAddress);
    whenClearTextAccepted([this, failure] { ask(failure); });
}

void SignInFlow::whenClearTextAccepted(std::function<void()> next)
{
    if (!m_challenge.sendsPasswordInClear() || m_clearTextAccepted) {
        next();
        return;
    }
    QPointer<SignInFlow> self(this);
    m_prompt->confirmClearText(m_challenge, [self, next = std::move(next)](SignInPrompt::ClearText answer) {
        // Continues from the event loop: a prompt may answer within the call that asked.
        QTimer::singleShot(0, self, [self, next, answer] {
            if (!self || self->m_finished)
                return;
            if (answer == SignInPrompt::ClearText::DoNotSend) {
                self->finish(SoapCallResult::notSent(self->m_prompt->clearTextRefusal(self->m_challenge)));
                return;
            }
            self->m_clearTextAccepted = true;
            next();
        });
    });
}

void SignInFlow::lookUpOrAsk()
{
    if (!m_store) {
        ask(QString());
        return;
    }
    m_store->lookUp(m_challenge, this, [this](const std::optional<HttpCredentials> &kept) {
        if (m_finished)
            return;
        if (kept)
            sendWith(*kept, Source::Store, false);
        else
            ask(QString());
    });
}

void SignInFlow::ask(const QString &failure)
{
    SignInPrompt::Question question;
    question.challenge = m_challenge;
    question.user = m_tried.user;
    question.failure = failure;
    QPointer<SignInFlow> self(this);
    m_prompt->askForCredentials(question, [self](const SignInPrompt::Answer &answer) {
        QTimer::singleShot(0, self, [self, answer] {
            if (!self || self->m_finished)
                return;
            if (answer.choice == SignInPrompt::Answer::Choice::Cancel) {
                self->finish(SoapCallResult::notSent(
                    answer.reason.isEmpty() ? SignInFlow::tr("the SMS service asked you to sign in") : answer.reason));
                return;
            }
            self->sendWith(answer.credentials, Source::User, answer.remember);
        });
    });
}

void SignInFlow::sendWith(const HttpCredentials &credentials, Source source, bool remember)
{
    m_tried = credentials;
    m_source = source;
    m_remember = remember;
    send(SignIn{m_challenge, credentials});
}

void SignInFlow::finish(const SoapCallResult &result)
{
    if (m_finished)
        return;
    m_finished = true;
    m_result = result;
    emit finished(m_result);
}
