// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// korvane-transport.so: HttpPost over libcurl, loaded by the SOAP client at
// its first request.

#include "soap/httptransport.h"

extern "C" Q_DECL_EXPORT HttpPostResult korvane_transport_post(const HttpPostRequest &request,
                                                               const std::atomic<bool> &cancelled)
{
    return HttpPost::run(request, cancelled);
}
