// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The proxy variables, and the addresses of no_proxy. The first byte picks a password (some
// with characters that end an authority early) and a prefix length; the rest, split at NULs,
// gives what stands before it (scheme and user name), the host after it, and no_proxy. The
// proxy's name in messages must never hold the password, and an address lies in every
// network of its own that a prefix length can describe.

#include "soap/ipaddress.h"
#include "soap/proxychoice.h"

#include <QByteArray>
#include <QList>
#include <QUrl>

#include <cstdint>
#include <cstdlib>

namespace {

void checkAddress(const QByteArray &text, int prefixLength)
{
    const std::optional<IpAddress> address = IpAddress::parse(QString::fromLatin1(text));
    if (!address)
        return;
    // Only an IPv4 address lies in 0.0.0.0/0.
    const bool ipv4 = address->isIn(*IpAddress::parse(QStringLiteral("0.0.0.0")), 0);
    if (!address->isIn(*address, prefixLength % (ipv4 ? 33 : 129)))
        std::abort();
    (void)address->isLoopback();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    static const QByteArray passwords[] = {"s3cr3tpw", "s3@cr3tpw", "s3/cr3t#pw", "s3?cr3t:pw", "s3 cr3t pw"};
    const QByteArray &password = passwords[data[0] % 5];
    const QList<QByteArray> parts =
        QByteArray(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1)).split('\0');
    const QByteArray before = parts.value(0);
    const QByteArray host = parts.value(1);
    const QByteArray noProxy = parts.value(2);
    checkAddress(host, data[0]);
    checkAddress(noProxy, data[0] >> 1);

    // A host that spells the password out shows it, rightly: in any letter case, and in
    // punycode, which keeps the ASCII letters of a name in their order.
    QByteArray ascii;
    for (const char c : QByteArray(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1))) {
        if (static_cast<unsigned char>(c) < 0x80)
            ascii += c;
    }
    if (ascii.toLower().contains("cr3t"))
        return 0;
    const QByteArray proxy = before + ':' + password + '@' + host;
    setenv("http_proxy", proxy.constData(), 1);
    setenv("https_proxy", proxy.constData(), 1);
    setenv("no_proxy", noProxy.constData(), 1);
    for (const char *service : {"http://sms.example.org/sms", "https://[::1]:8443/sms", "http://10.1.2.3/"}) {
        const ProxyChoice choice = ProxyChoice::forUrl(QUrl(QString::fromLatin1(service)));
        if (choice.where.contains(QLatin1StringView("cr3t")))
            std::abort();
        if (choice.isDirect() != choice.where.isEmpty())
            std::abort();
    }
    return 0;
}
