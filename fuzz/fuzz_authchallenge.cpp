// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The WWW-Authenticate headers of a 401, one per line, and the Authorization header built
// to answer each challenge found. That header goes out as one line of our next request: it
// must hold no line break or other control character, and a Digest answer never the password.

#include "soap/authchallenge.h"
#include "soap/httpauthorization.h"
#include "soap/httpcredentials.h"

#include <QByteArray>
#include <QList>
#include <QUrl>

#include <cstdint>
#include <cstdlib>

namespace {

bool hasControlCharacter(const QByteArray &text)
{
    for (const char c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QList<QByteArray> headers =
        QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)).split('\n');
    const QUrl service(QStringLiteral("https://sms.example.org:8443/sms"));
    const HttpCredentials credentials{QStringLiteral("ann \u00e9"), QStringLiteral("pa:ss\"wo\\rdpw")};
    for (const AuthChallenge &challenge : AuthChallenge::parse(headers, service)) {
        if (!challenge.isFrom(service))
            std::abort();
        const QString realm = challenge.displayRealm();
        if (realm.size() > 100)
            std::abort();
        for (const QChar c : realm) {
            if (c.category() == QChar::Other_Control)
                std::abort();
        }
        const QByteArray header =
            HttpAuthorization::header(challenge, credentials, "POST", "/sms?x=1", HttpAuthorization::newClientNonce());
        if (hasControlCharacter(header))
            std::abort();
        if (challenge.scheme == AuthChallenge::Scheme::Digest && (header.contains("wo\\rd") || challenge.nonce.isEmpty()))
            std::abort();
    }
    return 0;
}
