// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The credential store against a real Secret Service (gnome-keyring-daemon on a private bus,
// started by tests/with_secret_service.sh), against a locked keyring and without any bus. The
// same cases run in each: what a second store finds is what a later run of the program would.

#include "credentials/credentialstore.h"

#include <QDirIterator>
#include <QFile>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

AuthChallenge service(const QString &address, const QString &realm)
{
    const QUrl url(address);
    AuthChallenge challenge;
    challenge.urlScheme = url.scheme();
    challenge.host = url.host();
    challenge.port = url.port(url.scheme() == u"https" ? 443 : 80);
    challenge.realm = realm;
    return challenge;
}

QUrl addressOf(const AuthChallenge &service)
{
    QUrl url;
    url.setScheme(service.urlScheme);
    url.setHost(service.host);
    url.setPort(service.port);
    return url;
}

// Set by the wrapper: "keyring" when an unlocked keyring serves, "locked" or "none".
bool keyringServes()
{
    return qgetenv("KORVANE_TEST_SECRET_STORE") == "keyring";
}

bool noBus()
{
    return qgetenv("KORVANE_TEST_SECRET_STORE") == "none";
}

} // namespace

class tst_CredentialStore : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void keepsOnePasswordPerService();
    void forgetRemovesEveryRealmOfOneService();
    void reportsLaterAndOnlyToALiveContext();
    void saysOnceWhenNoSecretStoreServes();
    void passwordIsInNoFile();
};

void tst_CredentialStore::initTestCase()
{
    QVERIFY2(!qEnvironmentVariableIsEmpty("KORVANE_TEST_HOME"),
             "run through tests/with_secret_service.sh, never against the user's own keyring");
}

void tst_CredentialStore::cleanup()
{
    // QtKeychain's jobs delete themselves later; let them, so nothing is left at exit.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void tst_CredentialStore::keepsOnePasswordPerService()
{
    const QList<std::pair<AuthChallenge, HttpCredentials>> kept{
        {service(u"https://sms.example.org/"_s, u"Staff"_s), {u"ann"_s, u"one"_s}},
        {service(u"https://sms.example.org/"_s, u"Guests"_s), {u"bob"_s, u"two"_s}},
        {service(u"http://sms.example.org/"_s, u"Staff"_s), {u"cy"_s, u"three"_s}},
        {service(u"https://sms.example.org:8443/"_s, u"Staff"_s), {u"di"_s, u"four"_s}},
        {service(u"https://[::1]:8443/"_s, u"Staff"_s), {u"ed"_s, u"fünf \"quoted\""_s}},
    };
    {
        CredentialStore store;
        for (const auto &[where, credentials] : kept)
            store.store(where, credentials);
        QVERIFY(store.waitForIdle(QDeadlineTimer(60000)));
        for (const auto &[where, credentials] : kept)
            QCOMPARE(store.lookUpAndWait(where), credentials);
        QCOMPARE(store.lookUpAndWait(service(u"https://sms.example.org/"_s, u"staff"_s)), std::nullopt);
        QCOMPARE(store.lookUpAndWait(service(u"https://other.example.org/"_s, u"Staff"_s)), std::nullopt);
    }
    // A store of a later run finds them only in the secret store.
    CredentialStore later;
    for (const auto &[where, credentials] : kept) {
        const auto found = later.lookUpAndWait(where, QDeadlineTimer(60000));
        QCOMPARE(found, keyringServes() ? std::optional<HttpCredentials>(credentials) : std::nullopt);
    }
    for (const auto &[where, credentials] : kept)
        later.forget(addressOf(where));
    QVERIFY(later.waitForIdle(QDeadlineTimer(60000)));
}

void tst_CredentialStore::forgetRemovesEveryRealmOfOneService()
{
    CredentialStore store;
    const AuthChallenge staff = service(u"https://forget.example.org/"_s, u"Staff"_s);
    const AuthChallenge guests = service(u"https://forget.example.org/"_s, u"Guests"_s);
    const AuthChallenge otherPort = service(u"https://forget.example.org:444/"_s, u"Staff"_s);
    for (const AuthChallenge &where : {staff, guests, otherPort})
        store.store(where, {u"u"_s, u"p"_s});
    bool forgotten = false;
    store.forget(QUrl(u"https://FORGET.example.org/any/path?x"_s), this, [&forgotten](bool) { forgotten = true; });
    QVERIFY(store.waitForIdle(QDeadlineTimer(60000)));
    QVERIFY(forgotten);
    QCOMPARE(store.lookUpAndWait(staff), std::nullopt);
    QCOMPARE(store.lookUpAndWait(guests), std::nullopt);
    QCOMPARE(store.lookUpAndWait(otherPort), std::optional<HttpCredentials>({u"u"_s, u"p"_s}));
    // Forgetting what is not kept is no failure.
    CredentialStore later;
    QSignalSpy unavailable(&later, &CredentialStore::secretStoreUnavailable);
    later.forget(QUrl(u"https://never.example.org/"_s));
    later.forget(QUrl(u"https://forget.example.org:444/"_s));
    QVERIFY(later.waitForIdle(QDeadlineTimer(60000)));
    // A locked keyring shows nothing to forget; without a bus the store says why, once.
    QCOMPARE(unavailable.count(), noBus() ? 1 : 0);
    QCOMPARE(later.lookUpAndWait(otherPort), std::nullopt);
}

void tst_CredentialStore::reportsLaterAndOnlyToALiveContext()
{
    CredentialStore store(CredentialStore::Backend::Memory);
    const AuthChallenge where = service(u"https://later.example.org/"_s, u"r"_s);
    int reports = 0;
    store.store(where, {u"u"_s, u"p"_s}, this, [&reports](bool) { ++reports; });
    QCOMPARE(reports, 0);
    auto *gone = new QObject;
    int reportsToTheGone = 0;
    store.lookUp(where, gone, [&reportsToTheGone](const auto &) { ++reportsToTheGone; });
    delete gone;
    std::optional<HttpCredentials> found;
    store.lookUp(where, this, [&found](const auto &credentials) { found = credentials; });
    QVERIFY(!found);
    QVERIFY(store.waitForIdle(QDeadlineTimer(10000)));
    QCOMPARE(reports, 1);
    QCOMPARE(reportsToTheGone, 0);
    QCOMPARE(found, std::optional<HttpCredentials>({u"u"_s, u"p"_s}));
}

void tst_CredentialStore::saysOnceWhenNoSecretStoreServes()
{
    CredentialStore store;
    QSignalSpy unavailable(&store, &CredentialStore::secretStoreUnavailable);
    const AuthChallenge first = service(u"https://once.example.org/"_s, u"r"_s);
    const AuthChallenge second = service(u"https://twice.example.org/"_s, u"r"_s);
    bool keptInSecretStore = true;
    store.store(first, {u"u"_s, u"p1"_s}, this, [&keptInSecretStore](bool kept) { keptInSecretStore = kept; });
    store.store(second, {u"u"_s, u"p2"_s});
    QVERIFY(store.waitForIdle(QDeadlineTimer(60000)));
    // Either way the running program has them.
    QCOMPARE(store.lookUpAndWait(first), std::optional<HttpCredentials>({u"u"_s, u"p1"_s}));
    QCOMPARE(store.lookUpAndWait(second), std::optional<HttpCredentials>({u"u"_s, u"p2"_s}));
    QCOMPARE(keptInSecretStore, keyringServes());
    QCOMPARE(store.usesSecretStore(), keyringServes());
    QCOMPARE(unavailable.count(), keyringServes() ? 0 : 1);
    if (!keyringServes()) {
        const QString notice = unavailable.first().first().toString();
        QVERIFY2(notice.startsWith(u"The desktop's secret store (keyring) cannot be used: "), qPrintable(notice));
        QVERIFY(notice.endsWith(u"KORVANE keeps the passwords you give it only until it ends."));
        QCOMPARE(store.notice(), notice);
        // Said in the program's words; what the secret store said itself is
        // kept for the details.
        QVERIFY2(!notice.contains(u"/org/freedesktop"_s), qPrintable(notice));
        if (qgetenv("KORVANE_TEST_SECRET_STORE") == "locked") {
            QCOMPARE(notice, u"The desktop's secret store (keyring) cannot be used: it has no \"login\" keyring to "
                             "keep passwords in. KORVANE keeps the passwords you give it only until it ends."_s);
            QVERIFY2(store.noticeDetails().contains(u"/org/freedesktop/secrets/collection/login"_s),
                     qPrintable(store.noticeDetails()));
        }
    }
    store.forget(QUrl(u"https://once.example.org/"_s));
    store.forget(QUrl(u"https://twice.example.org/"_s));
    QVERIFY(store.waitForIdle(QDeadlineTimer(60000)));
    QCOMPARE(store.lookUpAndWait(first), std::nullopt);
}

void tst_CredentialStore::passwordIsInNoFile()
{
    const QString password = u"Disk-Search-Marker-7Q"_s;
    {
        CredentialStore store;
        store.store(service(u"https://disk.example.org/"_s, u"r"_s), {u"u"_s, password});
        QVERIFY(store.waitForIdle(QDeadlineTimer(60000)));
    }
    const QString home = qEnvironmentVariable("KORVANE_TEST_HOME");
    int files = 0;
    QDirIterator it(home + u"/home"_s, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        ++files;
        const QByteArray bytes = file.readAll();
        QVERIFY2(!bytes.contains(password.toUtf8()), qPrintable(file.fileName()));
        QVERIFY2(!bytes.contains(QByteArray(reinterpret_cast<const char *>(password.utf16()), password.size() * 2)),
                 qPrintable(file.fileName()));
    }
    if (keyringServes()) {
        // The keyring itself is among them, written (encrypted) to the disk.
        QVERIFY(QFile::exists(home + u"/home/.local/share/keyrings/login.keyring"_s));
        QVERIFY(files > 1);
    }
    CredentialStore store;
    store.forget(QUrl(u"https://disk.example.org/"_s));
    QVERIFY(store.waitForIdle(QDeadlineTimer(60000)));
}

QTEST_GUILESS_MAIN(tst_CredentialStore)
#include "tst_credentialstore.moc"
