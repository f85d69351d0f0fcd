// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sending/messagesend.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>

#include <chrono>

class CredentialStore;
class HistoryStore;
class QLabel;
class QWidget;
class SignInPrompt;
class frmFinishing;
struct OutgoingMessage;

// The main window's send, one at a time, carried off the user's way: the
// window stays usable while MessageSend sends the texts taken when "Send" was
// pressed and records them in the history. Progress and outcome are shown on
// the window's status line, "Sending to Ann…" and then "Sent to Ann at
// 14:05", so that a message that went needs no box. A window that is closed
// during a send waits for its outcome.
class SendTracker final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SendTracker)

public:
    // Both must outlive the tracker.
    SendTracker(HistoryStore &history, QLabel &statusLine, QObject *parent = nullptr);
    ~SendTracker() override;

    bool isSending() const;
    // How the sends sign in where a service asks them to (MessageSend::setSignIn()).
    void setSignIn(CredentialStore *store, SignInPrompt *prompt)
    {
        m_credentialStore = store;
        m_prompt = prompt;
    }
    // Starts a send; finished() follows once, never before start() returns.
    void start(const OutgoingMessage &message, const QString &descriptionFile, std::chrono::milliseconds timeout);

    // Why the history could not record a finished send, to be told to the
    // user; empty when it did, or when its row was deleted while it was sent.
    QString historyProblem(const MessageSend::Result &result) const;

    // Whether the closing of `window` must wait for the send under way:
    // frmFinishing then says so over it, and the window is closed again once
    // the outcome is known and told, or as soon as the user chooses "Close
    // now", after which the close no longer waits.
    bool holdsClose(QWidget &window);

    // The status line's words.
    static QString sendingText(const QString &recipient);
    static QString outcomeText(MessageSend::Outcome outcome, const QString &recipient, const QDateTime &time);

signals:
    // Once per start(), after the status line shows the outcome.
    void finished(const MessageSend::Result &result);

private:
    void sendEnded(const MessageSend::Result &result);
    void showStatus(const QString &textBeforeName, const QString &recipient, const QString &textAfterName);
    // How long the send may still take by its own timeout.
    std::chrono::milliseconds timeLeft() const;

    HistoryStore &m_history;
    QLabel &m_statusLine;
    QPointer<MessageSend> m_send;
    CredentialStore *m_credentialStore = nullptr;
    SignInPrompt *m_prompt = nullptr;
    std::chrono::milliseconds m_timeout{0};
    QElapsedTimer m_clock;
    QPointer<frmFinishing> m_finishing;
    bool m_closeNow = false;
};
