// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "credentials/credentialstore.h"

#include "credentials/keychainaccess.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>
#include <QUrl>

using namespace Qt::StringLiterals;

struct CredentialStore::Operation
{
    enum class Kind { LookUp, Store, Forget };
    Kind kind = Kind::LookUp;
    QString entry;
    QString realm;
    HttpCredentials credentials;
    QPointer<QObject> context;
    bool hasContext = false;
    LookUpDone lookUpDone;
    Done done;
};

namespace {

int defaultPort(const QString &scheme)
{
    return scheme == u"https" ? 443 : 80;
}

QString secretOf(const QHash<QString, HttpCredentials> &realms)
{
    QJsonObject object;
    for (auto it = realms.begin(); it != realms.end(); ++it)
        object.insert(it.key(), QJsonObject{{u"user"_s, it->user}, {u"password"_s, it->password}});
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

// An entry that is not ours to read (or damaged) holds nothing: a store replaces it.
QHash<QString, HttpCredentials> realmsOf(const QString &secret)
{
    QHash<QString, HttpCredentials> realms;
    const QJsonObject object = QJsonDocument::fromJson(secret.toUtf8()).object();
    for (auto it = object.begin(); it != object.end(); ++it) {
        const QJsonObject one = it->toObject();
        realms.insert(it.key(), {one.value(u"user").toString(), one.value(u"password").toString()});
    }
    return realms;
}

} // namespace

CredentialStore::CredentialStore(Backend backend, QObject *parent)
    : QObject(parent)
    , m_backend(backend)
{
}

CredentialStore::~CredentialStore() = default;

QString CredentialStore::serviceName()
{
    return u"KORVANE"_s;
}

QString CredentialStore::entryName(const QString &scheme, const QString &host, int port)
{
    const QString name = host.toLower();
    return u"%1://%2:%3"_s.arg(scheme.toLower(), name.contains(u':') ? u'[' + name + u']' : name).arg(port);
}

void CredentialStore::lookUp(const AuthChallenge &service, QObject *context, LookUpDone done)
{
    auto operation = std::make_unique<Operation>();
    operation->kind = Operation::Kind::LookUp;
    operation->entry = entryName(service.urlScheme, service.host, service.port);
    operation->realm = service.realm;
    operation->context = context;
    operation->hasContext = context != nullptr;
    operation->lookUpDone = std::move(done);
    enqueue(std::move(operation));
}

void CredentialStore::store(const AuthChallenge &service, const HttpCredentials &credentials, QObject *context,
                            Done done)
{
    auto operation = std::make_unique<Operation>();
    operation->kind = Operation::Kind::Store;
    operation->entry = entryName(service.urlScheme, service.host, service.port);
    operation->realm = service.realm;
    operation->credentials = credentials;
    operation->context = context;
    operation->hasContext = context != nullptr;
    operation->done = std::move(done);
    enqueue(std::move(operation));
}

void CredentialStore::forget(const QUrl &address, QObject *context, Done done)
{
    auto operation = std::make_unique<Operation>();
    operation->kind = Operation::Kind::Forget;
    const QString scheme = address.scheme().toLower();
    operation->entry = entryName(scheme, address.host(), address.port(defaultPort(scheme)));
    operation->context = context;
    operation->hasContext = context != nullptr;
    operation->done = std::move(done);
    enqueue(std::move(operation));
}

bool CredentialStore::waitForIdle(QDeadlineTimer deadline)
{
    if (isIdle())
        return true;
    QEventLoop loop;
    connect(this, &CredentialStore::idle, &loop, &QEventLoop::quit);
    QTimer timer;
    if (!deadline.isForever()) {
        connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
        timer.setSingleShot(true);
        timer.start(std::max<qint64>(0, deadline.remainingTime()));
    }
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    return isIdle();
}

std::optional<HttpCredentials> CredentialStore::lookUpAndWait(const AuthChallenge &service, QDeadlineTimer deadline)
{
    std::optional<HttpCredentials> found;
    QObject context;
    lookUp(service, &context, [&found](const std::optional<HttpCredentials> &credentials) { found = credentials; });
    waitForIdle(deadline);
    return found;
}

void CredentialStore::enqueue(std::unique_ptr<Operation> operation)
{
    m_queue.push_back(std::move(operation));
    // From the event loop, so that no callback runs before the call that asked returns.
    if (!m_current && m_queue.size() == 1)
        QTimer::singleShot(0, this, &CredentialStore::next);
}

void CredentialStore::next()
{
    if (m_current)
        return;
    if (m_queue.empty()) {
        emit idle();
        return;
    }
    m_current = std::move(m_queue.front());
    m_queue.pop_front();
    const Operation &operation = *m_current;

    if (m_backend == Backend::Memory) {
        runInMemory();
        return;
    }
    QString why;
    const KeychainAccess::Functions *keychain = KeychainAccess::functions(&why);
    if (!keychain) {
        fallBack({KeychainAccess::Status::Failed, why, QString(), QString()});
        return;
    }
    using KeychainAccess::Result;
    using KeychainAccess::Status;
    const QString service = serviceName();
    switch (operation.kind) {
    case Operation::Kind::LookUp:
        keychain->read(service, operation.entry, this, [this](const Result &read) {
            if (read.status == Status::Failed) {
                fallBack(read);
                return;
            }
            const Realms realms = realmsOf(read.secret);
            const auto it = realms.constFind(m_current->realm);
            complete(true, it == realms.cend() ? std::nullopt : std::optional<HttpCredentials>(*it));
        });
        break;
    case Operation::Kind::Store:
        // The entry holds every realm of the address: read, change one, write back.
        keychain->read(service, operation.entry, this, [this, keychain, service](const Result &read) {
            if (read.status == Status::Failed) {
                fallBack(read);
                return;
            }
            Realms realms = realmsOf(read.secret);
            realms.insert(m_current->realm, m_current->credentials);
            keychain->write(service, m_current->entry, secretOf(realms), this, [this](const Result &written) {
                if (written.status != Status::Done) {
                    fallBack(written);
                    return;
                }
                complete(true);
            });
        });
        break;
    case Operation::Kind::Forget:
        keychain->remove(service, operation.entry, this, [this](const Result &removed) {
            if (removed.status == Status::Failed) {
                fallBack(removed);
                return;
            }
            complete(true);
        });
        break;
    }
}

void CredentialStore::runInMemory()
{
    const Operation &operation = *m_current;
    switch (operation.kind) {
    case Operation::Kind::LookUp: {
        const Realms realms = m_memory.value(operation.entry);
        const auto it = realms.constFind(operation.realm);
        complete(false, it == realms.cend() ? std::nullopt : std::optional<HttpCredentials>(*it));
        return;
    }
    case Operation::Kind::Store:
        m_memory[operation.entry].insert(operation.realm, operation.credentials);
        break;
    case Operation::Kind::Forget:
        m_memory.remove(operation.entry);
        break;
    }
    complete(false);
}

void CredentialStore::complete(bool keptInSecretStore, const std::optional<HttpCredentials> &found)
{
    // Reported from the event loop: an operation in memory would otherwise report within
    // the call that asked for it. It stays current until then, so that the store is idle
    // only once every callback has run.
    QTimer::singleShot(0, this, [this, keptInSecretStore, found] {
        const std::unique_ptr<Operation> operation = std::move(m_current);
        if (!operation->hasContext || operation->context) {
            if (operation->lookUpDone)
                operation->lookUpDone(found);
            if (operation->done)
                operation->done(keptInSecretStore);
        }
        next();
    });
}

void CredentialStore::fallBack(const KeychainAccess::Result &failure)
{
    if (m_backend != Backend::Memory) {
        m_backend = Backend::Memory;
        // A write that found nothing to write to says no more than that.
        const QString why = failure.why.isEmpty() ? tr("it did not answer as expected") : failure.why;
        m_notice = tr("The desktop's secret store (keyring) cannot be used: %1. KORVANE keeps the passwords you give "
                      "it only until it ends.")
                       .arg(why);
        m_noticeDetails = failure.detail;
        emit secretStoreUnavailable(m_notice);
    }
    runInMemory();
}
