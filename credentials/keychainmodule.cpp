// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// korvane-keychain.so: the secret store through QtKeychain, loaded by the
// credential store when it is first used.

#include "credentials/keychainaccess.h"

#include <QObject>

#include <qt6keychain/keychain.h>

using namespace Qt::StringLiterals;

namespace {

QString reasonOf(const QKeychain::Job *job)
{
    QString why = job->errorString().trimmed();
    if (why.endsWith(u'.'))
        why.chop(1);
    if (!why.isEmpty())
        return why;
    return job->error() == QKeychain::NoBackendAvailable ? u"no secret store is available"_s
                                                         : u"the secret store refused the request"_s;
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
        const KeychainAccess::Status status = statusOf(finished);
        const auto *read = qobject_cast<QKeychain::ReadPasswordJob *>(finished);
        done(status, status == KeychainAccess::Status::Failed ? reasonOf(finished) : QString(),
             read && status == KeychainAccess::Status::Done ? read->textData() : QString());
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
