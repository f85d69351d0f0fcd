// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "soap/httptransport.h"

#include "common/programmodule.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace HttpTransport {

namespace {
const QString s_module = u"korvane-transport.so"_s;
}

void prepare()
{
    ProgramModule::prepare(s_module);
}

HttpPostResult post(const HttpPostRequest &request, const std::atomic<bool> &cancelled)
{
    struct Loaded
    {
        KorvaneTransportPost *post = nullptr;
        QString error;
    };
    // Once per process, from whichever transfer thread comes first.
    static const Loaded loaded = [] {
        Loaded result;
        result.post = reinterpret_cast<KorvaneTransportPost *>(
            ProgramModule::resolve(s_module, "korvane_transport_post", &result.error));
        return result;
    }();
    if (loaded.post)
        return loaded.post(request, cancelled);
    HttpPostResult result;
    result.reason = QCoreApplication::translate("HttpTransport", "KORVANE's HTTP transport is not available: %1")
                        .arg(loaded.error);
    return result;
}

} // namespace HttpTransport
