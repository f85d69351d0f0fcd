// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "signin/signindialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

SignInDialog::SignInDialog(const SignInPrompt::Question &question, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(u"dlgSignIn"_s);
    setWindowTitle(u"KORVANE"_s);
    setModal(true);

    m_heading = new QLabel(headingOf(question.challenge), this);
    m_heading->setObjectName(u"lblSignIn"_s);
    m_heading->setWordWrap(true);
    // Names from the service are shown as text, never as markup.
    m_heading->setTextFormat(Qt::PlainText);

    m_failure = new QLabel(question.failure, this);
    m_failure->setObjectName(u"lblFailure"_s);
    m_failure->setWordWrap(true);
    m_failure->setTextFormat(Qt::PlainText);
    m_failure->setStyleSheet(u"color: #c00000;"_s);
    m_failure->setAccessibleName(u"Why you are asked again"_s);
    m_failure->setVisible(!question.failure.isEmpty());

    m_user = new QLineEdit(question.user, this);
    m_user->setObjectName(u"tbUser"_s);
    m_user->setAccessibleName(u"User name"_s);
    m_password = new QLineEdit(this);
    m_password->setObjectName(u"tbPassword"_s);
    m_password->setAccessibleName(u"Password"_s);
    m_password->setEchoMode(QLineEdit::Password);
    m_remember = new QCheckBox(u"Remember"_s, this);
    m_remember->setObjectName(u"chkRemember"_s);
    m_remember->setAccessibleName(u"Remember the user name and password"_s);
    m_remember->setChecked(true);

    auto *buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(QDialogButtonBox::Ok);
    m_ok->setObjectName(u"cmdOK"_s);
    m_ok->setText(u"OK"_s);
    m_ok->setAccessibleName(u"OK"_s);
    m_cancel = buttons->addButton(QDialogButtonBox::Cancel);
    m_cancel->setObjectName(u"cmdCancel"_s);
    m_cancel->setText(u"Cancel"_s);
    m_cancel->setAccessibleName(u"Cancel"_s);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *fields = new QFormLayout;
    auto *userLabel = new QLabel(u"User name:"_s, this);
    userLabel->setBuddy(m_user);
    auto *passwordLabel = new QLabel(u"Password:"_s, this);
    passwordLabel->setBuddy(m_password);
    fields->addRow(userLabel, m_user);
    fields->addRow(passwordLabel, m_password);
    fields->addRow(QString(), m_remember);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_heading);
    layout->addWidget(m_failure);
    layout->addLayout(fields);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(m_user, m_password);
    setTabOrder(m_password, m_remember);
    setTabOrder(m_remember, m_ok);
    setTabOrder(m_ok, m_cancel);
    m_ok->setDefault(true);
    // The user name tried last is offered: the password is what was probably wrong.
    (question.user.isEmpty() ? m_user : m_password)->setFocus();

    connect(m_user, &QLineEdit::textChanged, this, &SignInDialog::updateOk);
    updateOk();
}

SignInDialog::~SignInDialog() = default;

QString SignInDialog::headingOf(const AuthChallenge &challenge)
{
    const QString realm = challenge.displayRealm();
    return realm.isEmpty() ? u"The SMS service at %1 asks you to sign in"_s.arg(challenge.where())
                           : u"The SMS service at %1 asks you to sign in (%2)"_s.arg(challenge.where(), realm);
}

HttpCredentials SignInDialog::credentials() const
{
    return {m_user->text(), m_password->text()};
}

bool SignInDialog::remember() const
{
    return m_remember->isChecked();
}

void SignInDialog::updateOk()
{
    m_ok->setEnabled(!m_user->text().isEmpty());
}
