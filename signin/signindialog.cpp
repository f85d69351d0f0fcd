// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "signin/signindialog.h"

#include "ui_signindialog.h"

#include <QPushButton>

SignInDialog::SignInDialog(const SignInPrompt::Question &question, QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::SignInDialog>())
{
    m_ui->setupUi(this);
    // Names from the service are shown as text, never as markup (the form's
    // labels take plain text).
    m_ui->lblSignIn->setText(headingOf(question.challenge));
    m_ui->lblFailure->setText(question.failure);
    m_ui->lblFailure->setVisible(!question.failure.isEmpty());
    m_ui->tbUser->setText(question.user);

    // The buttons' own words, without the access keys the desktop may give them.
    QPushButton *ok = m_ui->buttons->button(QDialogButtonBox::Ok);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setText(tr("OK"));
    ok->setAccessibleName(tr("OK"));
    QPushButton *cancel = m_ui->buttons->button(QDialogButtonBox::Cancel);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    cancel->setText(tr("Cancel"));
    cancel->setAccessibleName(tr("Cancel"));
    connect(m_ui->buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_ui->buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    setTabOrder(m_ui->chkRemember, ok);
    setTabOrder(ok, cancel);
    ok->setDefault(true);
    // The user name tried last is offered: the password is what was probably wrong.
    (question.user.isEmpty() ? m_ui->tbUser : m_ui->tbPassword)->setFocus();

    connect(m_ui->tbUser, &QLineEdit::textChanged, this, &SignInDialog::updateOk);
    updateOk();
}

SignInDialog::~SignInDialog() = default;

QString SignInDialog::headingOf(const AuthChallenge &challenge)
{
    const QString realm = challenge.displayRealm();
    return realm.isEmpty() ? tr("The SMS service at %1 asks you to sign in").arg(challenge.where())
                           : tr("The SMS service at %1 asks you to sign in (%2)").arg(challenge.where(), realm);
}

HttpCredentials SignInDialog::credentials() const
{
    return {m_ui->tbUser->text(), m_ui->tbPassword->text()};
}

bool SignInDialog::remember() const
{
    return m_ui->chkRemember->isChecked();
}

void SignInDialog::updateOk()
{
    m_ui->buttons->button(QDialogButtonBox::Ok)->setEnabled(!m_ui->tbUser->text().isEmpty());
}
