// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The way to HttpPost, which lives with libcurl in a module of its own
// (korvane-transport.so beside the program). libcurl brings some thirty
// libraries (GnuTLS, Kerberos, LDAP, SSH ...) that a program which sends
// nothing would otherwise load at its start. Internal to soap/.

#include "soap/httppost.h"

namespace HttpTransport {

// Begins loading the module in a thread of its own; post() waits for it.
void prepare();

// HttpPost::run() in the module, which the first call loads. When the module
// cannot be loaded nothing is sent, and the result's reason says why.
HttpPostResult post(const HttpPostRequest &request, const std::atomic<bool> &cancelled);

} // namespace HttpTransport

// The one symbol the module exports.
using KorvaneTransportPost = HttpPostResult(const HttpPostRequest &, const std::atomic<bool> &);
