// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "signin/signinprompt.h"

// How `korvane send` answers a service that asks to sign in: never by asking,
// since a command runs from scripts and cron as often as from a terminal. The
// credentials come from --user with KORVANE_PASSWORD or --password-stdin (given
// to the send beforehand) or from the keyring; when they are missing or
// refused, the send ends as not sent, and the reason says what to give instead.
// A password goes unencrypted only with --allow-unencrypted.
class CommandLinePrompt final : public SignInPrompt
{
public:
    enum class ClearText { Refuse, Allow };
    enum class Credentials { None, Given };

    CommandLinePrompt(ClearText clearText, Credentials credentials)
        : m_clearText(clearText)
        , m_credentials(credentials)
    {
    }

    void askForCredentials(const Question &question, std::function<void(const Answer &)> answer) override;
    void confirmClearText(const AuthChallenge &challenge,
                          std::function<void(SignInPrompt::ClearText)> answer) override;
    QString clearTextRefusal(const AuthChallenge &challenge) const override;

private:
    ClearText m_clearText;
    Credentials m_credentials;
};
