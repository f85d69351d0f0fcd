// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "signin/signinprompt.h"
#include "soap/httpcredentials.h"

#include <QDialog>

#include <memory>

namespace Ui {
class SignInDialog;
}

// "The SMS service at <host> asks you to sign in (<realm>)": a user name, a
// password (never shown), "Remember" (checked unless the user unchecks it),
// OK and Cancel. Asked again after a refusal, it names the failure above the
// fields and offers the user name tried last, the password field empty.
class SignInDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SignInDialog)

public:
    explicit SignInDialog(const SignInPrompt::Question &question, QWidget *parent = nullptr);
    ~SignInDialog() override;

    HttpCredentials credentials() const;
    bool remember() const;

    // The dialog's first line for `challenge`.
    static QString headingOf(const AuthChallenge &challenge);

private:
    void updateOk();

    std::unique_ptr<Ui::SignInDialog> m_ui;
};
