// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the two halves of WsdlReader share: the index of a description's top-level
// definitions and the small lookups over it. Internal to soap/.

#include "soap/soapnamespaces.h"
#include "soap/soapoperation.h"
#include "soap/wsdlreader.h"
#include "soap/xmlelement.h"

#include <QList>
#include <QString>

#include <optional>

namespace WsdlLookup {

struct Named
{
    XmlName name;
    const XmlElement *element = nullptr;
};

// Exact match by namespace and name first; a description whose references use a wrong
// or missing prefix still works when the local name is unambiguous.
const XmlElement *find(const QList<Named> &list, const XmlName &name);

std::optional<XmlName> qnameAttribute(const XmlElement *element, QStringView attribute);

// The SOAP extension child of a binding, port or operation: 1.1 or 1.2, or none.
const XmlElement *soapChild(const XmlElement *parent, QStringView name, SoapOperation::Version *version = nullptr);

const XmlElement *childByName(const XmlElement *parent, QStringView wsdlName, const QString &nameAttribute);

QString quoted(const QString &text);

} // namespace WsdlLookup

struct WsdlReader::Index
{
    QString targetNamespace;
    QList<const XmlElement *> services;
    QList<WsdlLookup::Named> messages;
    QList<WsdlLookup::Named> portTypes;
    QList<WsdlLookup::Named> bindings;
    QList<WsdlLookup::Named> schemaElements;
    QList<WsdlLookup::Named> schemaTypes;

    /// Adds the global elements and types of the schemas in a description's types section.
    void addSchemas(const XmlElement *types);
};

struct WsdlReader::PortChoice
{
    const XmlElement *service = nullptr;
    const XmlElement *port = nullptr;
    const XmlElement *binding = nullptr;
    SoapOperation::Version version = SoapOperation::Version::Soap11;
};
