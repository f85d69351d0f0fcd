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
