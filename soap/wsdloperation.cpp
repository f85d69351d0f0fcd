// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
// WsdlReader::operation(): from the chosen port down to the request layout of one
// operation, through the binding, the port type, the input message and the schema.

#include "soap/wsdlreader.h"

#include "soap/messagetext.h"
#include "soap/wsdlindex.h"

#include <QCoreApplication>

using namespace WsdlLookup;

namespace {

struct SchemaContext
{
    const QList<Named> &elements;
    const QList<Named> &types;
};

const XmlElement *enclosingSchema(const XmlElement *element)
{
    for (const XmlElement *e = element; e; e = e->parent()) {
        if (e->is(SoapNamespaces::Xsd, u"schema"))
            return e;
    }
    return nullptr;
}

// Local element of a complex type: its namespace follows form, then elementFormDefault.
XmlName localElementName(const XmlElement *element)
{
    const XmlElement *schema = enclosingSchema(element);
    QString form = element->attribute(u"form");
    if (form.isEmpty() && schema)
        form = schema->attribute(u"elementFormDefault");
    const QString ns = (form == u"qualified" && schema) ? schema->attribute(u"targetNamespace") : QString();
    return {ns, element->attribute(u"name")};
}

bool collectParticles(const XmlElement *group, const SchemaContext &schema, QList<XmlName> *out, int depth);
bool collectComplexType(const XmlElement *complexType, const SchemaContext &schema, QList<XmlName> *out, int depth);

// complexContent: the base type's elements, then the extension's own.
bool collectExtension(const XmlElement *complexContent, const SchemaContext &schema, QList<XmlName> *out, int depth)
{
    const XmlElement *extension = complexContent->firstChildElement(SoapNamespaces::Xsd, u"extension");
    if (!extension)
        return false;
    if (const auto base = qnameAttribute(extension, u"base")) {
        const XmlElement *baseType = find(schema.types, *base);
        if (!baseType || !collectComplexType(baseType, schema, out, depth + 1))
            return false;
    }
    return collectComplexType(extension, schema, out, depth + 1);
}

bool collectComplexType(const XmlElement *complexType, const SchemaContext &schema, QList<XmlName> *out, int depth)
{
    if (depth > 16)
        return false;
    for (const auto &child : complexType->children()) {
        const XmlElement *c = child.get();
        if (c->is(SoapNamespaces::Xsd, u"sequence") || c->is(SoapNamespaces::Xsd, u"all")) {
            if (!collectParticles(c, schema, out, depth + 1))
                return false;
        } else if (c->is(SoapNamespaces::Xsd, u"complexContent")) {
            if (!collectExtension(c, schema, out, depth))
                return false;
        } else if (c->is(SoapNamespaces::Xsd, u"choice") || c->is(SoapNamespaces::Xsd, u"simpleContent")) {
            return false; // not a list of positional parameters
        }
    }
    return true;
}

bool collectParticles(const XmlElement *group, const SchemaContext &schema, QList<XmlName> *out, int depth)
{
    for (const auto &child : group->children()) {
        const XmlElement *c = child.get();
        if (c->is(SoapNamespaces::Xsd, u"element")) {
            if (const auto ref = qnameAttribute(c, u"ref"))
                out->append(*ref); // a global element: always in its schema's namespace
            else
                out->append(localElementName(c));
        } else if (c->is(SoapNamespaces::Xsd, u"sequence")) {
            if (!collectParticles(c, schema, out, depth + 1))
                return false;
        } else if (c->is(SoapNamespaces::Xsd, u"choice") || c->is(SoapNamespaces::Xsd, u"any")) {
            return false;
        }
    }
    return true;
}

// The parameters inside a global element, when its type is a complex type of elements.
std::optional<QList<XmlName>> wrappedParameters(const XmlElement *element, const SchemaContext &schema)
{
    const XmlElement *complexType = element->firstChildElement(SoapNamespaces::Xsd, u"complexType");
    if (!complexType) {
        const auto type = qnameAttribute(element, u"type");
        if (!type || type->namespaceUri == SoapNamespaces::Xsd)
            return std::nullopt;
        complexType = find(schema.types, *type);
        if (!complexType || !complexType->is(SoapNamespaces::Xsd, u"complexType"))
            return std::nullopt;
    }
    QList<XmlName> parameters;
    if (!collectComplexType(complexType, schema, &parameters, 0))
        return std::nullopt;
    return parameters;
}

XmlName partElement(const XmlElement *part)
{
    const auto element = qnameAttribute(part, u"element");
    return element ? *element : XmlName{QString(), part->attribute(u"name")};
}

// The soap:body of the binding operation's input or output, or nullptr.
const XmlElement *bindingBody(const XmlElement *bindingOperation, QStringView direction)
{
    const XmlElement *message = bindingOperation->firstChildElement(SoapNamespaces::Wsdl, direction);
    return message ? soapChild(message, u"body") : nullptr;
}

// The parts of \a message that \a soapBody (may be null) puts into the SOAP body.
QList<const XmlElement *> bodyParts(const XmlElement *message, const XmlElement *soapBody)
{
    QList<const XmlElement *> parts = message->childElements(SoapNamespaces::Wsdl, u"part");
    if (soapBody && soapBody->hasAttribute(u"parts")) {
        const QStringList wanted = soapBody->attribute(u"parts").split(u' ', Qt::SkipEmptyParts);
        parts.removeIf([&wanted](const XmlElement *part) { return !wanted.contains(part->attribute(u"name")); });
    }
    return parts;
}

// Style, action and encoding: what the binding says of the operation.
void readBinding(const XmlElement *binding, const XmlElement *bindingOperation, SoapOperation *op)
{
    const XmlElement *soapOperation = soapChild(bindingOperation, u"operation");
    QString style = soapOperation ? soapOperation->attribute(u"style") : QString();
    if (style.isEmpty())
        style = soapChild(binding, u"binding")->attribute(u"style");
    op->style = style == u"rpc" ? SoapOperation::Style::Rpc : SoapOperation::Style::Document;
    op->soapAction = soapOperation ? soapOperation->attribute(u"soapAction") : QString();

    const XmlElement *soapBody = bindingBody(bindingOperation, u"input");
    if (!soapBody || soapBody->attribute(u"use") != u"encoded")
        return;
    op->use = SoapOperation::Use::Encoded;
    op->encodingStyle = soapBody->attribute(u"encodingStyle").trimmed().section(u' ', 0, 0);
    if (op->encodingStyle.isEmpty())
        op->encodingStyle = op->version == SoapOperation::Version::Soap11 ? SoapNamespaces::Soap11Encoding
                                                                         : SoapNamespaces::Soap12Encoding;
}

} // namespace

std::optional<SoapOperation> WsdlReader::operation(const QString &operationName, const QString &serviceName,
                                                   const QString &portName)
{
    const auto choice = selectPort(serviceName, portName, operationName);
    if (!choice)
        return std::nullopt;

    SoapOperation op;
    op.name = operationName;
    op.serviceName = choice->service->attribute(u"name");
    op.portName = choice->port->attribute(u"name");
    op.version = choice->version;
    op.descriptionFile = m_fileName;
    if (!readEndpoint(*choice, &op))
        return std::nullopt;

    const XmlElement *bindingOperation = childByName(choice->binding, u"operation", operationName);
    readBinding(choice->binding, bindingOperation, &op);

    // The abstract side: binding -> port type -> operation -> input message -> parts.
    const XmlElement *portType = portTypeOf(choice->binding);
    if (!portType)
        return std::nullopt;
    const XmlElement *abstractOperation = childByName(portType, u"operation", operationName);
    const XmlElement *input = abstractOperation ? messageOf(abstractOperation, u"input") : nullptr;
    if (!input) {
        fail(QCoreApplication::translate("WsdlReader", "%1 does not define the input message of the operation %2.")
                 .arg(Described(), quoted(operationName)));
        return std::nullopt;
    }
    if (!readParameters(input, bindingBody(bindingOperation, u"input"), &op))
        return std::nullopt;

    // A request-response operation promises an answer; a one-way operation does not.
    op.declaresOutput = abstractOperation->firstChildElement(SoapNamespaces::Wsdl, u"output") != nullptr;
    const XmlElement *output = messageOf(abstractOperation, u"output");
    if (output && op.style == SoapOperation::Style::Document)
        op.responseElements = responseElements(output, bindingBody(bindingOperation, u"output"));
    return op;
}

bool WsdlReader::readEndpoint(const PortChoice &choice, SoapOperation *op)
{
    const XmlElement *address = soapChild(choice.port, u"address");
    const QString location = address ? address->attribute(u"location").trimmed() : QString();
    if (location.isEmpty())
        return fail(QCoreApplication::translate("WsdlReader", "The port %1 of %2 gives no SOAP address.")
                        .arg(quoted(op->portName), described()));
    op->endpoint = QUrl(location, QUrl::StrictMode);
    const QString scheme = op->endpoint.scheme().toLower();
    if (op->endpoint.isValid() && !op->endpoint.host().isEmpty() && (scheme == u"http" || scheme == u"https"))
        return true;
    // Shown without any user name or password the address may carry.
    return fail(QCoreApplication::translate("WsdlReader",
                                            "The SOAP address %1 of the port %2 in %3 is not an http or https address.")
                    .arg(quoted(MessageText::address(location)), quoted(op->portName), described()));
}

const XmlElement *WsdlReader::portTypeOf(const XmlElement *binding)
{
    const auto typeName = qnameAttribute(binding, u"type");
    const XmlElement *portType = typeName ? find(m_index->portTypes, *typeName) : nullptr;
    if (!portType)
        fail(QCoreApplication::translate("WsdlReader",
                                         "The binding %1 of %2 refers to the port type %3, which it does not define.")
                 .arg(quoted(binding->attribute(u"name")), described(), quoted(binding->attribute(u"type"))));
    return portType;
}

const XmlElement *WsdlReader::messageOf(const XmlElement *abstractOperation, QStringView direction) const
{
    const XmlElement *reference = abstractOperation->firstChildElement(SoapNamespaces::Wsdl, direction);
    const auto name = reference ? qnameAttribute(reference, u"message") : std::nullopt;
    return name ? find(m_index->messages, *name) : nullptr;
}

bool WsdlReader::readParameters(const XmlElement *input, const XmlElement *soapBody, SoapOperation *op)
{
    const QList<const XmlElement *> parts = bodyParts(input, soapBody);
    if (op->style == SoapOperation::Style::Rpc) {
        QString ns = soapBody ? soapBody->attribute(u"namespace") : QString();
        if (ns.isEmpty())
            ns = m_index->targetNamespace;
        op->wrapper = {ns, op->name};
        for (const XmlElement *part : parts)
            op->parameters.append(partElement(part));
        return true;
    }

    const SchemaContext schema{m_index->schemaElements, m_index->schemaTypes};
    const auto elementName = parts.size() == 1 ? qnameAttribute(parts.first(), u"element") : std::nullopt;
    if (elementName) {
        const XmlElement *element = find(schema.elements, *elementName);
        if (!element)
            return fail(QCoreApplication::translate("WsdlReader",
                                                    "%1 refers to the element %2, which its schema does not declare.")
                            .arg(Described(), quoted(parts.first()->attribute(u"element"))));
        if (auto wrapped = wrappedParameters(element, schema)) {
            op->wrapper = *elementName;
            op->parameters = *wrapped;
            return true;
        }
    }
    // Bare: every part is one element of the body.
    for (const XmlElement *part : parts)
        op->parameters.append(partElement(part));
    return true;
}

QList<XmlName> WsdlReader::responseElements(const XmlElement *output, const XmlElement *soapBody) const
{
    QList<XmlName> elements;
    for (const XmlElement *part : bodyParts(output, soapBody)) {
        const auto element = qnameAttribute(part, u"element");
        if (!element)
            return {}; // a part given by type names no element to look for
        elements.append(*element);
    }
    return elements;
}
