// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "soap/httpanswer.h"
#include "soap/soapcallresult.h"

struct SoapOperation;

/// \brief Turns a complete HTTP answer to a call of \a operation into a SoapCallResult: pure, no network.
///
/// - A SOAP 1.1 or 1.2 fault is a refusal (not sent), whatever the status; its text is shown.
/// - A 2xx answer confirms the call only when it is a SOAP envelope without a fault whose body
///   holds the answer: the response element the description names, or any element when it
///   names none (SoapOperation::responseElements). An envelope without a body or with an empty
///   one leaves the outcome not known. For an operation that declares no output message, any
///   envelope and an empty answer confirm. Anything else in a 2xx answer (empty where an answer
///   is promised, not XML, not an envelope, unreadable) leaves the outcome not known.
/// - A redirect is not followed: it says that the service moved (not sent). A 303 See Other
///   usually follows a request that was carried out, so its outcome is not known.
/// - 401 with a Basic or Digest challenge asks to sign in: not sent, with the challenge in
///   the result (it comes before a fault in the body: the service did not take the call).
/// - Every other 4xx is a refusal (not sent); 407 from a proxy is the proxy's refusal. So are
///   501, 503, 505 and 511, by which a server says that it did not take the request.
/// - Any other 5xx without a complete SOAP fault (500 with an HTML page, or with a fault cut
///   short) comes after the request arrived and says nothing of what became of it: not known.
///   502 and 504 come from a gateway that may have passed the request on.
/// - Any other status (1xx, or one HTTP does not define) is no answer: not known.
///
/// A multipart/related (MTOM/XOP) body is read by its root part, and the charset of the
/// Content-Type applies when the XML does not declare its own encoding.
class SoapReplyReader final
{
public:
    /// Largest reply body the client reads.
    static constexpr qint64 MaximumReplySize = 1024 * 1024;
    /// Largest reply head (status line and headers, of every response read) the client reads.
    static constexpr qint64 MaximumHeadSize = 64 * 1024;

    static SoapCallResult read(const HttpAnswer &answer, const SoapOperation &operation);
};
