// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "contacts/textinput.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringDecoder>

#include <algorithm>
#include <cstring>

namespace TextInput {

Utf8Bytes::Utf8Bytes(QByteArrayView data)
    : m_text(data)
{
    if (data.startsWith("\xEF\xBB\xBF")) {
        m_text = data.sliced(3);
    } else if (data.startsWith("\xFF\xFE") || data.startsWith("\xFE\xFF")) {
        QStringDecoder decoder(data.startsWith("\xFF\xFE") ? QStringConverter::Utf16LE
                                                           : QStringConverter::Utf16BE);
        const QString text = decoder(data.sliced(2));
        m_utf16Broken = decoder.hasError();
        m_converted = text.toUtf8();
        m_text = m_converted;
    }
}

QString Utf8Bytes::problem(bool checkUtf8) const
{
    if (m_utf16Broken)
        return QCoreApplication::translate("TextInput", "The file begins like UTF-16 text but is not.");
    if (const void *nul = std::memchr(m_text.data(), 0, size_t(m_text.size()))) {
        const qsizetype at = static_cast<const char *>(nul) - m_text.data();
        return QCoreApplication::translate("TextInput", "The file is not a text file: line %1 holds a NUL byte.")
            .arg(lineAt(m_text, at));
    }
    if (checkUtf8) {
        if (const qsizetype at = firstInvalidUtf8(m_text); at >= 0) {
            return QCoreApplication::translate("TextInput",
                                               "The file is not UTF-8 text: line %1 holds bytes that are not UTF-8. "
                                               "Save it as UTF-8 and import it again.")
                .arg(lineAt(m_text, at));
        }
    }
    return {};
}

qsizetype firstInvalidUtf8(QByteArrayView text)
{
    const auto *p = reinterpret_cast<const unsigned char *>(text.data());
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        // Plain ASCII, the bulk of any contacts file, eight bytes at a time.
        if (i + 8 <= n) {
            quint64 word;
            std::memcpy(&word, p + i, sizeof word);
            if ((word & 0x8080808080808080ULL) == 0) {
                i += 8;
                continue;
            }
        }
        const unsigned char c = p[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        int length;
        char32_t codePoint;
        char32_t smallest;
        if ((c & 0xE0) == 0xC0) {
            length = 2, codePoint = c & 0x1F, smallest = 0x80;
        } else if ((c & 0xF0) == 0xE0) {
            length = 3, codePoint = c & 0x0F, smallest = 0x800;
        } else if ((c & 0xF8) == 0xF0) {
            length = 4, codePoint = c & 0x07, smallest = 0x10000;
        } else {
            return i;
        }
        if (i + length > n)
            return i;
        for (int k = 1; k < length; ++k) {
            if ((p[i + k] & 0xC0) != 0x80)
                return i;
            codePoint = (codePoint << 6) | (p[i + k] & 0x3F);
        }
        if (codePoint < smallest || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
            return i;
        i += length;
    }
    return -1;
}

int lineAt(QByteArrayView text, qsizetype offset)
{
    const qsizetype end = std::min(offset, text.size());
    return 1 + int(std::count(text.data(), text.data() + end, '\n'));
}

QString grouped(qint64 count)
{
    QLocale locale = QLocale::c();
    locale.setNumberOptions(QLocale::DefaultNumberOptions);
    return locale.toString(count);
}

} // namespace TextInput
