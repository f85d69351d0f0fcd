// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "signin/signindialog.h"
#include "signin/signinprompt.h"

#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QSet>

// The window's way of asking: SignInDialog for the credentials and a Yes/No
// question before a password would travel unencrypted, both window-modal over
// `window` and opened with open(), so the window's event loop keeps running.
// A Yes to the question holds for that service as long as this prompt lives.
class WidgetSignInPrompt final : public QObject, public SignInPrompt
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WidgetSignInPrompt)

public:
    explicit WidgetSignInPrompt(QWidget *window);
    ~WidgetSignInPrompt() override;

    void askForCredentials(const Question &question, std::function<void(const Answer &)> answer) override;
    void confirmClearText(const AuthChallenge &challenge, std::function<void(ClearText)> answer) override;

    // The dialog or question now open; null when none is.
    SignInDialog *openDialog() const { return m_dialog; }
    QMessageBox *openQuestion() const { return m_question; }

    // "... would travel unencrypted ...": Yes and No, No the default (and Escape).
    static QMessageBox *clearTextQuestion(const AuthChallenge &challenge, QWidget *parent);
    static QString clearTextText(const AuthChallenge &challenge);

private:
    QPointer<QWidget> m_window;
    QPointer<SignInDialog> m_dialog;
    QPointer<QMessageBox> m_question;
    QSet<QString> m_clearTextAccepted;
};
