// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>
#include <optional>

// An IPv4 or IPv6 address as the host of a URL or an entry of no_proxy holds
// it, for the two questions the client asks of one: is it this computer, and
// does it lie in a network. An IPv4 address is kept in its IPv6-mapped form
// (::ffff:a.b.c.d), so that either way of writing it compares equal.
class IpAddress
{
public:
    // The address `text` writes (dotted quad, or IPv6 with or without
    // brackets); none for a name or anything else.
    static std::optional<IpAddress> parse(const QString &text);

    bool isLoopback() const;
    // Whether this address lies in `network`/`prefixLength`, counted in the
    // network's own family: 8 for an IPv4 network is 127.0.0.0/8.
    bool isIn(const IpAddress &network, int prefixLength) const;

    friend bool operator==(const IpAddress &, const IpAddress &) = default;

private:
    bool isMappedIpv4() const;

    std::array<unsigned char, 16> m_bytes{};
};
