// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "signin/signinprompt.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

SignInPrompt::~SignInPrompt() = default;

QString SignInPrompt::clearTextRefusal(const AuthChallenge &challenge) const
{
    return QCoreApplication::translate("SignInPrompt",
                                       "you chose not to send your password unencrypted to the SMS service at %1")
        .arg(challenge.where());
}
