// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/inputtext.h"

#include <QStringDecoder>

namespace InputText {

std::optional<QString> fromUtf8(QByteArrayView bytes)
{
    // A decoder that keeps state would hold back an unfinished last
    // sequence for a next call that never comes, and report nothing.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

QString argument(QByteArrayView bytes)
{
    if (bytes.isValidUtf8())
        return QString::fromUtf8(bytes);
    QString text;
    text.reserve(bytes.size());
    for (qsizetype at = 0; at < bytes.size();) {
        // The shortest run from here that is UTF-8 is one whole character.
        qsizetype length = 1;
        while (length <= 4 && at + length <= bytes.size() && !bytes.sliced(at, length).isValidUtf8())
            ++length;
        if (length <= 4 && at + length <= bytes.size()) {
            text += QString::fromUtf8(bytes.sliced(at, length));
            at += length;
        } else {
            text += QChar(0xdc00 + uchar(bytes[at]));
            ++at;
        }
    }
    return text;
}

bool isText(QStringView argument)
{
    return argument.isValidUtf16();
}

} // namespace InputText
