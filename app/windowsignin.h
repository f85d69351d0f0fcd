// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>

class CredentialStore;
class QAction;
class QWidget;
class SignInPrompt;
class WidgetSignInPrompt;
struct Prompts;

// Signing in to the SMS service from the main window: the credential store
// (the desktop's keyring) and the sign-in dialog that every send uses, the
// keyring's notice when it cannot be used, and "Forget the saved password".
// The service is the one the description names, as sending/ reads it.
class WindowSignIn final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WindowSignIn)

public:
    // Asks over `window` and tells through `prompts`; both must outlive this.
    WindowSignIn(QWidget &window, const Prompts &prompts);
    ~WindowSignIn() override;

    CredentialStore *credentialStore() const { return m_credentials; }
    SignInPrompt *prompt() const;

    // While a send is under way the keyring's notice waits for its outcome,
    // so that it never comes between the user and the sign-in dialog.
    void setSendInProgress(bool sending);

    // Enabled while `descriptionFile` names a service; otherwise its tool
    // tip says why not.
    void updateForgetItem(QAction &item, const QString &descriptionFile) const;
    // Forgets what is kept for the service that `descriptionFile` names, and says so.
    void forgetPassword(const QString &descriptionFile);

private:
    // The keyring cannot be used: told once, with what it said itself as the details.
    void tellKeyringNotice();

    QWidget &m_window;
    const Prompts &m_prompts;
    CredentialStore *m_credentials = nullptr;
    WidgetSignInPrompt *m_prompt = nullptr;
    bool m_sendInProgress = false;
    bool m_noticeTold = false;
};
