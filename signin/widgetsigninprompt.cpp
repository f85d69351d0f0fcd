// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "signin/widgetsigninprompt.h"

#include "signin/signindialog.h"

#include <QMessageBox>
#include <QPushButton>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace {

QString serviceOf(const AuthChallenge &challenge)
{
    return challenge.urlScheme + u"://"_s + challenge.where();
}

} // namespace

WidgetSignInPrompt::WidgetSignInPrompt(QWidget *window)
    : QObject(window)
    , m_window(window)
{
}

WidgetSignInPrompt::~WidgetSignInPrompt() = default;

void WidgetSignInPrompt::askForCredentials(const Question &question, std::function<void(const Answer &)> answer)
{
    auto *dialog = new SignInDialog(question, m_window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    m_dialog = dialog;
    connect(dialog, &QDialog::finished, this, [dialog, answer = std::move(answer)](int result) {
        Answer given;
        if (result == QDialog::Accepted) {
            given.choice = Answer::Choice::SignIn;
            given.credentials = dialog->credentials();
            given.remember = dialog->remember();
        }
        answer(given);
    });
    dialog->open();
}

void WidgetSignInPrompt::confirmClearText(const AuthChallenge &challenge, std::function<void(ClearText)> answer)
{
    const QString service = serviceOf(challenge);
    if (m_clearTextAccepted.contains(service)) {
        answer(ClearText::Send);
        return;
    }
    QMessageBox *box = clearTextQuestion(challenge, m_window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    m_question = box;
    connect(box, &QMessageBox::finished, this, [this, box, service, answer = std::move(answer)] {
        const bool send = box->clickedButton() == box->button(QMessageBox::Yes);
        if (send)
            m_clearTextAccepted.insert(service);
        answer(send ? ClearText::Send : ClearText::DoNotSend);
    });
    box->open();
}

QString WidgetSignInPrompt::clearTextText(const AuthChallenge &challenge)
{
    return tr("The SMS service at %1 asks for your user name and password without encryption (http://). They would "
              "travel unencrypted, and anyone on the network between you and the service could read them.\n\nSend "
              "them anyway?")
        .arg(challenge.where());
}

QMessageBox *WidgetSignInPrompt::clearTextQuestion(const AuthChallenge &challenge, QWidget *parent)
{
    auto *box = new QMessageBox(QMessageBox::Warning, u"KORVANE"_s, clearTextText(challenge),
                                QMessageBox::Yes | QMessageBox::No, parent);
    box->setObjectName(u"msgClearText"_s);
    box->setTextFormat(Qt::PlainText);
    box->setDefaultButton(QMessageBox::No);
    box->setEscapeButton(QMessageBox::No);
    return box;
}
