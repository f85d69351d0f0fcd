// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "soap/authchallenge.h"
#include "soap/httpcredentials.h"

#include <QString>

#include <functional>

// How the user is asked to sign in, for SignInFlow: the window answers with
// its dialog and a Yes/No question, the command line from its flags
// (--user NAME with KORVANE_PASSWORD or --password-stdin) without asking.
//
// Each question is answered exactly once through its callback, at once or
// later (a dialog opened with open()); an answer for a flow that has ended
// meanwhile is ignored.
class SignInPrompt
{
public:
    struct Question
    {
        AuthChallenge challenge;
        // The user name to offer: the one tried last; empty at first.
        QString user;
        // Why the user is asked again, as a sentence ("The user name or
        // password was not accepted."); empty the first time.
        QString failure;
    };

    struct Answer
    {
        enum class Choice { SignIn, Cancel };
        Choice choice = Choice::Cancel;
        HttpCredentials credentials;
        // Keep the credentials in the secret store once the service took them.
        bool remember = true;
        // Cancel only: why the send ends, to be read inside a sentence; empty
        // for "the SMS service asked you to sign in". The command line, which
        // never asks, says here what to give it instead.
        QString reason;
    };

    enum class ClearText { Send, DoNotSend };

    virtual ~SignInPrompt();

    // The service behind `question.challenge` asks to sign in: which user
    // name and password?
    virtual void askForCredentials(const Question &question, std::function<void(const Answer &)> answer) = 0;
    // Answering `challenge` would send the password unencrypted
    // (AuthChallenge::sendsPasswordInClear()): send it all the same? The
    // careful answer, DoNotSend, is the default.
    virtual void confirmClearText(const AuthChallenge &challenge, std::function<void(ClearText)> answer) = 0;
    // Why the send ends after DoNotSend, to be read inside a sentence: by
    // default that the user chose not to send the password unencrypted.
    virtual QString clearTextRefusal(const AuthChallenge &challenge) const;
};
