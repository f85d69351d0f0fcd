// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Signing in for one send, against the gateway with --user and a secret store of the test's
// own (tests/with_secret_service.sh): remember, reuse, forget, the wrong-password loop,
// Cancel, the clear-text question, and the password on no file. A scripted prompt answers.

#include "credentials/credentialstore.h"
#include "history/historystore.h"
#include "sending/messagesend.h"
#include "signin/signinflow.h"
#include "soap/soapcall.h"
#include "soap/soapclient.h"
#include "tests/support/gatewayprocess.h"
#include "tests/support/scriptedhttpserver.h"
#include "tests/support/scriptedsigninprompt.h"
#include "tests/support/testdescription.h"

#include <QDirIterator>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

using Outcome = SoapCallResult::Outcome;
using Answer = SignInPrompt::Answer;

namespace {

const QStringList Arguments{u"Ann"_s, u"00441234567"_s, u"00447654321098"_s, u"Hello"_s, u"en-GB"_s};
const QString User = u"ann"_s;
const QString Password = u"Flow-Password-Marker-4K"_s;

Answer signIn(const QString &password, bool remember = true)
{
    return {Answer::Choice::SignIn, {User, password}, remember, QString()};
}

Answer cancel()
{
    return {};
}

using ScriptedPrompt = ScriptedSignInPrompt;

bool keyringServes()
{
    return qgetenv("KORVANE_TEST_SECRET_STORE") == "keyring";
}

} // namespace

Q_DECLARE_METATYPE(SignInPrompt::Answer)
Q_DECLARE_METATYPE(SignInPrompt::ClearText)

class tst_SignInFlow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void remembersReusesAndForgets();
    void wrongPasswordLoop_data();
    void wrongPasswordLoop();
    void refusedSavedPasswordIsReplaced();
    void givenCredentialsComeFirst();
    void clearTextIsAskedFirst_data();
    void clearTextIsAskedFirst();
    void passwordIsInNoFile();

private:
    // One send through a flow with `store` and `prompt`, against the gateway.
    SoapCallResult send(CredentialStore *store, SignInPrompt *prompt, int *requests = nullptr);

    GatewayProcess m_gateway;
    SoapClient m_client;
    std::unique_ptr<CredentialStore> m_store;
};

void tst_SignInFlow::initTestCase()
{
    QVERIFY2(!qEnvironmentVariableIsEmpty("KORVANE_TEST_HOME"),
             "run through tests/with_secret_service.sh, never against the user's own keyring");
    QVERIFY2(m_gateway.startSignedIn(User, Password), qPrintable(m_gateway.errorString()));
    QVERIFY(m_client.MSSoapInit(m_gateway.wsdlFile()));
}

void tst_SignInFlow::init()
{
    m_store = std::make_unique<CredentialStore>();
}

void tst_SignInFlow::cleanup()
{
    m_store->forget(m_gateway.endpoint());
    QVERIFY(m_store->waitForIdle(QDeadlineTimer(60000)));
    m_store.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

SoapCallResult tst_SignInFlow::send(CredentialStore *store, SignInPrompt *prompt, int *requests)
{
    SignInFlow flow(store, prompt);
    const SoapCallResult result = flow.run([this](const std::optional<SignInFlow::SignIn> &signIn) {
        return signIn ? m_client.start(u"sendSMS"_s, Arguments, signIn->challenge, signIn->credentials)
                      : m_client.start(u"sendSMS"_s, Arguments);
    });
    if (requests)
        *requests = flow.requests();
    return result;
}

void tst_SignInFlow::remembersReusesAndForgets()
{
    const qsizetype before = m_gateway.outbox().size();
    ScriptedPrompt first;
    first.answers = {signIn(Password)};
    int requests = 0;
    QCOMPARE(send(m_store.get(), &first, &requests).outcome, Outcome::Sent);
    QCOMPARE(requests, 2);
    QCOMPARE(first.questions.size(), 1);
    QCOMPARE(first.questions.first().challenge.realm, u"KORVANE SMS gateway"_s);
    QVERIFY(first.questions.first().failure.isEmpty());
    QVERIFY(m_store->waitForIdle(QDeadlineTimer(60000)));

    // The next send of this run, and of a later run where the keyring keeps them: not asked.
    ScriptedPrompt silent;
    QCOMPARE(send(m_store.get(), &silent).outcome, Outcome::Sent);
    QCOMPARE(silent.questions.size(), 0);
    CredentialStore laterRun;
    const SoapCallResult later = send(&laterRun, &silent);
    QCOMPARE(later.outcome, keyringServes() ? Outcome::Sent : Outcome::NotSent);
    QCOMPARE(silent.questions.size(), keyringServes() ? 0 : 1);

    // "Forget the saved password": asked again.
    m_store->forget(m_gateway.endpoint());
    laterRun.forget(m_gateway.endpoint());
    QVERIFY(m_store->waitForIdle(QDeadlineTimer(60000)));
    QVERIFY(laterRun.waitForIdle(QDeadlineTimer(60000)));
    ScriptedPrompt afterForget;
    const SoapCallResult cancelled = send(m_store.get(), &afterForget);
    QCOMPARE(afterForget.questions.size(), 1);
    QCOMPARE(cancelled.outcome, Outcome::NotSent);
    QCOMPARE(MessageSend::outcomeText(cancelled.outcome, cancelled.reason),
             u"Your message was not sent. The SMS service asked you to sign in."_s);
    QCOMPARE(m_gateway.outbox().size(), before + (keyringServes() ? 3 : 2));
}

void tst_SignInFlow::wrongPasswordLoop_data()
{
    QTest::addColumn<QList<Answer>>("answers");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<int>("requests");
    const QString refused = u"the SMS service at 127.0.0.1:%1 did not accept the user name and password for KORVANE "
                            "SMS gateway three times"_s;
    QTest::newRow("three refusals") << QList<Answer>{signIn(u"a"_s), signIn(u"b"_s), signIn(u"c"_s), signIn(Password)}
                                    << Outcome::NotSent << refused << 4;
    QTest::newRow("right at the third") << QList<Answer>{signIn(u"a"_s), signIn(u"b"_s), signIn(Password)}
                                        << Outcome::Sent << QString() << 4;
    QTest::newRow("cancel after a refusal") << QList<Answer>{signIn(u"a"_s), cancel()} << Outcome::NotSent
                                            << u"the SMS service asked you to sign in"_s << 2;
    QTest::newRow("cancel at once") << QList<Answer>{cancel()} << Outcome::NotSent
                                    << u"the SMS service asked you to sign in"_s << 1;
}

void tst_SignInFlow::wrongPasswordLoop()
{
    QFETCH(QList<Answer>, answers);
    const qsizetype before = m_gateway.outbox().size();
    ScriptedPrompt prompt;
    prompt.answers.assign(answers.begin(), answers.end());
    int requests = 0;
    const SoapCallResult result = send(m_store.get(), &prompt, &requests);
    QTEST(result.outcome, "outcome");
    QFETCH(QString, reason);
    QCOMPARE(result.reason, reason.contains(u"%1") ? reason.arg(m_gateway.endpoint().port()) : reason);
    QTEST(requests, "requests");
    QCOMPARE(m_gateway.outbox().size(), before + (result.ok() ? 1 : 0));
    // Asked again after each refusal, naming it, with the user name offered.
    for (qsizetype i = 0; i < prompt.questions.size(); ++i) {
        const SignInPrompt::Question &question = prompt.questions.at(i);
        QCOMPARE(question.failure, i == 0 ? QString() : u"The user name or password was not accepted."_s);
        QCOMPARE(question.user, i == 0 ? QString() : User);
    }
    QVERIFY(prompt.questions.size() <= SignInFlow::MaximumRefusals);
    QVERIFY(m_store->waitForIdle(QDeadlineTimer(60000)));
    // Only credentials the service took are remembered.
    const auto kept = m_store->lookUpAndWait(prompt.questions.first().challenge);
    QCOMPARE(kept, result.ok() ? std::optional<HttpCredentials>({User, Password}) : std::nullopt);
}

void tst_SignInFlow::refusedSavedPasswordIsReplaced()
{
    ScriptedPrompt first;
    first.answers = {cancel()};
    send(m_store.get(), &first);
    const AuthChallenge service = first.questions.first().challenge;
    m_store->store(service, {User, u"outdated"_s});

    ScriptedPrompt prompt;
    prompt.answers = {signIn(Password)};
    int requests = 0;
    QCOMPARE(send(m_store.get(), &prompt, &requests).outcome, Outcome::Sent);
    QCOMPARE(requests, 3);
    QCOMPARE(prompt.questions.size(), 1);
    QCOMPARE(prompt.questions.first().failure, u"The saved user name or password was not accepted."_s);
    QCOMPARE(prompt.questions.first().user, User);
    QVERIFY(m_store->waitForIdle(QDeadlineTimer(60000)));
    QCOMPARE(m_store->lookUpAndWait(service), std::optional<HttpCredentials>({User, Password}));
}

void tst_SignInFlow::givenCredentialsComeFirst()
{
    ScriptedPrompt prompt;
    SignInFlow flow(m_store.get(), &prompt);
    flow.setCredentials({User, Password});
    const SoapCallResult result = flow.run([this](const std::optional<SignInFlow::SignIn> &signIn) {
        return signIn ? m_client.start(u"sendSMS"_s, Arguments, signIn->challenge, signIn->credentials)
                      : m_client.start(u"sendSMS"_s, Arguments);
    });
    QCOMPARE(result.outcome, Outcome::Sent);
    QCOMPARE(prompt.questions.size(), 0);
    QVERIFY(m_store->waitForIdle(QDeadlineTimer(60000)));
    AuthChallenge service;
    service.urlScheme = u"http"_s;
    service.host = u"127.0.0.1"_s;
    service.port = m_gateway.endpoint().port();
    service.realm = u"KORVANE SMS gateway"_s;
    QCOMPARE(m_store->lookUpAndWait(service), std::nullopt);
}

// Basic over http to another computer: here through a proxy (the scripted server), which is
// how a test reaches a name that is not this computer's.
void tst_SignInFlow::clearTextIsAskedFirst_data()
{
    QTest::addColumn<SignInPrompt::ClearText>("clearText");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<int>("posts");
    QTest::newRow("no") << SignInPrompt::ClearText::DoNotSend << Outcome::NotSent << 1;
    QTest::newRow("yes") << SignInPrompt::ClearText::Send << Outcome::Sent << 2;
}

void tst_SignInFlow::clearTextIsAskedFirst()
{
    ScriptedHttpServer proxy;
    QVERIFY(proxy.listen());
    proxy.setScripts({{ScriptedHttpServer::response("401 Unauthorized", "", "text/plain",
                                                    "WWW-Authenticate: Basic realm=\"r\"\r\n")},
                      {ScriptedHttpServer::response(
                          "200 OK", "<s:Envelope xmlns:s=\"http://schemas.xmlsoap.org/soap/envelope/\"><s:Body><r/>"
                                    "</s:Body></s:Envelope>")}});
    QTemporaryDir folder;
    const QString description = folder.filePath(u"SendSMS.wsdl"_s);
    QVERIFY(TestDescription::write(description,
                                   TestDescription::at(u"rpc-literal.wsdl"_s, "http://sms.example.test/send")));
    SoapClient client;
    QVERIFY(client.MSSoapInit(description));
    qputenv("http_proxy", proxy.url(""));
    const auto restore = qScopeGuard([] { qunsetenv("http_proxy"); });

    QFETCH(SignInPrompt::ClearText, clearText);
    ScriptedPrompt prompt;
    prompt.clearText = clearText;
    prompt.answers = {signIn(Password)};
    SignInFlow flow(m_store.get(), &prompt);
    const SoapCallResult result = flow.run([&client](const std::optional<SignInFlow::SignIn> &signIn) {
        return signIn ? client.start(u"sendSMS"_s, Arguments, signIn->challenge, signIn->credentials)
                      : client.start(u"sendSMS"_s, Arguments);
    });
    QTEST(result.outcome, "outcome");
    QCOMPARE(prompt.clearTextQuestions, 1);
    QTEST(proxy.posts(), "posts");
    // Asked before the password was asked for, and so never typed in vain.
    QCOMPARE(prompt.questions.size(), clearText == SignInPrompt::ClearText::Send ? 1 : 0);
    if (!result.ok())
        QCOMPARE(result.reason, u"you chose not to send your password unencrypted to the SMS service at "
                                "sms.example.test"_s);
    QVERIFY(m_store->waitForIdle(QDeadlineTimer(60000)));
    m_store->forget(QUrl(u"http://sms.example.test/"_s));
}

// Neither the keyring's files nor the history (where the description's address, which may
// carry the password, is recorded) hold the password.
void tst_SignInFlow::passwordIsInNoFile()
{
    ScriptedPrompt prompt;
    prompt.answers = {signIn(Password)};
    QCOMPARE(send(m_store.get(), &prompt).outcome, Outcome::Sent);
    QVERIFY(m_store->waitForIdle(QDeadlineTimer(60000)));

    QUrl address = m_gateway.endpoint();
    address.setUserName(User);
    address.setPassword(Password);
    QFile own(m_gateway.wsdlFile());
    QVERIFY(own.open(QIODevice::ReadOnly));
    const QString home = qEnvironmentVariable("KORVANE_TEST_HOME") + u"/home"_s;
    const QString description = home + u"/SendSMS.wsdl"_s;
    QVERIFY(TestDescription::write(description,
                                   own.readAll().replace(m_gateway.endpoint().toEncoded(), address.toEncoded())));
    {
        HistoryStore history(home + u"/.local/share/KORVANE/history.sqlite"_s);
        QVERIFY2(history.isOpen(), qPrintable(history.errorString()));
        MessageSend sendWithAddress({u"Ann"_s, u"00441234567"_s, u"Bob"_s, u"00447654321098"_s, u"Hi"_s, u"en-GB"_s},
                                    description, &history);
        QCOMPARE(sendWithAddress.run().outcome, Outcome::Sent);
    }
    QFile::remove(description);

    int files = 0;
    QDirIterator it(home, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        QVERIFY(file.open(QIODevice::ReadOnly));
        ++files;
        const QByteArray bytes = file.readAll();
        QVERIFY2(!bytes.contains(Password.toUtf8()), qPrintable(file.fileName()));
        QVERIFY2(!bytes.contains(QByteArray(reinterpret_cast<const char *>(Password.utf16()), Password.size() * 2)),
                 qPrintable(file.fileName()));
    }
    QVERIFY(QFile::exists(home + u"/.local/share/KORVANE/history.sqlite"_s));
    QVERIFY(files >= (keyringServes() ? 2 : 1));
}

QTEST_GUILESS_MAIN(tst_SignInFlow)
#include "tst_signinflow.moc"
