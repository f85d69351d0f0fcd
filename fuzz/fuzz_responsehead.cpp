// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The head of an answer, line by line as libcurl's header callback hands it over. The first
// byte says after how many lines the request left (a proxy's answer to CONNECT comes before).

#include "soap/responsehead.h"
#include "soap/soapreplyreader.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const int leavesAfter = data[0] % 4;
    const QByteArray text = QByteArray::fromRawData(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    ResponseHead head;
    qint64 fed = 0;
    int lines = 0;
    for (qsizetype at = 0; at < text.size(); ++lines) {
        const qsizetype end = text.indexOf('\n', at);
        const QByteArrayView line = QByteArrayView(text).sliced(at, (end < 0 ? text.size() : end + 1) - at);
        at += line.size();
        fed += line.size();
        const bool read = head.read(line, lines >= leavesAfter);
        // The cap is the same for every head: stop exactly when it is passed, and say so.
        if (read == (fed > SoapReplyReader::MaximumHeadSize) || read == head.isTooLarge())
            std::abort();
        if (!read)
            return 0;
        if (head.isComplete() && head.status() < 200)
            std::abort();
    }
    if (head.authenticate().size() > lines)
        std::abort();
    return 0;
}
