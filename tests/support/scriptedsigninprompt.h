// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "signin/signinprompt.h"

#include <QList>

#include <deque>

// Answers sign-in questions from a script, at once: the answers in order, then
// Cancel; the clear-text question with `clearText`. Keeps what it was asked.
class ScriptedSignInPrompt final : public SignInPrompt
{
public:
    std::deque<Answer> answers;
    ClearText clearText = ClearText::DoNotSend;
    QList<Question> questions;
    int clearTextQuestions = 0;

    void askForCredentials(const Question &question, std::function<void(const Answer &)> answer) override
    {
        questions.append(question);
        Answer next;
        if (!answers.empty()) {
            next = answers.front();
            answers.pop_front();
        }
        answer(next);
    }

    void confirmClearText(const AuthChallenge &, std::function<void(ClearText)> answer) override
    {
        ++clearTextQuestions;
        answer(clearText);
    }
};
