// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArrayView>
#include <QString>

#include <optional>

// The text that comes into a command as bytes: its arguments, and what it
// reads from standard input. Text is UTF-8; bytes that are not are refused,
// never sent or stored as U+FFFD in their place.
namespace InputText {

// The text of bytes that are UTF-8 from the first to the last, so that a
// sequence cut short at the very end counts as much as a bad byte in the
// middle; nothing when they are not.
std::optional<QString> fromUtf8(QByteArrayView bytes);

// An argument as a command sees it. Each byte that is not part of UTF-8
// becomes a lone surrogate of its own (U+DC80 to U+DCFF), which no UTF-8
// text decodes to: isText() then tells such an argument from one that holds
// U+FFFD itself, and the terminal shows it as U+FFFD.
QString argument(QByteArrayView bytes);

// Whether an argument was UTF-8 text.
bool isText(QStringView argument);

} // namespace InputText
