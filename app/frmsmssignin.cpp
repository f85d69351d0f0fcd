// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Signing in to the SMS service from the window: the credential store and the
// sign-in dialog that every send uses, the keyring's notice, and "Forget the
// saved password" in the country menu.

#include "app/frmsms.h"

#include "app/sendtracker.h"
#include "credentials/credentialstore.h"
#include "settings/servicedescription.h"
#include "signin/widgetsigninprompt.h"
#include "soap/soapcallresult.h"
#include "soap/soapclient.h"

#include <QAction>
#include <QMenu>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

// The service as messages name it: its host, and its port when that is not
// the scheme's own; never the user name or password its address may carry.
QString whereOf(const QUrl &address)
{
    const QString host = address.host().contains(u':') ? u'[' + address.host() + u']' : address.host();
    const int defaultPort = address.scheme() == u"https" ? 443 : 80;
    const int port = address.port(defaultPort);
    return port == defaultPort ? host : u"%1:%2"_s.arg(host).arg(port);
}

} // namespace

void frmSMS::createSignIn()
{
    m_credentials = new CredentialStore(CredentialStore::Backend::SecretStore, this);
    m_signInPrompt = new WidgetSignInPrompt(this);
    m_send->setSignIn(m_credentials, m_signInPrompt);
    connect(m_credentials, &CredentialStore::secretStoreUnavailable, this, [this](const QString &notice) {
        m_keyringNotice = notice;
        // During a send it waits for the outcome, so that it never comes between
        // the user and the sign-in dialog.
        if (!isSending())
            tellKeyringNotice();
    });
    connect(mnuForgetPassword, &QAction::triggered, this, &frmSMS::mnuForgetPassword_Click);
    // The description may change while the program runs: looked at whenever the menu opens.
    connect(mnuCountry, &QMenu::aboutToShow, this, &frmSMS::updateForgetPassword);
}

QString frmSMS::descriptionFile() const
{
    return m_serviceDescriptionFile.isEmpty() ? ServiceDescription::path() : m_serviceDescriptionFile;
}

QUrl frmSMS::serviceAddress(QString *problem) const
{
    SoapClient client;
    if (!client.MSSoapInit(descriptionFile())) {
        *problem = client.errorString();
        return QUrl();
    }
    const QUrl address = client.endpoint(u"sendSMS"_s);
    if (address.isEmpty() || address.host().isEmpty())
        *problem = u"The service description gives no address for sendSMS."_s;
    return address;
}

void frmSMS::updateForgetPassword()
{
    QString problem;
    serviceAddress(&problem);
    mnuForgetPassword->setEnabled(problem.isEmpty());
    mnuForgetPassword->setToolTip(
        problem.isEmpty() ? QString() : u"KORVANE cannot tell which SMS service to forget the password of. %1"_s.arg(problem));
}

void frmSMS::mnuForgetPassword_Click()
{
    QString problem;
    const QUrl address = serviceAddress(&problem);
    if (!problem.isEmpty()) {
        showMessage(u"KORVANE cannot tell which SMS service to forget the password of. %1"_s.arg(problem));
        return;
    }
    const QString where = whereOf(address);
    m_credentials->forget(address, this, [this, where](bool keptInSecretStore) {
        showMessage(u"KORVANE no longer keeps a password for the SMS service at %1. It asks for one the next "
                    "time the service asks you to sign in."_s.arg(where));
        if (!keptInSecretStore)
            tellKeyringNotice();
    });
}

void frmSMS::tellKeyringNotice()
{
    if (m_keyringNotice.isEmpty() || m_keyringNoticeTold)
        return;
    m_keyringNoticeTold = true;
    showMessage(m_keyringNotice);
}
