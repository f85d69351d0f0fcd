// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Signing in at the SOAP layer: the challenges of a 401 read and chosen, the Authorization
// header computed (RFC 7616's own examples), the call started again with credentials against
// the gateway's Basic and Digest, posted exactly once more, and the password never shown.

#include "soap/authchallenge.h"
#include "soap/httpauthorization.h"
#include "soap/soapcall.h"
#include "soap/soapclient.h"
#include "tests/support/gatewayprocess.h"
#include "tests/support/scriptedhttpserver.h"
#include "tests/support/testdescription.h"

#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

using Outcome = SoapCallResult::Outcome;
using Scheme = AuthChallenge::Scheme;

namespace {

const QStringList Arguments{u"Ann"_s, u"00441234567"_s, u"00447654321098"_s, u"Hello"_s, u"en-GB"_s};
const QString User = u"Zoë"_s;
const QString Password = u"pa:ss wörd"_s;
const QString Realm = u"KORVANE SMS gateway"_s;

const QByteArray Envelope = "<s:Envelope xmlns:s=\"http://schemas.xmlsoap.org/soap/envelope/\"><s:Body>"
                            "<r xmlns=\"urn:x\">1</r></s:Body></s:Envelope>";

SoapCallResult finish(SoapCall *call)
{
    QSignalSpy ended(call, &SoapCall::finished);
    if (!ended.wait(30000))
        return SoapCallResult::notKnown(u"the test waited in vain"_s);
    return ended.first().first().value<SoapCallResult>();
}

QByteArray parameter(const QByteArray &header, const QByteArray &name)
{
    const QRegularExpression pattern(u"(?:^|[ ,])%1=\"?([^\",]*)"_s.arg(QString::fromLatin1(name)));
    return pattern.match(QString::fromLatin1(header)).captured(1).toLatin1();
}

} // namespace

class tst_SoapSignIn : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void readsChallenges_data();
    void readsChallenges();
    void digestResponse_data();
    void digestResponse();
    void clearTextDecision_data();
    void clearTextDecision();
    void signsInAtTheGateway_data();
    void signsInAtTheGateway();
    void postsExactlyOnceMore_data();
    void postsExactlyOnceMore();
    void passwordInTheAddressStillWorks_data();
    void passwordInTheAddressStillWorks();
    void sendsNothingWhereTheAddressChanged();

private:
    QString describe(const QByteArray &address);
    QTemporaryDir m_folder;
    int m_descriptions = 0;
};

void tst_SoapSignIn::initTestCase()
{
    QVERIFY(m_folder.isValid());
}

QString tst_SoapSignIn::describe(const QByteArray &address)
{
    const QString path = m_folder.filePath(u"SendSMS-%1.wsdl"_s.arg(++m_descriptions));
    if (!TestDescription::write(path, TestDescription::at(u"rpc-literal.wsdl"_s, address)))
        return QString();
    return path;
}

void tst_SoapSignIn::readsChallenges_data()
{
    QTest::addColumn<QList<QByteArray>>("headers");
    QTest::addColumn<int>("usable");
    // Of the strongest challenge: "Basic" or "Digest <algorithm>", its realm and whether qop=auth.
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("realm");
    QTest::addColumn<bool>("qopAuth");

    QTest::newRow("basic") << QList<QByteArray>{"Basic realm=\"KORVANE SMS gateway\", charset=\"UTF-8\""} << 1
                           << u"Basic"_s << Realm << false;
    QTest::newRow("strongest digest first")
        << QList<QByteArray>{"Basic realm=\"b\"", "Digest realm=\"m\", nonce=\"1\", qop=\"auth\", algorithm=MD5",
                             "Digest realm=\"s\", nonce=\"2\", qop=\"auth\", algorithm=SHA-256"}
        << 3 << u"Digest SHA-256"_s << u"s"_s << true;
    QTest::newRow("RFC 7235 example, two in one header")
        << QList<QByteArray>{"Newauth realm=\"apps\", type=1, title=\"Login to \\\"apps\\\"\", Basic realm=\"simple\""}
        << 1 << u"Basic"_s << u"simple"_s << false;
    QTest::newRow("token68 of another scheme before")
        << QList<QByteArray>{"Negotiate YIIB/x==, Basic realm=\"after\""} << 1 << u"Basic"_s << u"after"_s << false;
    QTest::newRow("escapes in a quoted realm")
        << QList<QByteArray>{"Basic realm=\"a \\\"b\\\" \\\\c\""} << 1 << u"Basic"_s << u"a \"b\" \\c"_s << false;
    QTest::newRow("names and values in any case, session variant")
        << QList<QByteArray>{"DIGEST REALM=\"R\", NONCE=n1, ALGORITHM=sha-256-SESS, QOP=\"auth-int, auth\""} << 1
        << u"Digest SHA-256-sess"_s << u"R"_s << true;
    QTest::newRow("RFC 2069 digest without qop")
        << QList<QByteArray>{"Digest realm=\"old\", nonce=\"n\""} << 1 << u"Digest MD5"_s << u"old"_s << false;
    QTest::newRow("digest without nonce") << QList<QByteArray>{"Digest realm=\"r\", qop=\"auth\""} << 0 << QString()
                                          << QString() << false;
    QTest::newRow("digest with auth-int only")
        << QList<QByteArray>{"Digest realm=\"r\", nonce=\"n\", qop=\"auth-int\""} << 0 << QString() << QString()
        << false;
    QTest::newRow("digest with an unknown algorithm")
        << QList<QByteArray>{"Digest realm=\"r\", nonce=\"n\", qop=\"auth\", algorithm=SHA-512-256"} << 0
        << QString() << QString() << false;
    // The answer would carry the line break into a header of the next request.
    QTest::newRow("digest with a line break in its nonce")
        << QList<QByteArray>{"Digest realm=\"r\", nonce=\"n\r\nX-Injected: 1\", qop=\"auth\""} << 0 << QString()
        << QString() << false;
    QTest::newRow("bearer only") << QList<QByteArray>{"Bearer realm=\"api\", error=\"invalid_token\""} << 0
                                 << QString() << QString() << false;
    QTest::newRow("garbage") << QList<QByteArray>{"=,,\"\\", ""} << 0 << QString() << QString() << false;
}

void tst_SoapSignIn::readsChallenges()
{
    QFETCH(QList<QByteArray>, headers);
    QFETCH(int, usable);
    const QList<AuthChallenge> challenges =
        AuthChallenge::parse(headers, QUrl(u"https://SMS.Example.org/send"_s));
    QCOMPARE(challenges.size(), usable);
    if (usable == 0)
        return;
    const AuthChallenge &best = challenges.first();
    QFETCH(QString, first);
    QCOMPARE(best.scheme == Scheme::Basic ? u"Basic"_s : u"Digest "_s + QString::fromLatin1(best.algorithm), first);
    QTEST(best.realm, "realm");
    QTEST(best.qopAuth, "qopAuth");
    QCOMPARE(best.urlScheme, u"https"_s);
    QCOMPARE(best.host, u"sms.example.org"_s);
    QCOMPARE(best.port, 443);
}

// RFC 7616, section 3.9.1: the same request answered with MD5 and with SHA-256.
void tst_SoapSignIn::digestResponse_data()
{
    QTest::addColumn<QByteArray>("algorithm");
    QTest::addColumn<QByteArray>("response");
    QTest::newRow("MD5") << QByteArray("MD5") << QByteArray("8ca523f5e9506fed4657c9700eebdbec");
    QTest::newRow("SHA-256") << QByteArray("SHA-256")
                             << QByteArray("753927fa0e85d155564e2e272a28d1802ca10daf4496794697cf8db5856cb6c1");
}

void tst_SoapSignIn::digestResponse()
{
    QFETCH(QByteArray, algorithm);
    const QList<AuthChallenge> challenges = AuthChallenge::parse(
        {"Digest realm=\"http-auth@example.org\", qop=\"auth, auth-int\", algorithm=" + algorithm
         + ", nonce=\"7ypf/xlj9XXwfDPEoM4URrv/xwf94BcCAzFZH4GiTo0v\", "
           "opaque=\"FQhe/qaU925kfnzjCev0ciny7QMkPqMAFRtzCUYo5tdS\""},
        QUrl(u"http://www.example.org/dir/index.html"_s));
    QCOMPARE(challenges.size(), 1);
    const QByteArray header =
        HttpAuthorization::header(challenges.first(), {u"Mufasa"_s, u"Circle of Life"_s}, "GET", "/dir/index.html",
                                  "f2/wE4q74E6zIJEtWaHKaf5wv/H5QzzpXusqGemxURZJ");
    QVERIFY(header.startsWith("Digest "));
    QTEST(parameter(header, "response"), "response");
    QCOMPARE(parameter(header, "username"), QByteArray("Mufasa"));
    QCOMPARE(parameter(header, "uri"), QByteArray("/dir/index.html"));
    QCOMPARE(parameter(header, "nc"), QByteArray("00000001"));
    QCOMPARE(parameter(header, "qop"), QByteArray("auth"));
    QCOMPARE(parameter(header, "algorithm"), algorithm);
    QCOMPARE(parameter(header, "opaque"), QByteArray("FQhe/qaU925kfnzjCev0ciny7QMkPqMAFRtzCUYo5tdS"));
    QVERIFY(!header.contains("Circle"));
}

void tst_SoapSignIn::clearTextDecision_data()
{
    QTest::addColumn<QByteArray>("header");
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("inClear");
    const QByteArray basic = "Basic realm=\"r\"";
    const QByteArray digest = "Digest realm=\"r\", nonce=\"n\", qop=\"auth\"";
    QTest::newRow("basic, http, remote name") << basic << u"http://sms.example.org/"_s << true;
    QTest::newRow("basic, http, private address") << basic << u"http://10.0.0.7:8080/"_s << true;
    QTest::newRow("basic, http, name that starts like localhost")
        << basic << u"http://localhost.example.org/"_s << true;
    QTest::newRow("basic, https, remote") << basic << u"https://sms.example.org/"_s << false;
    QTest::newRow("basic, http, 127.0.0.1") << basic << u"http://127.0.0.1:47159/"_s << false;
    QTest::newRow("basic, http, 127.3.2.1") << basic << u"http://127.3.2.1/"_s << false;
    QTest::newRow("basic, http, ::1") << basic << u"http://[::1]:8080/"_s << false;
    QTest::newRow("basic, http, ::2") << basic << u"http://[::2]:8080/"_s << true;
    QTest::newRow("basic, http, 128.0.0.1") << basic << u"http://128.0.0.1/"_s << true;
    QTest::newRow("basic, http, 126.255.255.255") << basic << u"http://126.255.255.255/"_s << true;
    QTest::newRow("basic, http, localhost") << basic << u"http://LocalHost/"_s << false;
    QTest::newRow("basic, http, name under .localhost") << basic << u"http://sms.localhost/"_s << false;
    QTest::newRow("digest, http, remote") << digest << u"http://sms.example.org/"_s << false;
}

void tst_SoapSignIn::clearTextDecision()
{
    QFETCH(QByteArray, header);
    QFETCH(QString, address);
    const QList<AuthChallenge> challenges = AuthChallenge::parse({header}, QUrl(address));
    QCOMPARE(challenges.size(), 1);
    QTEST(challenges.first().sendsPasswordInClear(), "inClear");
}

void tst_SoapSignIn::signsInAtTheGateway_data()
{
    QTest::addColumn<QString>("auth");
    QTest::addColumn<QString>("scheme");
    QTest::newRow("basic") << u"basic"_s << u"Basic"_s;
    QTest::newRow("digest, both offered") << u"digest"_s << u"Digest SHA-256"_s;
    QTest::newRow("digest, MD5") << u"digest-md5"_s << u"Digest MD5"_s;
    QTest::newRow("digest, SHA-256") << u"digest-sha-256"_s << u"Digest SHA-256"_s;
}

void tst_SoapSignIn::signsInAtTheGateway()
{
    QFETCH(QString, auth);
    GatewayProcess gateway;
    QVERIFY2(gateway.startSignedIn(User, Password, {u"--auth"_s, auth}), qPrintable(gateway.errorString()));
    SoapClient client;
    QVERIFY2(client.MSSoapInit(gateway.wsdlFile()), qPrintable(client.errorString()));

    const SoapCallResult asked = client.invoke(u"sendSMS"_s, Arguments);
    QCOMPARE(asked.outcome, Outcome::NotSent);
    QVERIFY2(asked.challenge, qPrintable(asked.reason));
    QVERIFY(!asked.signInRefused);
    QCOMPARE(asked.reason, u"the service at 127.0.0.1:%1 asks you to sign in (KORVANE SMS gateway)"_s.arg(
                               gateway.endpoint().port()));
    const AuthChallenge challenge = *asked.challenge;
    QFETCH(QString, scheme);
    QCOMPARE(challenge.scheme == Scheme::Basic ? u"Basic"_s : u"Digest "_s + QString::fromLatin1(challenge.algorithm),
             scheme);
    QCOMPARE(challenge.realm, Realm);
    QCOMPARE(challenge.port, gateway.endpoint().port());

    const SoapCallResult refused = finish(client.start(u"sendSMS"_s, Arguments, challenge, {User, u"pa:ss"_s}));
    QCOMPARE(refused.outcome, Outcome::NotSent);
    QVERIFY(refused.signInRefused);
    QVERIFY(refused.reason.contains(u"did not accept the user name and password (KORVANE SMS gateway)"));
    QVERIFY(gateway.outbox().isEmpty());

    // Digest: the refusal brought a fresh nonce; answer that one.
    const SoapCallResult sent =
        finish(client.start(u"sendSMS"_s, Arguments, refused.challenge.value_or(challenge), {User, Password}));
    QCOMPARE(sent.outcome, Outcome::Sent);
    QCOMPARE(gateway.outbox().size(), 1);
    for (const QString &text : {asked.reason, refused.reason, refused.errorString()})
        QVERIFY(!text.contains(u"ss w"));
}

// libcurl makes no rounds of its own: after a 401 the message goes out once more, whether the
// service then takes it or refuses it again.
void tst_SoapSignIn::postsExactlyOnceMore_data()
{
    QTest::addColumn<QByteArray>("challenge");
    QTest::addColumn<QByteArray>("secondAnswer");
    QTest::addColumn<Outcome>("outcome");
    const QByteArray digest = "WWW-Authenticate: Digest realm=\"r\", qop=\"auth\", nonce=\"abc\", "
                              "algorithm=SHA-256\r\n";
    const QByteArray basic = "WWW-Authenticate: Basic realm=\"r\"\r\n";
    QTest::newRow("digest, taken") << digest << QByteArray("200 OK") << Outcome::Sent;
    QTest::newRow("digest, refused again") << digest << QByteArray("401 Unauthorized") << Outcome::NotSent;
    QTest::newRow("basic, taken") << basic << QByteArray("200 OK") << Outcome::Sent;
    QTest::newRow("basic, refused again") << basic << QByteArray("401 Unauthorized") << Outcome::NotSent;
}

void tst_SoapSignIn::postsExactlyOnceMore()
{
    QFETCH(QByteArray, challenge);
    QFETCH(QByteArray, secondAnswer);
    ScriptedHttpServer server;
    QVERIFY(server.listen());
    const QByteArray unauthorized =
        ScriptedHttpServer::response("401 Unauthorized", "sign in", "text/plain", challenge);
    server.setScripts({{unauthorized}, {ScriptedHttpServer::response(secondAnswer, Envelope, "text/xml", challenge)}});
    SoapClient client;
    QVERIFY(client.MSSoapInit(describe(server.url("/sms?x=1"))));

    const SoapCallResult first = client.invoke(u"sendSMS"_s, Arguments);
    QVERIFY(first.challenge);
    QCOMPARE(server.posts(), 1);
    QVERIFY(!server.lastRequest().hasHeader("Authorization"));

    const SoapCallResult second = finish(client.start(u"sendSMS"_s, Arguments, *first.challenge, {User, Password}));
    QTEST(second.outcome, "outcome");
    QCOMPARE(second.signInRefused, second.outcome == Outcome::NotSent);
    QCOMPARE(server.posts(), 2);
    QCOMPARE(server.connections(), 2);
    const QByteArray authorization = server.lastRequest().header("Authorization");
    QVERIFY(authorization.startsWith(first.challenge->scheme == Scheme::Basic ? "Basic " : "Digest "));
    if (first.challenge->scheme == Scheme::Digest) {
        QCOMPARE(parameter(authorization, "nonce"), QByteArray("abc"));
        QCOMPARE(parameter(authorization, "uri"), server.lastRequest().target);
        QVERIFY(!authorization.contains(Password.toUtf8()));
    }
}

void tst_SoapSignIn::passwordInTheAddressStillWorks_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<Outcome>("outcome");
    QTest::newRow("right") << Password << Outcome::Sent;
    QTest::newRow("wrong") << u"not the password"_s << Outcome::NotSent;
}

void tst_SoapSignIn::passwordInTheAddressStillWorks()
{
    QFETCH(QString, password);
    GatewayProcess gateway;
    QVERIFY2(gateway.startSignedIn(User, Password), qPrintable(gateway.errorString()));
    QUrl address = gateway.endpoint();
    address.setUserName(User);
    address.setPassword(password);
    // The gateway's own description, its address now with the user name and password.
    QFile own(gateway.wsdlFile());
    QVERIFY(own.open(QIODevice::ReadOnly));
    const QString path = m_folder.filePath(u"gateway-with-password.wsdl"_s);
    QVERIFY(TestDescription::write(path, own.readAll().replace(gateway.endpoint().toEncoded(), address.toEncoded())));
    SoapClient client;
    QVERIFY(client.MSSoapInit(path));
    const SoapCallResult result = client.invoke(u"sendSMS"_s, Arguments);
    QVERIFY2(!result.reason.contains(password), qPrintable(result.reason));
    QFETCH(Outcome, outcome);
    QVERIFY2(result.outcome == outcome, qPrintable(result.reason));
    QCOMPARE(result.signInRefused, result.outcome == Outcome::NotSent);
    QCOMPARE(gateway.outbox().size(), result.ok() ? 1 : 0);
}

void tst_SoapSignIn::sendsNothingWhereTheAddressChanged()
{
    ScriptedHttpServer asking;
    ScriptedHttpServer other;
    QVERIFY(asking.listen());
    QVERIFY(other.listen());
    asking.answerWith(ScriptedHttpServer::response("401 Unauthorized", "", "text/plain",
                                                   "WWW-Authenticate: Basic realm=\"r\"\r\n"));
    other.answerWith(ScriptedHttpServer::response("200 OK", Envelope));
    SoapClient client;
    QVERIFY(client.MSSoapInit(describe(asking.url())));
    const SoapCallResult first = client.invoke(u"sendSMS"_s, Arguments);
    QVERIFY(first.challenge);

    // The description now names another port of the same computer.
    QVERIFY(client.MSSoapInit(describe(other.url())));
    const SoapCallResult second = finish(client.start(u"sendSMS"_s, Arguments, *first.challenge, {User, Password}));
    QCOMPARE(second.outcome, Outcome::NotSent);
    QVERIFY2(second.reason.contains(u"the password was not sent"), qPrintable(second.reason));
    QCOMPARE(other.posts(), 0);
    QCOMPARE(asking.posts(), 1);
}

QTEST_GUILESS_MAIN(tst_SoapSignIn)
#include "tst_soapsignin.moc"
