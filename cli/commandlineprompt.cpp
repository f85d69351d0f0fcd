// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/commandlineprompt.h"

#include "common/sentences.h"
#include "soap/soapcallresult.h"

#include <QCoreApplication>

namespace {

QString howToSignIn()
{
    return QCoreApplication::translate(
        "CommandLinePrompt",
        "give your user name with --user NAME and your password in the environment variable "
        "KORVANE_PASSWORD or, with --password-stdin, on standard input");
}

QString serviceOf(const AuthChallenge &challenge)
{
    return QCoreApplication::translate("CommandLinePrompt", "the SMS service at %1").arg(challenge.where());
}

} // namespace

void CommandLinePrompt::askForCredentials(const Question &question, std::function<void(const Answer &)> answer)
{
    Answer cancel;
    cancel.choice = Answer::Choice::Cancel;
    const QString service = serviceOf(question.challenge);
    if (question.failure.isEmpty()) {
        const QString realm = question.challenge.displayRealm();
        //: %1 the service ("the SMS service at ..."), %2 how to give a user name and password.
        cancel.reason = realm.isEmpty()
            ? QCoreApplication::translate("CommandLinePrompt", "%1 asks you to sign in: %2").arg(service, howToSignIn())
            //: %1 the service ("the SMS service at ..."), %2 the name it gives itself, %3 how to give a user
            //: name and password.
            : QCoreApplication::translate("CommandLinePrompt", "%1 asks you to sign in (%2): %3")
                  .arg(service, realm, howToSignIn());
    } else if (m_credentials == Credentials::Given) {
        // Refused once is refused: asking again would only send the same again.
        cancel.reason = QCoreApplication::translate("CommandLinePrompt",
                                                    "%1 did not accept the user name and password given with --user")
                            .arg(service);
    } else {
        // The keyring's, or those in the description's address.
        cancel.reason = QCoreApplication::translate("CommandLinePrompt", "%1 (%2): %3")
                            .arg(Sentences::clauseOf(question.failure), service, howToSignIn());
    }
    answer(cancel);
}

void CommandLinePrompt::confirmClearText(const AuthChallenge &, std::function<void(SignInPrompt::ClearText)> answer)
{
    answer(m_clearText == ClearText::Allow ? SignInPrompt::ClearText::Send : SignInPrompt::ClearText::DoNotSend);
}

QString CommandLinePrompt::clearTextRefusal(const AuthChallenge &challenge) const
{
    return QCoreApplication::translate(
               "CommandLinePrompt",
               "%1 asks for your password without encryption (http://), and it would travel unencrypted; give "
               "--allow-unencrypted to send it all the same")
        .arg(serviceOf(challenge));
}
