// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The service's reply: the first two bytes choose the HTTP status, the rest is the body.

#include "soap/soapreplyreader.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    // 100 to 599, so that both successes and failures come up.
    const int status = 100 + (data[0] << 8 | data[1]) % 500;
    const QByteArray body =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data + 2), qsizetype(size - 2));
    const SoapCallResult result = SoapReplyReader::read(status, QByteArrayLiteral("Reason"), body);

    // What the window relies on: a failure always has words for the user, a
    // fault is never a success, and a success needs a 2xx status.
    if (!result.ok && result.errorString.isEmpty())
        std::abort();
    if (result.ok && (result.isFault || !result.errorString.isEmpty()))
        std::abort();
    if (result.ok && (status < 200 || status >= 300))
        std::abort();
    return 0;
}
