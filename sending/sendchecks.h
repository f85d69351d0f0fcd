// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <optional>

struct OutgoingMessage;

// The checks a message passes before it is sent, in the order the window has
// always made them and with its words: a recipient, the sender's details, a
// message, a message no longer than the longest, and only characters that a
// request can carry. The window and the command line both ask here, so they
// can never disagree about what may be sent.
namespace SendChecks {

// The longest message, in characters.
inline constexpr int MaximumMessageLength = 159;

// What stops the message from being sent, in the user's words; nothing when
// it may go.
std::optional<QString> problem(const OutgoingMessage &message);

} // namespace SendChecks
