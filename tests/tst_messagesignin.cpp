// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// One send to a service that asks to sign in (the gateway with --user), from
// the first request to the one row the history keeps of it.

#include "credentials/credentialstore.h"
#include "history/historystore.h"
#include "sending/messagesend.h"
#include "sending/outgoingmessage.h"
#include "tests/support/gatewayprocess.h"
#include "tests/support/scriptedsigninprompt.h"

#include <QDirIterator>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

using Outcome = MessageSend::Outcome;
using Answer = SignInPrompt::Answer;

namespace {

const QString User = u"ann"_s;
const QString Password = u"Send-Password-Marker-7Q"_s;

Answer signIn(const QString &password)
{
    return {Answer::Choice::SignIn, {User, password}, true, QString()};
}

Answer cancel()
{
    return {};
}

OutgoingMessage message()
{
    return {u"Sam Smith"_s, u"00441632960000"_s, u"Ann"_s, u"00447700900123"_s, u"Back at six"_s, u"en-GB"_s};
}

// How the send signs in, for a row of the table.
enum class SignInBy { Nothing, Prompt, GivenAndPrompt };

} // namespace

Q_DECLARE_METATYPE(SignInBy)

class tst_MessageSignIn : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void oneRowWithTheFinalOutcome_data();
    void oneRowWithTheFinalOutcome();

private:
    GatewayProcess m_gateway;
};

void tst_MessageSignIn::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY2(m_gateway.startSignedIn(User, Password), qPrintable(m_gateway.errorString()));
}

void tst_MessageSignIn::oneRowWithTheFinalOutcome_data()
{
    QTest::addColumn<SignInBy>("by");
    QTest::addColumn<QList<Answer>>("answers");
    QTest::addColumn<QString>("given");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QString>("told");
    QTest::addColumn<int>("questions");

    const QString refusedThrice = u"Your message was not sent. The SMS service at 127.0.0.1:%1 did not accept the "
                                  "user name and password for KORVANE SMS gateway three times."_s;
    const QString asked = u"Your message was not sent. The SMS service asked you to sign in."_s;
    QTest::newRow("signed in when asked") << SignInBy::Prompt << QList<Answer>{signIn(Password)} << QString()
                                          << Outcome::Sent << QString() << 1;
    QTest::newRow("right after two refusals")
        << SignInBy::Prompt << QList<Answer>{signIn(u"Wrong-Marker-1"_s), signIn(u"Wrong-Marker-2"_s), signIn(Password)}
        << QString()
        << Outcome::Sent << QString() << 3;
    QTest::newRow("cancel") << SignInBy::Prompt << QList<Answer>{cancel()} << QString() << Outcome::NotSent << asked
                            << 1;
    QTest::newRow("three refusals")
        << SignInBy::Prompt
        << QList<Answer>{signIn(u"Wrong-Marker-1"_s), signIn(u"Wrong-Marker-2"_s), signIn(u"Wrong-Marker-3"_s),
                         signIn(Password)}
        << QString() << Outcome::NotSent << refusedThrice << 3;
    QTest::newRow("given credentials, nobody asked") << SignInBy::GivenAndPrompt << QList<Answer>{} << Password
                                                     << Outcome::Sent << QString() << 0;
    QTest::newRow("given credentials refused, then cancel")
        << SignInBy::GivenAndPrompt << QList<Answer>{cancel()} << u"Wrong-Marker-4"_s << Outcome::NotSent << asked << 1;
    // Without a way to sign in, the 401 is the outcome: the message was not taken.
    QTest::newRow("no way to sign in")
        << SignInBy::Nothing << QList<Answer>{} << QString() << Outcome::NotSent
        << u"Your message was not sent. The service at 127.0.0.1:%1 asks you to sign in (KORVANE SMS gateway)."_s
        << 0;
}

void tst_MessageSignIn::oneRowWithTheFinalOutcome()
{
    QFETCH(SignInBy, by);
    QFETCH(QList<Answer>, answers);
    QFETCH(QString, given);
    QFETCH(Outcome, outcome);
    QFETCH(QString, told);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString historyFile = folder.filePath(u"history.sqlite"_s);
    const qsizetype before = m_gateway.outbox().size();
    CredentialStore store(CredentialStore::Backend::Memory);
    ScriptedSignInPrompt prompt;
    prompt.answers.assign(answers.begin(), answers.end());
    // Neither the history nor its journal holds a password that was tried.
    const auto scanFiles = [&] {
        QStringList tried{Password};
        if (!given.isEmpty())
            tried.append(given);
        for (const Answer &answer : answers) {
            if (answer.choice == Answer::Choice::SignIn)
                tried.append(answer.credentials.password);
        }
        QDirIterator files(folder.path(), QDir::Files | QDir::Hidden);
        while (files.hasNext()) {
            QFile file(files.next());
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray bytes = file.readAll();
            for (const QString &password : tried)
                QVERIFY2(!bytes.contains(password.toUtf8()), qPrintable(file.fileName()));
        }
    };
    MessageSend::Result result;
    {
        HistoryStore history(historyFile);
        QVERIFY2(history.isOpen(), qPrintable(history.errorString()));
        MessageSend send(message(), m_gateway.wsdlFile(), &history);
        if (by != SignInBy::Nothing)
            send.setSignIn(&store, &prompt);
        if (by == SignInBy::GivenAndPrompt)
            send.setCredentials({User, given});
        result = send.run();

        QCOMPARE(result.outcome, outcome);
        const QString port = QString::number(m_gateway.endpoint().port());
        if (told.contains(u"%1"))
            told = told.arg(port);
        QCOMPARE(MessageSend::outcomeText(result.outcome, result.reason), told);
        QTEST(int(prompt.questions.size()), "questions");
        QCOMPARE(m_gateway.outbox().size(), before + (outcome == Outcome::Sent ? 1 : 0));

        // Written once, before the first request, and given the outcome of the last.
        const QList<HistoryRecord> rows = history.newest(10).value_or(QList<HistoryRecord>());
        QCOMPARE(rows.size(), 1);
        QVERIFY(result.historyId);
        QCOMPARE(rows.first().id, *result.historyId);
        QCOMPARE(rows.first().state, outcome == Outcome::Sent ? HistoryRecord::State::Sent
                                                              : HistoryRecord::State::NotSent);
        // The words kept are the ones the user was told.
        QCOMPARE(rows.first().reason, told.isEmpty() ? QString() : told.mid(told.indexOf(u". ") + 2));
        QCOMPARE(rows.first().endpoint, m_gateway.endpoint().toString());
        scanFiles();
    }

    scanFiles();
}

QTEST_GUILESS_MAIN(tst_MessageSignIn)
#include "tst_messagesignin.moc"
