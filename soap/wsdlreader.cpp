// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "soap/wsdlreader.h"

#include "soap/soapnamespaces.h"
#include "soap/xmlelement.h"

#include <QFile>
#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

struct Named
{
    XmlName name;
    const XmlElement *element = nullptr;
};

// Exact match by namespace and name first; a description whose references use a wrong
// or missing prefix still works when the local name is unambiguous.
const XmlElement *find(const QList<Named> &list, const XmlName &name)
{
    for (const Named &n : list) {
        if (n.name == name)
            return n.element;
    }
    const XmlElement *found = nullptr;
    for (const Named &n : list) {
        if (n.name.localName == name.localName) {
            if (found)
                return nullptr;
            found = n.element;
        }
    }
    return found;
}

std::optional<XmlName> qnameAttribute(const XmlElement *element, QStringView attribute)
{
    const QString value = element->attribute(attribute);
    if (value.trimmed().isEmpty())
        return std::nullopt;
    return element->resolveQName(value);
}

const XmlElement *enclosingSchema(const XmlElement *element)
{
    for (const XmlElement *e = element; e; e = e->parent()) {
        if (e->is(SoapNamespaces::Xsd, u"schema"))
            return e;
    }
    return nullptr;
}

// The SOAP extension namespace of a binding, port or operation child: 1.1 or 1.2, or none.
const XmlElement *soapChild(const XmlElement *parent, QStringView name, SoapOperation::Version *version = nullptr)
{
    if (const XmlElement *e = parent->firstChildElement(SoapNamespaces::WsdlSoap11, name)) {
        if (version)
            *version = SoapOperation::Version::Soap11;
        return e;
    }
    if (const XmlElement *e = parent->firstChildElement(SoapNamespaces::WsdlSoap12, name)) {
        if (version)
            *version = SoapOperation::Version::Soap12;
        return e;
    }
    return nullptr;
}

const XmlElement *childByName(const XmlElement *parent, QStringView wsdlName, const QString &nameAttribute)
{
    for (const XmlElement *e : parent->childElements(SoapNamespaces::Wsdl, wsdlName)) {
        if (e->attribute(u"name") == nameAttribute)
            return e;
    }
    return nullptr;
}

QString quoted(const QString &text)
{
    return u"\""_s + text + u"\""_s;
}

} // namespace

struct WsdlReader::Index
{
    QString targetNamespace;
    QList<const XmlElement *> services;
    QList<Named> messages;
    QList<Named> portTypes;
    QList<Named> bindings;
    QList<Named> schemaElements;
    QList<Named> schemaTypes;
};

struct WsdlReader::PortChoice
{
    const XmlElement *service = nullptr;
    const XmlElement *port = nullptr;
    const XmlElement *binding = nullptr;
    SoapOperation::Version version = SoapOperation::Version::Soap11;
};

WsdlReader::WsdlReader() = default;
WsdlReader::~WsdlReader() = default;

bool WsdlReader::fail(const QString &reason)
{
    m_errorString = reason;
    return false;
}

bool WsdlReader::readFile(const QString &fileName)
{
    const QFileInfo info(fileName);
    if (!info.exists())
        return fail(u"The service description file %1 does not exist."_s.arg(QDir::toNativeSeparators(fileName)));
    if (info.size() > MaximumFileSize)
        return fail(u"The service description file %1 is too large to be a service description (over %2 MiB)."_s
                        .arg(QDir::toNativeSeparators(fileName))
                        .arg(MaximumFileSize / (1024 * 1024)));
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return fail(u"The service description file %1 could not be read: %2."_s
                        .arg(QDir::toNativeSeparators(fileName), file.errorString()));
    // The size can change between the check and the read; never hold more than the limit.
    const QByteArray bytes = file.read(MaximumFileSize + 1);
    if (bytes.size() > MaximumFileSize)
        return fail(u"The service description file %1 is too large to be a service description (over %2 MiB)."_s
                        .arg(QDir::toNativeSeparators(fileName))
                        .arg(MaximumFileSize / (1024 * 1024)));
    if (!read(bytes)) {
        m_errorString.replace(u"The service description"_s,
                              u"The service description file %1"_s.arg(QDir::toNativeSeparators(fileName)));
        return false;
    }
    return true;
}

bool WsdlReader::read(const QByteArray &bytes)
{
    m_root.reset();
    m_index.reset();
    m_errorString.clear();

    if (bytes.size() > MaximumFileSize)
        return fail(u"The service description is too large (over %1 MiB)."_s.arg(MaximumFileSize / (1024 * 1024)));
    QString reason;
    auto root = XmlElement::parse(bytes, &reason);
    if (!root)
        return fail(u"The service description is not usable XML: %1."_s.arg(reason));
    if (!root->is(SoapNamespaces::Wsdl, u"definitions"))
        return fail(u"The service description is not a WSDL 1.1 description (its root element is \"%1\")."_s
                        .arg(root->name()));

    auto index = std::make_unique<Index>();
    index->targetNamespace = root->attribute(u"targetNamespace");
    for (const auto &child : root->children()) {
        const XmlElement *e = child.get();
        const XmlName name{index->targetNamespace, e->attribute(u"name")};
        if (e->is(SoapNamespaces::Wsdl, u"service"))
            index->services.append(e);
        else if (e->is(SoapNamespaces::Wsdl, u"message"))
            index->messages.append({name, e});
        else if (e->is(SoapNamespaces::Wsdl, u"portType"))
            index->portTypes.append({name, e});
        else if (e->is(SoapNamespaces::Wsdl, u"binding"))
            index->bindings.append({name, e});
        else if (e->is(SoapNamespaces::Wsdl, u"types")) {
            for (const XmlElement *schema : e->childElements(SoapNamespaces::Xsd, u"schema")) {
                const QString schemaNamespace = schema->attribute(u"targetNamespace");
                for (const auto &declaration : schema->children()) {
                    const XmlName declared{schemaNamespace, declaration->attribute(u"name")};
                    if (declaration->is(SoapNamespaces::Xsd, u"element"))
                        index->schemaElements.append({declared, declaration.get()});
                    else if (declaration->is(SoapNamespaces::Xsd, u"complexType")
                             || declaration->is(SoapNamespaces::Xsd, u"simpleType"))
                        index->schemaTypes.append({declared, declaration.get()});
                }
            }
        }
    }
    m_root = std::move(root);
    m_index = std::move(index);
    return true;
}

std::optional<WsdlReader::PortChoice> WsdlReader::selectPort(const QString &serviceName, const QString &portName,
                                                             const QString &operationName)
{
    if (!m_index) {
        fail(u"No service description has been read."_s);
        return std::nullopt;
    }
    bool serviceFound = serviceName.isEmpty();
    bool portFound = portName.isEmpty();
    bool soapPortFound = false;
    for (const XmlElement *service : std::as_const(m_index->services)) {
        if (!serviceName.isEmpty() && service->attribute(u"name") != serviceName)
            continue;
        serviceFound = true;
        for (const XmlElement *port : service->childElements(SoapNamespaces::Wsdl, u"port")) {
            if (!portName.isEmpty() && port->attribute(u"name") != portName)
                continue;
            portFound = true;
            const auto bindingName = qnameAttribute(port, u"binding");
            const XmlElement *binding = bindingName ? find(m_index->bindings, *bindingName) : nullptr;
            if (!binding) {
                // An explicitly chosen port must be usable; otherwise look further.
                if (!portName.isEmpty()) {
                    fail(u"The port %1 of the service description refers to the binding %2, which it does not define."_s
                             .arg(quoted(port->attribute(u"name")), quoted(port->attribute(u"binding"))));
                    return std::nullopt;
                }
                continue;
            }
            PortChoice choice{service, port, binding, SoapOperation::Version::Soap11};
            if (!soapChild(binding, u"binding", &choice.version))
                continue;
            soapPortFound = true;
            if (!operationName.isEmpty() && !childByName(binding, u"operation", operationName))
                continue;
            return choice;
        }
    }
    if (!serviceFound)
        fail(u"The service description has no service named %1."_s.arg(quoted(serviceName)));
    else if (!portFound)
        fail(serviceName.isEmpty()
                 ? u"The service description has no port named %1."_s.arg(quoted(portName))
                 : u"The service %1 of the service description has no port named %2."_s.arg(quoted(serviceName),
                                                                                           quoted(portName)));
    else if (!soapPortFound)
        fail(portName.isEmpty() ? u"The service description offers no SOAP 1.1 or SOAP 1.2 port."_s
                                : u"The port %1 of the service description is not a SOAP port."_s.arg(quoted(portName)));
    else
        fail(u"The service description offers no operation %1."_s.arg(quoted(operationName)));
    return std::nullopt;
}

bool WsdlReader::checkPort(const QString &serviceName, const QString &portName)
{
    const auto choice = selectPort(serviceName, portName, QString());
    if (!choice)
        return false;
    const XmlElement *address = soapChild(choice->port, u"address");
    if (!address || address->attribute(u"location").trimmed().isEmpty())
        return fail(u"The port %1 of the service description gives no SOAP address."_s
                        .arg(quoted(choice->port->attribute(u"name"))));
    return true;
}

namespace {

struct SchemaContext
{
    const QList<Named> &elements;
    const QList<Named> &types;
};

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
            const XmlElement *extension = c->firstChildElement(SoapNamespaces::Xsd, u"extension");
            if (!extension)
                return false;
            if (const auto base = qnameAttribute(extension, u"base")) {
                const XmlElement *baseType = find(schema.types, *base);
                if (!baseType || !collectComplexType(baseType, schema, out, depth + 1))
                    return false;
            }
            if (!collectComplexType(extension, schema, out, depth + 1))
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

    const XmlElement *address = soapChild(choice->port, u"address");
    const QString location = address ? address->attribute(u"location").trimmed() : QString();
    if (location.isEmpty()) {
        fail(u"The port %1 of the service description gives no SOAP address."_s.arg(quoted(op.portName)));
        return std::nullopt;
    }
    op.endpoint = QUrl(location, QUrl::StrictMode);
    const QString scheme = op.endpoint.scheme().toLower();
    if (!op.endpoint.isValid() || op.endpoint.host().isEmpty() || (scheme != u"http" && scheme != u"https")) {
        fail(u"The SOAP address %1 of the port %2 is not an http or https address."_s.arg(quoted(location),
                                                                                         quoted(op.portName)));
        return std::nullopt;
    }

    const XmlElement *binding = choice->binding;
    const XmlElement *bindingOperation = childByName(binding, u"operation", operationName);
    const XmlElement *soapBinding = soapChild(binding, u"binding");
    const XmlElement *soapOperation = soapChild(bindingOperation, u"operation");
    QString style = soapOperation ? soapOperation->attribute(u"style") : QString();
    if (style.isEmpty())
        style = soapBinding->attribute(u"style");
    op.style = style == u"rpc" ? SoapOperation::Style::Rpc : SoapOperation::Style::Document;
    op.soapAction = soapOperation ? soapOperation->attribute(u"soapAction") : QString();

    const XmlElement *bindingInput = bindingOperation->firstChildElement(SoapNamespaces::Wsdl, u"input");
    const XmlElement *soapBody = bindingInput ? soapChild(bindingInput, u"body") : nullptr;
    if (soapBody && soapBody->attribute(u"use") == u"encoded") {
        op.use = SoapOperation::Use::Encoded;
        op.encodingStyle = soapBody->attribute(u"encodingStyle").trimmed().section(u' ', 0, 0);
        if (op.encodingStyle.isEmpty())
            op.encodingStyle = op.version == SoapOperation::Version::Soap11 ? SoapNamespaces::Soap11Encoding
                                                                            : SoapNamespaces::Soap12Encoding;
    }

    // The abstract side: binding -> port type -> operation -> input message -> parts.
    const auto typeName = qnameAttribute(binding, u"type");
    const XmlElement *portType = typeName ? find(m_index->portTypes, *typeName) : nullptr;
    if (!portType) {
        fail(u"The binding %1 of the service description refers to the port type %2, which it does not define."_s
                 .arg(quoted(binding->attribute(u"name")), quoted(binding->attribute(u"type"))));
        return std::nullopt;
    }
    const XmlElement *abstractOperation = childByName(portType, u"operation", operationName);
    const XmlElement *input = abstractOperation ? abstractOperation->firstChildElement(SoapNamespaces::Wsdl, u"input")
                                                : nullptr;
    const auto messageName = input ? qnameAttribute(input, u"message") : std::nullopt;
    const XmlElement *message = messageName ? find(m_index->messages, *messageName) : nullptr;
    if (!message) {
        fail(u"The service description does not define the input message of the operation %1."_s
                 .arg(quoted(operationName)));
        return std::nullopt;
    }

    QList<const XmlElement *> parts = message->childElements(SoapNamespaces::Wsdl, u"part");
    if (soapBody && soapBody->hasAttribute(u"parts")) {
        const QStringList wanted = soapBody->attribute(u"parts").split(u' ', Qt::SkipEmptyParts);
        parts.removeIf([&wanted](const XmlElement *part) { return !wanted.contains(part->attribute(u"name")); });
    }

    if (op.style == SoapOperation::Style::Rpc) {
        QString ns = soapBody ? soapBody->attribute(u"namespace") : QString();
        if (ns.isEmpty())
            ns = m_index->targetNamespace;
        op.wrapper = {ns, operationName};
        for (const XmlElement *part : std::as_const(parts)) {
            const auto element = qnameAttribute(part, u"element");
            op.parameters.append(element ? *element : XmlName{QString(), part->attribute(u"name")});
        }
        return op;
    }

    const SchemaContext schema{m_index->schemaElements, m_index->schemaTypes};
    if (parts.size() == 1) {
        if (const auto elementName = qnameAttribute(parts.first(), u"element")) {
            const XmlElement *element = find(schema.elements, *elementName);
            if (!element) {
                fail(u"The service description refers to the element %1, which its schema does not declare."_s
                         .arg(quoted(parts.first()->attribute(u"element"))));
                return std::nullopt;
            }
            if (auto wrapped = wrappedParameters(element, schema)) {
                op.wrapper = *elementName;
                op.parameters = *wrapped;
                return op;
            }
        }
    }
    // Bare: every part is one element of the body.
    for (const XmlElement *part : std::as_const(parts)) {
        const auto element = qnameAttribute(part, u"element");
        op.parameters.append(element ? *element : XmlName{QString(), part->attribute(u"name")});
    }
    return op;
}
