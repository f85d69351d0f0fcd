// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What a command tells the shell that ran it. Scripts rely on these numbers:
// they never change meaning.
enum ExitStatus : int {
    Success = 0,
    // The command could not do what it was asked; for send, the message was not sent.
    Failure = 1,
    // send only: the request went out and no complete answer came back.
    NotKnown = 2,
    // The command line itself is wrong (sysexits.h's EX_USAGE).
    UsageError = 64,
};
