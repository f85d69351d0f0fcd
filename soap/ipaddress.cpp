// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "soap/ipaddress.h"

#include <arpa/inet.h>

#include <algorithm>
#include <cstring>

namespace {

constexpr unsigned char s_mappedPrefix[12] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xff, 0xff};

} // namespace

std::optional<IpAddress> IpAddress::parse(const QString &text)
{
    // A character outside Latin-1 becomes '?', which inet_pton refuses.
    QByteArray bytes = text.toLatin1();
    if (bytes.startsWith('[') && bytes.endsWith(']'))
        bytes = bytes.mid(1, bytes.size() - 2);
    if (bytes.isEmpty())
        return std::nullopt;
    IpAddress address;
    unsigned char ipv4[4];
    if (inet_pton(AF_INET, bytes.constData(), ipv4) == 1) {
        std::memcpy(address.m_bytes.data(), s_mappedPrefix, sizeof s_mappedPrefix);
        std::memcpy(address.m_bytes.data() + 12, ipv4, sizeof ipv4);
        return address;
    }
    if (inet_pton(AF_INET6, bytes.constData(), address.m_bytes.data()) == 1)
        return address;
    return std::nullopt;
}

bool IpAddress::isMappedIpv4() const
{
    return std::equal(std::begin(s_mappedPrefix), std::end(s_mappedPrefix), m_bytes.begin());
}

bool IpAddress::isLoopback() const
{
    if (isMappedIpv4())
        return m_bytes[12] == 127;
    static constexpr std::array<unsigned char, 16> ipv6Loopback{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1};
    return m_bytes == ipv6Loopback;
}

bool IpAddress::isIn(const IpAddress &network, int prefixLength) const
{
    int bits = prefixLength;
    if (network.isMappedIpv4()) {
        if (!isMappedIpv4() || bits < 0 || bits > 32)
            return false;
        bits += 96;
    } else if (isMappedIpv4() || bits < 0 || bits > 128) {
        return false;
    }
    const int whole = bits / 8;
    if (!std::equal(m_bytes.begin(), m_bytes.begin() + whole, network.m_bytes.begin()))
        return false;
    const int rest = bits % 8;
    if (rest == 0)
        return true;
    const auto mask = static_cast<unsigned char>(0xff << (8 - rest));
    return (m_bytes[whole] & mask) == (network.m_bytes[whole] & mask);
}
