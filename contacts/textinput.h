// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Helpers the contacts readers share for turning a file's bytes into text.
namespace TextInput {

// A file's text as UTF-8 bytes without a byte-order mark. A UTF-16 file
// (which announces itself by its byte-order mark) is converted; anything
// else is taken to be UTF-8 and left as it is.
class Utf8Bytes final
{
public:
    explicit Utf8Bytes(QByteArrayView data);

    QByteArrayView text() const { return m_text; }
    // Why the bytes are not text; empty when they are. Checks for NUL bytes
    // always, and for UTF-8 that is not well formed when `checkUtf8` is set.
    QString problem(bool checkUtf8) const;

private:
    QByteArray m_converted;
    QByteArrayView m_text;
    bool m_utf16Broken = false;
};

// The offset of the first byte that does not belong to well-formed UTF-8
// (no overlong forms, no surrogates, nothing past U+10FFFF), or -1.
qsizetype firstInvalidUtf8(QByteArrayView text);

// The 1-based line on which `offset` lies.
int lineAt(QByteArrayView text, qsizetype offset);

// A count for messages, with thousands grouped the same way everywhere:
// "32,767".
QString grouped(qint64 count);

} // namespace TextInput
