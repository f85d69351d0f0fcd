// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "soap/soapcall.h"

#include "soap/httppost.h"
#include "soap/soapoperation.h"
#include "soap/soapreplyreader.h"

#include <QCoreApplication>
#include <QMutex>
#include <QSet>
#include <QThreadPool>

#include <condition_variable>
#include <mutex>

struct SoapCall::WorkerEnd
{
    std::mutex mutex;
    std::condition_variable condition;
    bool ended = false;
};

namespace {

// The calls whose transfer runs, and the threads that run them. The threads are kept a while
// between calls: each new one pays the TLS library's set-up of its own, which costs more than
// a whole send on loopback. Both end with the application, before the libraries they use.
QMutex s_lock;
QSet<SoapCall *> s_running;
QThreadPool *s_pool = nullptr;

void endTransfers()
{
    QThreadPool *pool = nullptr;
    {
        const QMutexLocker lock(&s_lock);
        for (SoapCall *call : std::as_const(s_running))
            call->abort();
        pool = std::exchange(s_pool, nullptr);
    }
    // Waits for the cancelled transfers (about a second at most) and ends the threads.
    delete pool;
}

} // namespace

SoapCall::SoapCall() = default;

SoapCall::~SoapCall()
{
    m_cancelled = true;
    waitForWorker();
    const QMutexLocker lock(&s_lock);
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
    m_workerEnd = std::make_shared<WorkerEnd>();
    const QMutexLocker lock(&s_lock);
    s_running.insert(this);
    if (!s_pool) {
        s_pool = new QThreadPool;
        s_pool->setMaxThreadCount(16);
        if (QCoreApplication::instance())
            qAddPostRoutine(endTransfers);
    }
    s_pool->start([this, end = m_workerEnd, request = std::move(request)] {
        m_transfer = std::make_unique<HttpPostResult>(HttpPost::run(request, m_cancelled));
        // Posting an event is safe from any thread; this object lives on until the worker
        // says below that it is done with it (its destructor waits for that).
        QMetaObject::invokeMethod(this, [this] { transferEnded(); }, Qt::QueuedConnection);
        const std::lock_guard<std::mutex> endLock(end->mutex);
        end->ended = true;
        end->condition.notify_all();
    });
}

void SoapCall::waitForWorker()
{
    if (!m_workerEnd)
        return;
    std::unique_lock<std::mutex> lock(m_workerEnd->mutex);
    m_workerEnd->condition.wait(lock, [this] { return m_workerEnd->ended; });
}

void SoapCall::transferEnded()
{
    if (m_finished)
        return;
    waitForWorker();
    const HttpPostResult &transfer = *m_transfer;
    {
        const QMutexLocker lock(&s_lock);
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
