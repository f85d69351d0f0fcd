// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "soap/authchallenge.h"
#include "soap/httpcredentials.h"

#include <QDeadlineTimer>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>

#include <deque>
#include <functional>
#include <memory>
#include <optional>

class QUrl;

namespace KeychainAccess {
struct Result;
}

// The user names and passwords of the services that ask to sign in, kept in
// the desktop's secret store (GNOME Keyring, KWallet, ... through QtKeychain
// and the Secret Service), never in a file of ours.
//
// Credentials belong to one service: the scheme, host and port of its address
// and the realm of its challenge, so two services never share a password. The
// store holds one entry per address ("https://sms.example.org:443"), whose
// secret maps each realm to its user name and password; forgetting a service
// removes that entry, every realm of it.
//
// Every operation is asynchronous, like the secret store itself: it reports
// through its callback from the event loop, never before the call returns,
// and not at all once the callback's context object is gone (the operation
// itself still completes). Operations run one after another, in the order they
// were asked for. waitForIdle() and lookUpAndWait() serve callers without an
// event loop of their own (the command line).
//
// Where no secret store answers (no session bus, no Secret Service on it, a
// locked keyring that stays locked), the store says so once through
// secretStoreUnavailable() and from then on keeps what it is given in memory,
// for the running program only. There is no fallback to a file.
class CredentialStore final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CredentialStore)

public:
    enum class Backend {
        // The desktop's secret store, or memory once it failed.
        SecretStore,
        // Memory only, from the start (and without a notice).
        Memory,
    };

    using LookUpDone = std::function<void(const std::optional<HttpCredentials> &credentials)>;
    // `keptInSecretStore` is false when the secret store could not be used and
    // memory served instead.
    using Done = std::function<void(bool keptInSecretStore)>;

    explicit CredentialStore(Backend backend = Backend::SecretStore, QObject *parent = nullptr);
    ~CredentialStore() override;

    // The credentials kept for the service that sent `service`; none when
    // nothing is kept for it.
    void lookUp(const AuthChallenge &service, QObject *context, LookUpDone done);
    // Keeps `credentials` for the service that sent `service`, replacing what
    // was kept for it (other realms of the same address are kept as they are).
    void store(const AuthChallenge &service, const HttpCredentials &credentials, QObject *context = nullptr,
               Done done = {});
    // Forgets what is kept for every realm of the service at `address` (its
    // scheme, host and port; the rest of the address does not matter).
    void forget(const QUrl &address, QObject *context = nullptr, Done done = {});

    // Runs a local event loop until every operation asked for so far has
    // ended, or `deadline` passes; false then.
    bool waitForIdle(QDeadlineTimer deadline = QDeadlineTimer(QDeadlineTimer::Forever));
    // lookUp() and wait for it.
    std::optional<HttpCredentials> lookUpAndWait(const AuthChallenge &service,
                                                 QDeadlineTimer deadline = QDeadlineTimer(QDeadlineTimer::Forever));

    bool isIdle() const { return !m_current && m_queue.empty(); }
    // False once the secret store has failed (or for Backend::Memory).
    bool usesSecretStore() const { return m_backend == Backend::SecretStore; }
    // What secretStoreUnavailable() said, in the program's words; empty
    // while the secret store serves.
    QString notice() const { return m_notice; }
    // What the secret store said itself when it failed, for the details of
    // the notice; may be empty.
    QString noticeDetails() const { return m_noticeDetails; }

    // The secret store's entry for the service at `address`, e.g.
    // "https://sms.example.org:443" or "http://[::1]:8080".
    static QString entryName(const QString &scheme, const QString &host, int port);
    // The secret store's service name, under which KORVANE's entries lie.
    static QString serviceName();

signals:
    // Said once: the secret store cannot be used, and why; the credentials are
    // kept in memory until the program ends.
    void secretStoreUnavailable(const QString &notice);
    // Every operation asked for has ended.
    void idle();

private:
    struct Operation;
    using Realms = QHash<QString, HttpCredentials>;

    void enqueue(std::unique_ptr<Operation> operation);
    void next();
    // Carries out the current operation on the passwords kept in memory.
    void runInMemory();
    // The secret store failed: memory from now on, said once, beginning
    // with the current operation.
    void fallBack(const KeychainAccess::Result &failure);
    void complete(bool keptInSecretStore, const std::optional<HttpCredentials> &found = std::nullopt);

    Backend m_backend;
    QString m_notice;
    QString m_noticeDetails;
    QHash<QString, Realms> m_memory;
    std::deque<std::unique_ptr<Operation>> m_queue;
    std::unique_ptr<Operation> m_current;
};
