// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// korvane-keychain.so: the secret store through QtKeychain, loaded by the
// credential store when it is first used.

#include "credentials/keychainaccess.h"

#include <QCoreApplication>
#include <QObject>
#include <QRegularExpression>

#include <qt6keychain/keychain.h>

using namespace Qt::StringLiterals;

namespace {

// Why the secret store failed, in the program's words. What it said itself
// is raw D-Bus or libsecret text ("Object does not exist at path ..."), kept
// for the details.
QString reasonOf(const QKeychain::Job *job)
{
    switch (job->error()) {
    case QKeychain::NoBackendAvailable:
        return QCoreApplication::translate("KeychainAccess", "no secret store is available");
    case QKeychain::AccessDenied:
    case QKeychain::AccessDeniedByUser:
        return QCoreApplication::translate("KeychainAccess", "it did not let KORVANE keep or read passwords");
    default:
        break;
    }
    // The keyring that passwords go to by default may be missing: a desktop
    // that never created its "login" keyring, or one whose keyring was removed.
    static const QRegularExpression missingKeyring(u"/org/freedesktop/secrets/collection/(\\w+)"_s);
    const QRegularExpressionMatch missing = missingKeyring.match(job->errorString());
    if (missing.hasMatch())
        return QCoreApplication::translate("KeychainAccess", "it has no \"%1\" keyring to keep passwords in")
            .arg(missing.captured(1));
    return QCoreApplication::translate("KeychainAccess", "it did not answer as expected");
}

KeychainAccess::Status statusOf(const QKeychain::Job *job)
{
    switch (job->error()) {
    case QKeychain::NoError:
        return KeychainAccess::Status::Done;
    case QKeychain::EntryNotFound:
        return KeychainAccess::Status::NotFound;
    default:
        return KeychainAccess::Status::Failed;
    }
}

// The jobs have no parent and delete themselves: QtKeychain's secret-store
// calls still point at a job until they answer, so a job must outlive
// whoever started it.
void run(QKeychain::Job *job, const QString &key, QObject *context, KeychainAccess::Finished done)
{
    job->setAutoDelete(true);
    job->setInsecureFallback(false);
    job->setKey(key);
    QObject::connect(job, &QKeychain::Job::finished, context, [done = std::move(done)](QKeychain::Job *finished) {
        KeychainAccess::Result result;
        result.status = statusOf(finished);
        if (result.status == KeychainAccess::Status::Failed) {
            result.why = reasonOf(finished);
            result.detail = finished->errorString().trimmed();
        }
        const auto *read = qobject_cast<QKeychain::ReadPasswordJob *>(finished);
        if (read && result.status == KeychainAccess::Status::Done)
            result.secret = read->textData();
        done(result);
    });
    job->start();
}

void read(const QString &service, const QString &key, QObject *context, KeychainAccess::Finished done)
{
    run(new QKeychain::ReadPasswordJob(service), key, context, std::move(done));
}

void write(const QString &service, const QString &key, const QString &secret, QObject *context,
           KeychainAccess::Finished done)
{
    auto *job = new QKeychain::WritePasswordJob(service);
    job->setTextData(secret);
    run(job, key, context, std::move(done));
}

void remove(const QString &service, const QString &key, QObject *context, KeychainAccess::Finished done)
{
    run(new QKeychain::DeletePasswordJob(service), key, context, std::move(done));
}

const KeychainAccess::Functions s_functions{read, write, remove};

} // namespace

extern "C" Q_DECL_EXPORT const KeychainAccess::Functions *korvane_keychain_functions()
{
    return &s_functions;
}
