// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "soap/soapcallresult.h"

#include <QObject>

#include <atomic>
#include <memory>

struct HttpPostRequest;
struct HttpPostResult;
struct SoapOperation;

/// \brief One SOAP call under way, started by SoapClient::start().
///
/// The exchange with the service runs on a worker thread; finished() is emitted on the
/// thread the call was started from, exactly once and never before start() has returned. The
/// call owns itself: it is deleted (deleteLater) after finished(), so a caller that stops
/// waiting, or goes away, leaves it to end and report to whoever else listens. Connect to
/// finished() with a context object.
///
/// Should the application end while a call is under way, the call is cancelled and waited for
/// as the application object is destroyed.
class SoapCall final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SoapCall)

public:
    ~SoapCall() override;

    bool isFinished() const { return m_finished; }
    /// The outcome, once finished() has been emitted.
    const SoapCallResult &result() const { return m_result; }

    /// \brief Stops waiting for the service; finished() follows within about a second.
    ///
    /// Cancelling does not take back a request that has left: the outcome is then not known.
    void abort();

signals:
    void finished(const SoapCallResult &result);

private:
    friend class SoapClient;
    SoapCall();

    // Ends the call with \a result from the event loop, never synchronously.
    void finishLater(const SoapCallResult &result);
    void run(HttpPostRequest request, SoapOperation operation);
    void transferEnded();
    void finish(const SoapCallResult &result);
    void waitForWorker();
    // For a waiter whose event loop ended early: cancels what still runs and finishes now.
    void finishWithoutEventLoop();

    std::unique_ptr<SoapOperation> m_operation;
    // Set by the worker before it tells this object that it has ended.
    std::unique_ptr<HttpPostResult> m_transfer;
    std::unique_ptr<SoapCallResult> m_earlyResult;
    // Shared with the worker, which says through it that it no longer touches this object.
    struct WorkerEnd;
    std::shared_ptr<WorkerEnd> m_workerEnd;
    std::atomic<bool> m_cancelled{false};
    // The request carried a user name and password, so a 401 refuses them.
    bool m_carriedCredentials = false;
    bool m_finished = false;
    SoapCallResult m_result;
};
