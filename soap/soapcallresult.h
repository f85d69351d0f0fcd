// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "soap/authchallenge.h"

#include <QMetaType>
#include <QString>

#include <optional>

/// \brief The outcome of one SOAP call, and why it was not confirmed.
///
/// A call ends in one of three outcomes. Only a complete answer from the service decides
/// between "sent" and "not sent"; when the request went out and no complete answer came back,
/// nobody on this side can tell, and the outcome says so.
struct SoapCallResult
{
    enum class Outcome {
        /// A complete SOAP envelope whose body holds the answer and no fault confirmed the call
        /// (or, for an operation that declares no output message, any envelope or a complete
        /// and empty 2xx answer).
        Sent,
        /// The service did not act on the call: nothing left the machine (no usable description,
        /// a name that does not resolve, a refused connection or TLS handshake, an argument that
        /// cannot be written), or a complete answer refused it (a SOAP fault, a redirect, an
        /// HTTP error status).
        NotSent,
        /// The request left the machine, but no complete answer says what became of it: the
        /// connection dropped, the answer was cut short, could not be read or held no answer,
        /// a server error came without a SOAP fault, or the time ran out.
        NotKnown,
    };

    Outcome outcome = Outcome::NotSent;
    /// Why the call was not confirmed, in plain words, written to read inside a sentence: it
    /// starts in lower case and has no closing full stop, e.g. "the service at example.org:8080
    /// closed the connection before its answer was complete". Empty when sent.
    QString reason;
    /// A SOAP fault came back: the service refused the call.
    bool isFault = false;
    /// The fault's faultstring (SOAP 1.1) or Reason text (SOAP 1.2).
    QString faultString;
    /// \brief The service answered 401 and asks to sign in, with this challenge (the strongest
    /// of those it offered that this client can answer). The call was not taken (not sent):
    /// start it again with credentials for this challenge (SoapClient::start()).
    std::optional<AuthChallenge> challenge;
    /// The call carried a user name and password (given to start(), or in the service's
    /// address) and the service answered 401 all the same: it did not accept them.
    bool signInRefused = false;

    bool ok() const { return outcome == Outcome::Sent; }
    /// The reason as a sentence of its own: capitalised, with a full stop. Empty when sent.
    QString errorString() const;

    static SoapCallResult sent();
    static SoapCallResult notSent(const QString &reason);
    static SoapCallResult notKnown(const QString &reason);
};

Q_DECLARE_METATYPE(SoapCallResult)
Q_DECLARE_METATYPE(SoapCallResult::Outcome)
