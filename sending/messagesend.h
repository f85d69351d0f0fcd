// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sending/outgoingmessage.h"
#include "soap/httpcredentials.h"
#include "soap/soapcallresult.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

#include <chrono>
#include <memory>
#include <optional>

class CredentialStore;
class HistoryStore;
class SignInFlow;
class SignInPrompt;
class SoapClient;

// One send of one message, from the press of "Send" to its outcome, kept in
// the history. The window and the command line both send through this class,
// so that they never disagree about what "sent" means or what is recorded.
//
// start() reads the service description, writes the history's row in state
// "sending" before the request leaves, and starts the call; finished() tells
// the outcome once, after the row has been given it. A description that
// cannot be used, or a request that cannot be written, ends as not sent and is
// recorded all the same: every press of "Send" that passed the checks has its
// row. When the history cannot be written, the message is sent anyway and
// Result::historyError says why it went unrecorded.
//
// A service that asks to sign in (401) is answered through SignInFlow when
// setSignIn() gave a prompt: the row stays the one written before the first
// request and takes the outcome of the last. Without a prompt the send ends
// as not sent at the 401, which is what it means.
//
// The caller runs SendChecks first; start() sends what it is given.
class MessageSend final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MessageSend)

public:
    using Outcome = SoapCallResult::Outcome;

    struct Result
    {
        Outcome outcome = Outcome::NotSent;
        // Why it was not confirmed, to be read inside a sentence; empty when sent.
        QString reason;
        // The history's row of this send; none when it could not be written.
        std::optional<qint64> historyId;
        // Why the history could not record this send; empty when it did.
        QString historyError;
        std::chrono::milliseconds duration{0};
    };

    // `history` may be null (nothing is recorded then) and must outlive the send.
    MessageSend(const OutgoingMessage &message, const QString &descriptionFile, HistoryStore *history,
                QObject *parent = nullptr);
    ~MessageSend() override;

    // How long the exchange with the service may take; 30 seconds unless set.
    void setTimeout(std::chrono::milliseconds timeout) { m_timeout = timeout; }

    // How this send signs in where the service asks it to: `prompt` asks the
    // user (or answers for the command line), `store` keeps the credentials of
    // services and may be null. Both must outlive the send.
    void setSignIn(CredentialStore *store, SignInPrompt *prompt);
    // Credentials to answer the service's first challenge with, before the
    // store or the prompt is asked (the command line's --user); never kept.
    void setCredentials(const HttpCredentials &credentials) { m_credentials = credentials; }

    // Starts the send; finished() follows, never before start() returns.
    void start();
    // Starts the send and waits for its outcome in a local event loop that
    // takes no user input: for callers without a window of their own.
    Result run();

    const OutgoingMessage &message() const { return m_message; }
    // When the send was started, in UTC.
    QDateTime startedAt() const { return m_startedAt; }
    // The service's address from the description; empty before start() or
    // when the description could not be used. It may carry a user name and
    // password: never show it as it is.
    QUrl endpoint() const { return m_endpoint; }
    bool isFinished() const { return m_finished; }
    const Result &result() const { return m_result; }

    // What the user is told of an outcome: nothing for a message that was
    // sent, "Your message was not sent. ..." or "It is not known whether your
    // message was sent: ...", which asks them to check before sending again.
    static QString outcomeText(Outcome outcome, const QString &reason);

signals:
    void finished(const MessageSend::Result &result);

private:
    void callEnded(const SoapCallResult &result);
    void finish(Outcome outcome, const QString &reason);

    OutgoingMessage m_message;
    QString m_descriptionFile;
    QPointer<HistoryStore> m_history;
    std::chrono::milliseconds m_timeout{std::chrono::seconds(30)};
    // Kept for the requests that answer a challenge, which read the same description.
    std::unique_ptr<SoapClient> m_client;
    QPointer<CredentialStore> m_credentialStore;
    SignInPrompt *m_prompt = nullptr;
    std::optional<HttpCredentials> m_credentials;
    SignInFlow *m_signIn = nullptr;
    QDateTime m_startedAt;
    QElapsedTimer m_clock;
    QUrl m_endpoint;
    Result m_result;
    bool m_started = false;
    bool m_finished = false;
};

Q_DECLARE_METATYPE(MessageSend::Result)
