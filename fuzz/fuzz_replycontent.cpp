// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The XML inside a reply body: the first line is the Content-Type (a multipart/MTOM type with
// its boundary and start, a charset), the rest the body. Its reason for refusing one is shown
// to the user (and printed on a terminal by korvane send), so it holds no control character.

#include "soap/replycontent.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype lineEnd = input.indexOf('\n');
    const QByteArray contentType = lineEnd < 0 ? input : input.left(lineEnd);
    const QByteArray body = lineEnd < 0 ? QByteArray() : input.mid(lineEnd + 1);
    const ReplyContent::Xml xml = ReplyContent::xmlOf(contentType, body);
    for (const QChar c : xml.error) {
        if (c.category() == QChar::Other_Control)
            std::abort();
    }
    // A part of the body, decoded once: never much larger than the body itself.
    if (xml.bytes.size() > 4 * body.size() + 16)
        std::abort();
    return 0;
}
