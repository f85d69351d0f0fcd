// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "soap/soapcall.h"

#include "soap/httppost.h"
#include "soap/soapoperation.h"
#include "soap/soapreplyreader.h"

#include <QCoreApplication>
#include <QMutex>
#include <QSet>

namespace {

// The calls whose worker thread runs, so that the end of the application can stop them:
// a worker must not outlive the objects and libraries it uses.
QMutex s_runningLock;
QSet<SoapCall *> s_running;
bool s_cleanUpRegistered = false;

void cancelRunningCalls()
{
    const QMutexLocker lock(&s_runningLock);
    for (SoapCall *call : std::as_const(s_running))
        call->abort();
}

} // namespace

SoapCall::SoapCall() = default;

SoapCall::~SoapCall()
{
    m_cancelled = true;
    joinWorker();
    const QMutexLocker lock(&s_runningLock);
    s_running.remove(this);
}

void SoapCall::abort()
{
    m_cancelled = true;
}

void SoapCall::finishLater(const SoapCallResult &result)
{
    m_earlyResult = std::make_unique<SoapCallResult>(result);
    QMetaObject::invokeMethod(this, [this] { finish(*m_earlyResult); }, Qt::QueuedConnection);
}

void SoapCall::finishWithoutEventLoop()
{
    if (m_finished)
        return;
    if (m_earlyResult) {
        finish(*m_earlyResult);
        return;
    }
    abort();
    transferEnded();
}

void SoapCall::run(HttpPostRequest request, SoapOperation operation)
{
    m_operation = std::make_unique<SoapOperation>(std::move(operation));
    {
        const QMutexLocker lock(&s_runningLock);
        s_running.insert(this);
        if (!s_cleanUpRegistered && QCoreApplication::instance()) {
            qAddPostRoutine([] {
                cancelRunningCalls();
                const QMutexLocker lock(&s_runningLock);
                s_cleanUpRegistered = false;
                for (SoapCall *call : std::as_const(s_running))
                    call->joinWorker();
            });
            s_cleanUpRegistered = true;
        }
    }
    m_worker = std::thread([this, request = std::move(request)] {
        m_transfer = std::make_unique<HttpPostResult>(HttpPost::run(request, m_cancelled));
        // Posting an event is safe from any thread; the object outlives this thread
        // because its destructor joins it.
        QMetaObject::invokeMethod(this, [this] { transferEnded(); }, Qt::QueuedConnection);
    });
}

void SoapCall::joinWorker()
{
    if (m_worker.joinable())
        m_worker.join();
}

void SoapCall::transferEnded()
{
    if (m_finished)
        return;
    joinWorker();
    const HttpPostResult &transfer = *m_transfer;
    {
        const QMutexLocker lock(&s_runningLock);
        s_running.remove(this);
    }
    switch (transfer.stage) {
    case HttpPostResult::Stage::Answered:
        finish(SoapReplyReader::read(transfer.answer, *m_operation));
        break;
    case HttpPostResult::Stage::Unanswered:
        finish(SoapCallResult::notKnown(transfer.reason));
        break;
    case HttpPostResult::Stage::NotSent:
        finish(SoapCallResult::notSent(transfer.reason));
        break;
    }
}

void SoapCall::finish(const SoapCallResult &result)
{
    m_finished = true;
    m_result = result;
    emit finished(m_result);
    deleteLater();
}
