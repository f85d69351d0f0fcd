// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One HTTP POST over libcurl, from the connection to the complete answer. Internal to soap/.

#include "soap/httpanswer.h"
#include "soap/proxychoice.h"

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <atomic>
#include <chrono>

struct HttpPostRequest
{
    QUrl url;
    QByteArray body;
    QByteArray contentType;
    /// The SOAPAction header's value; empty for none.
    QByteArray soapAction;
    std::chrono::milliseconds timeout{30000};
    ProxyChoice proxy;
    /// The Authorization header's value, answering a service's challenge; empty for none.
    /// When set, a user name and password in the URL are not used.
    QByteArray authorization;
};

struct HttpPostResult
{
    enum class Stage {
        /// No byte of the request was handed to the connection.
        NotSent,
        /// The request (or part of it) went out, but no complete answer came back.
        Unanswered,
        /// A complete answer came back; it is in answer.
        Answered,
    };
    Stage stage = Stage::NotSent;
    HttpAnswer answer;
    /// Why there is no answer, as a clause that reads inside a sentence; empty when answered.
    QString reason;
};

/// \brief Sends one POST and waits for the whole answer, on the calling thread.
///
/// The request leaves at most once: a fresh connection is opened for it and closed after it,
/// so nothing is ever re-sent on a reused connection; redirects are not followed; only http
/// and https are spoken, certificates are verified; the answer's head and body are capped.
/// Safe to run on any thread, several at once.
class HttpPost final
{
public:
    /// Runs the exchange; returns early (within about a second) once \a cancelled is set.
    static HttpPostResult run(const HttpPostRequest &request, const std::atomic<bool> &cancelled);
};
