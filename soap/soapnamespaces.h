// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

/// \brief The namespace URIs of WSDL 1.1, its SOAP bindings, SOAP envelopes and XML Schema.
namespace SoapNamespaces {
inline const QString Wsdl = QStringLiteral("http://schemas.xmlsoap.org/wsdl/");
inline const QString WsdlSoap11 = QStringLiteral("http://schemas.xmlsoap.org/wsdl/soap/");
inline const QString WsdlSoap12 = QStringLiteral("http://schemas.xmlsoap.org/wsdl/soap12/");
inline const QString Soap11Envelope = QStringLiteral("http://schemas.xmlsoap.org/soap/envelope/");
inline const QString Soap12Envelope = QStringLiteral("http://www.w3.org/2003/05/soap-envelope");
inline const QString Soap11Encoding = QStringLiteral("http://schemas.xmlsoap.org/soap/encoding/");
inline const QString Soap12Encoding = QStringLiteral("http://www.w3.org/2003/05/soap-encoding");
inline const QString Xsd = QStringLiteral("http://www.w3.org/2001/XMLSchema");
inline const QString Xsi = QStringLiteral("http://www.w3.org/2001/XMLSchema-instance");
} // namespace SoapNamespaces
