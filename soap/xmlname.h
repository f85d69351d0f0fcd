// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

/// \brief A namespace URI and a local name: how the SOAP layer names elements and types.
struct XmlName
{
    QString namespaceUri;
    QString localName;

    bool isNull() const { return localName.isEmpty(); }
    friend bool operator==(const XmlName &, const XmlName &) = default;
};
