// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The service's reply: the first two bytes choose the HTTP status, the third whether the
// operation promises an answer and the Content-Type, the rest is the body.

#include "soap/soapoperation.h"
#include "soap/soapreplyreader.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 3)
        return 0;
    // 100 to 599, so that both successes and failures come up.
    const int status = 100 + (data[0] << 8 | data[1]) % 500;
    static const QByteArray types[] = {
        "text/xml", "text/xml; charset=iso-8859-1", "application/soap+xml; charset=utf-16",
        "multipart/related; boundary=\"b\"; start=\"<r>\"", "multipart/related; boundary=b"};
    SoapOperation operation;
    operation.declaresOutput = data[2] & 1;
    const QByteArray body =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data + 3), qsizetype(size - 3));
    const SoapCallResult result = SoapReplyReader::read(
        {status, QByteArrayLiteral("Reason"), types[(data[2] >> 1) % 5], QByteArray(), body, QString(),
         // The same bytes as a challenge, for the 401s among the inputs.
         {body}},
        operation);

    // What the window relies on: a failure always has words for the user, a
    // fault is never a success, and a success needs a 2xx status.
    if (!result.ok() && result.reason.isEmpty())
        std::abort();
    if (result.ok() && (result.isFault || !result.reason.isEmpty()))
        std::abort();
    if (result.ok() && (status < 200 || status >= 300))
        std::abort();
    return 0;
}
