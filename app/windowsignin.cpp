// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/windowsignin.h"

#include "app/prompts.h"
#include "credentials/credentialstore.h"
#include "sending/serviceaddress.h"
#include "signin/widgetsigninprompt.h"

#include <QAction>

namespace {

QString unknownService(const ServiceAddress &service)
{
    return WindowSignIn::tr("KORVANE cannot tell which SMS service to forget the password of. %1")
        .arg(service.problem);
}

} // namespace

WindowSignIn::WindowSignIn(QWidget &window, const Prompts &prompts)
    : QObject(&window)
    , m_window(window)
    , m_prompts(prompts)
    , m_credentials(new CredentialStore(CredentialStore::Backend::SecretStore, this))
    , m_prompt(new WidgetSignInPrompt(&window))
{
    connect(m_credentials, &CredentialStore::secretStoreUnavailable, this, [this] {
        if (!m_sendInProgress)
            tellKeyringNotice();
    });
}

WindowSignIn::~WindowSignIn() = default;

SignInPrompt *WindowSignIn::prompt() const
{
    return m_prompt;
}

void WindowSignIn::setSendInProgress(bool sending)
{
    m_sendInProgress = sending;
    if (!sending)
        tellKeyringNotice();
}

void WindowSignIn::updateForgetItem(QAction &item, const QString &descriptionFile) const
{
    const ServiceAddress service = ServiceAddress::of(descriptionFile);
    item.setEnabled(service.isKnown());
    item.setToolTip(service.isKnown() ? QString() : unknownService(service));
}

void WindowSignIn::forgetPassword(const QString &descriptionFile)
{
    const ServiceAddress service = ServiceAddress::of(descriptionFile);
    if (!service.isKnown()) {
        m_prompts.showMessage(&m_window, unknownService(service));
        return;
    }
    m_credentials->forget(service.address, this, [this, where = service.where](bool keptInSecretStore) {
        m_prompts.showMessage(&m_window, tr("KORVANE no longer keeps a password for the SMS service at %1. It asks "
                                            "for one the next time the service asks you to sign in.")
                                             .arg(where));
        if (!keptInSecretStore)
            tellKeyringNotice();
    });
}

void WindowSignIn::tellKeyringNotice()
{
    if (m_credentials->notice().isEmpty() || m_noticeTold)
        return;
    m_noticeTold = true;
    m_prompts.showMessage(&m_window, m_credentials->notice(), m_credentials->noticeDetails());
}
