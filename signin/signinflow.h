// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "signin/signinprompt.h"
#include "soap/authchallenge.h"
#include "soap/httpcredentials.h"
#include "soap/soapcallresult.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <optional>

class CredentialStore;
class SoapCall;

// Signing in for one send, whichever window or command line asks the user.
//
// The first request goes without credentials: which credentials belong to a
// service is known only once its challenge names the realm, and a Digest
// answer needs the nonce of that challenge anyway. When the service answers
// 401 with a Basic or Digest challenge (which means it did not take the
// message), the flow
//  1. asks first whether to send the password unencrypted, where it would be
//     (Basic over http:// to another computer); No ends the send as not sent;
//  2. takes credentials given in advance (setCredentials(), the command
//     line's), else those the store keeps for that service and realm, else
//     asks the user;
//  3. sends the message again, once, with them. A refusal (another 401) asks
//     the user again, naming the failure, until the third refusal, which ends
//     the send as not sent; Cancel ends it as not sent with "The SMS service
//     asked you to sign in.";
//  4. keeps credentials the user typed with "Remember" in the store once the
//     service has taken them (it answered past the sign-in: sent, or a SOAP
//     fault), never before.
// Every other outcome of a request is the send's outcome as it is.
//
// The flow starts the requests through a function given to start(), so that
// the caller keeps its own client (and the description it read); finished()
// tells the send's outcome once, never before start() returns.
class SignInFlow final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SignInFlow)

public:
    // The credentials a request answers a challenge with.
    struct SignIn
    {
        AuthChallenge challenge;
        HttpCredentials credentials;
    };
    // Starts one request of the send: without credentials, or answering a
    // challenge (SoapClient::start() with or without them).
    using StartCall = std::function<SoapCall *(const std::optional<SignIn> &signIn)>;

    static constexpr int MaximumRefusals = 3;

    // `store` and `prompt` must outlive the flow; `store` may be null (nothing is
    // looked up or remembered then).
    SignInFlow(CredentialStore *store, SignInPrompt *prompt, QObject *parent = nullptr);
    ~SignInFlow() override;

    // Credentials to answer the first challenge with, before the store or the
    // user is asked (the command line's --user); never remembered.
    void setCredentials(const HttpCredentials &credentials) { m_given = credentials; }

    void start(StartCall startCall);
    // start() and wait in a local event loop: for the command line, which has
    // no window; a window uses start(), so that its dialog takes input.
    SoapCallResult run(StartCall startCall);

    bool isFinished() const { return m_finished; }
    const SoapCallResult &result() const { return m_result; }
    // How many requests were started so far: 1 + one per answered challenge.
    int requests() const { return m_requests; }

signals:
    void finished(const SoapCallResult &result);

private:
    enum class Source { Given, Store, User };

    void send(const std::optional<SignIn> &signIn);
    void callEnded(const SoapCallResult &result);
    void challenged(const SoapCallResult &result);
    void whenClearTextAccepted(std::function<void()> next);
    void lookUpOrAsk();
    void ask(const QString &failure);
    void sendWith(const HttpCredentials &credentials, Source source, bool remember);
    void finish(const SoapCallResult &result);

    QPointer<CredentialStore> m_store;
    SignInPrompt *m_prompt;
    StartCall m_startCall;
    std::optional<HttpCredentials> m_given;
    AuthChallenge m_challenge;
    HttpCredentials m_tried;
    Source m_source = Source::User;
    bool m_remember = false;
    bool m_signedInRequest = false;
    bool m_clearTextAccepted = false;
    int m_refusals = 0;
    int m_requests = 0;
    bool m_started = false;
    bool m_finished = false;
    SoapCallResult m_result;
};
