// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "soap/soapcall.h"

#include "soap/httptransport.h"
#include "soap/soapoperation.h"
#include "soap/soapreplyreader.h"

#include <QCoreApplication>
#include <QMutex>
#include <QSet>

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

struct SoapCall::WorkerEnd
{
    std::mutex mutex;
    std::condition_variable condition;
    bool ended = false;
};

namespace {

// The threads that run the transfers. They are kept between calls: each new thread pays the
// TLS library's set-up of its own, which costs more than a whole send on loopback. They are
// plain threads, joined when this ends, so that nothing of theirs outlives the application.
class TransferThreads final
{
public:
    ~TransferThreads()
    {
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            m_stopping = true;
        }
        m_wake.notify_all();
        for (std::thread &thread : m_threads)
            thread.join();
    }

    void start(std::function<void()> job)
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_jobs.push_back(std::move(job));
        if (m_idle > 0) {
            --m_idle;
            m_wake.notify_one();
        } else {
            // A job never waits for another one to end: it gets a thread of its own.
            m_threads.emplace_back([this] { serve(); });
        }
    }

private:
    void serve()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        for (;;) {
            if (m_jobs.empty()) {
                if (m_stopping)
                    return;
                ++m_idle;
                m_wake.wait(lock, [this] { return !m_jobs.empty() || m_stopping; });
                if (m_jobs.empty())
                    continue;
            }
            std::function<void()> job = std::move(m_jobs.front());
            m_jobs.pop_front();
            lock.unlock();
            job();
            job = nullptr;
            lock.lock();
        }
    }

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<std::function<void()>> m_jobs;
    std::vector<std::thread> m_threads;
    int m_idle = 0;
    bool m_stopping = false;
};

// The calls whose transfer runs, and the threads; both end with the application object,
// before the libraries the threads use.
QMutex s_lock;
QSet<SoapCall *> s_running;
TransferThreads *s_threads = nullptr;

void endTransfers()
{
    TransferThreads *threads = nullptr;
    {
        const QMutexLocker lock(&s_lock);
        for (SoapCall *call : std::as_const(s_running))
            call->abort();
        threads = std::exchange(s_threads, nullptr);
    }
    // Waits for the cancelled transfers (about a second at most) and ends the threads.
    delete threads;
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
    m_carriedCredentials = !request.authorization.isEmpty() || !request.url.userName().isEmpty();
    m_workerEnd = std::make_shared<WorkerEnd>();
    const QMutexLocker lock(&s_lock);
    s_running.insert(this);
    if (!s_threads) {
        s_threads = new TransferThreads;
        if (QCoreApplication::instance())
            qAddPostRoutine(endTransfers);
    }
    s_threads->start([this, end = m_workerEnd, request = std::move(request)] {
        m_transfer = std::make_unique<HttpPostResult>(HttpTransport::post(request, m_cancelled));
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
    case HttpPostResult::Stage::Answered: {
        SoapCallResult result = SoapReplyReader::read(transfer.answer, *m_operation);
        if (result.challenge && m_carriedCredentials) {
            result.signInRefused = true;
            const QString realm = result.challenge->displayRealm();
            result.reason = realm.isEmpty()
                ? QCoreApplication::translate("SoapCall", "the service at %1 did not accept the user name and password")
                      .arg(result.challenge->where())
                : QCoreApplication::translate("SoapCall",
                                              "the service at %1 did not accept the user name and password (%2)")
                      .arg(result.challenge->where(), realm);
        }
        finish(result);
        break;
    }
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
