// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/commandlineprompt.h"

#include "common/sentences.h"
#include "soap/soapcallresult.h"

using namespace Qt::StringLiterals;

namespace {

const QString howToSignIn = u"give your user name with --user NAME and your password in the environment variable "
                            "KORVANE_PASSWORD or, with --password-stdin, on standard input"_s;

QString serviceOf(const AuthChallenge &challenge)
{
    return u"the SMS service at %1"_s.arg(challenge.where());
}

} // namespace

void CommandLinePrompt::askForCredentials(const Question &question, std::function<void(const Answer &)> answer)
{
    Answer cancel;
    cancel.choice = Answer::Choice::Cancel;
    const QString service = serviceOf(question.challenge);
    if (question.failure.isEmpty()) {
        const QString realm = question.challenge.displayRealm();
        cancel.reason = u"%1 asks you to sign in%2: %3"_s.arg(service, realm.isEmpty() ? QString() : u" ("_s + realm + u')',
                                                             howToSignIn);
    } else if (m_credentials == Credentials::Given) {
        // Refused once is refused: asking again would only send the same again.
        cancel.reason = u"%1 did not accept the user name and password given with --user"_s.arg(service);
    } else {
        // The keyring's, or those in the description's address.
        cancel.reason = u"%1 (%2): %3"_s.arg(Sentences::clauseOf(question.failure), service, howToSignIn);
    }
    answer(cancel);
}

void CommandLinePrompt::confirmClearText(const AuthChallenge &, std::function<void(SignInPrompt::ClearText)> answer)
{
    answer(m_clearText == ClearText::Allow ? SignInPrompt::ClearText::Send : SignInPrompt::ClearText::DoNotSend);
}

QString CommandLinePrompt::clearTextRefusal(const AuthChallenge &challenge) const
{
    return u"%1 asks for your password without encryption (http://), and it would travel unencrypted; give "
           "--allow-unencrypted to send it all the same"_s.arg(serviceOf(challenge));
}
