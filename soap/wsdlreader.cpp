// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "soap/wsdlreader.h"

#include "common/filekind.h"
#include "soap/wsdlindex.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace WsdlLookup;

const XmlElement *WsdlLookup::find(const QList<Named> &list, const XmlName &name)
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

std::optional<XmlName> WsdlLookup::qnameAttribute(const XmlElement *element, QStringView attribute)
{
    const QString value = element->attribute(attribute);
    if (value.trimmed().isEmpty())
        return std::nullopt;
    return element->resolveQName(value);
}

const XmlElement *WsdlLookup::soapChild(const XmlElement *parent, QStringView name, SoapOperation::Version *version)
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

const XmlElement *WsdlLookup::childByName(const XmlElement *parent, QStringView wsdlName, const QString &nameAttribute)
{
    for (const XmlElement *e : parent->childElements(SoapNamespaces::Wsdl, wsdlName)) {
        if (e->attribute(u"name") == nameAttribute)
            return e;
    }
    return nullptr;
}

QString WsdlLookup::quoted(const QString &text)
{
    return u"\""_s + text + u"\""_s;
}

void WsdlReader::Index::addSchemas(const XmlElement *types)
{
    for (const XmlElement *schema : types->childElements(SoapNamespaces::Xsd, u"schema")) {
        const QString schemaNamespace = schema->attribute(u"targetNamespace");
        for (const auto &declaration : schema->children()) {
            const XmlName declared{schemaNamespace, declaration->attribute(u"name")};
            if (declaration->is(SoapNamespaces::Xsd, u"element"))
                schemaElements.append({declared, declaration.get()});
            else if (declaration->is(SoapNamespaces::Xsd, u"complexType")
                     || declaration->is(SoapNamespaces::Xsd, u"simpleType"))
                schemaTypes.append({declared, declaration.get()});
        }
    }
}

WsdlReader::WsdlReader() = default;
WsdlReader::~WsdlReader() = default;

bool WsdlReader::fail(const QString &reason)
{
    m_errorString = reason;
    return false;
}

QString WsdlReader::described() const
{
    return m_fileName.isEmpty() ? QCoreApplication::translate("WsdlReader", "the service description")
                                : QCoreApplication::translate("WsdlReader", "the service description file %1")
                                      .arg(QDir::toNativeSeparators(m_fileName));
}

QString WsdlReader::Described() const
{
    QString text = described();
    text[0] = text.at(0).toUpper();
    return text;
}

bool WsdlReader::readFile(const QString &fileName)
{
    m_root.reset();
    m_index.reset();
    m_errorString.clear();
    m_fileName = fileName;

    // Opened without blocking and checked once open, not by path beforehand: a named pipe
    // or a device would hold the open or the read for ever, and a path checked first could
    // be swapped for another file before the open.
    const QByteArray path = QFile::encodeName(fileName);
    const int fd = path.isEmpty() ? -1 : ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        const int error = path.isEmpty() ? ENOENT : errno;
        if (error == ENOENT || error == ENOTDIR)
            return fail(QCoreApplication::translate("WsdlReader", "%1 does not exist.").arg(Described()));
        return fail(QCoreApplication::translate("WsdlReader", "%1 could not be read: %2.")
                        .arg(Described(), qt_error_string(error)));
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return fail(QCoreApplication::translate("WsdlReader", "%1 could not be read: %2.")
                        .arg(Described(), file.errorString()));
    }
    struct stat status = {};
    if (::fstat(fd, &status) != 0)
        return fail(QCoreApplication::translate("WsdlReader", "%1 could not be read: %2.")
                        .arg(Described(), qt_error_string(errno)));
    if (!S_ISREG(status.st_mode))
        return fail(QCoreApplication::translate("WsdlReader", "%1 is %2, not a file that can be read.")
                        .arg(Described(), FileKind::of(status.st_mode)));
    const QString tooLarge
        = QCoreApplication::translate("WsdlReader", "%1 is too large to be a service description (over %2 MiB).")
              .arg(Described(), QString::number(MaximumFileSize / (1024 * 1024)));
    if (status.st_size > MaximumFileSize)
        return fail(tooLarge);
    // The file can grow after the check; never hold more than the limit.
    const QByteArray bytes = file.read(MaximumFileSize + 1);
    if (bytes.size() > MaximumFileSize)
        return fail(tooLarge);
    return parse(bytes);
}

bool WsdlReader::read(const QByteArray &bytes)
{
    m_fileName.clear();
    return parse(bytes);
}

bool WsdlReader::parse(const QByteArray &bytes)
{
    m_root.reset();
    m_index.reset();
    m_errorString.clear();

    if (bytes.size() > MaximumFileSize)
        return fail(QCoreApplication::translate("WsdlReader", "%1 is too large (over %2 MiB).")
                        .arg(Described(), QString::number(MaximumFileSize / (1024 * 1024))));
    QString reason;
    auto root = XmlElement::parse(bytes, &reason);
    if (!root)
        return fail(QCoreApplication::translate("WsdlReader", "%1 is not usable XML: %2.").arg(Described(), reason));
    if (!root->is(SoapNamespaces::Wsdl, u"definitions"))
        return fail(
            QCoreApplication::translate("WsdlReader", "%1 is not a WSDL 1.1 description (its root element is \"%2\").")
                .arg(Described(), root->name()));

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
        else if (e->is(SoapNamespaces::Wsdl, u"types"))
            index->addSchemas(e);
    }
    m_root = std::move(root);
    m_index = std::move(index);
    return true;
}

// How far the search for a port came: what it found of what was asked for.
struct WsdlReader::PortSearch
{
    QString serviceName;
    QString portName;
    QString operationName;
    bool serviceFound = false;
    bool portFound = false;
    bool soapPortFound = false;
};

std::optional<WsdlReader::PortChoice> WsdlReader::selectPort(const QString &serviceName, const QString &portName,
                                                             const QString &operationName)
{
    if (!m_index) {
        fail(QCoreApplication::translate("WsdlReader", "No service description has been read."));
        return std::nullopt;
    }
    PortSearch search{serviceName, portName, operationName, serviceName.isEmpty(), portName.isEmpty()};
    for (const XmlElement *service : std::as_const(m_index->services)) {
        if (!serviceName.isEmpty() && service->attribute(u"name") != serviceName)
            continue;
        search.serviceFound = true;
        for (const XmlElement *port : service->childElements(SoapNamespaces::Wsdl, u"port")) {
            if (!portName.isEmpty() && port->attribute(u"name") != portName)
                continue;
            search.portFound = true;
            const XmlElement *binding = bindingOf(port);
            // An explicitly chosen port must be usable; otherwise look further.
            if (!binding && !portName.isEmpty())
                return failForBinding(port);
            PortChoice choice{service, port, binding, SoapOperation::Version::Soap11};
            if (binding && offers(&choice, &search))
                return choice;
        }
    }
    failToFind(search);
    return std::nullopt;
}

const XmlElement *WsdlReader::bindingOf(const XmlElement *port) const
{
    const auto bindingName = qnameAttribute(port, u"binding");
    return bindingName ? find(m_index->bindings, *bindingName) : nullptr;
}

std::nullopt_t WsdlReader::failForBinding(const XmlElement *port)
{
    fail(QCoreApplication::translate("WsdlReader",
                                     "The port %1 of %2 refers to the binding %3, which it does not define.")
             .arg(quoted(port->attribute(u"name")), described(), quoted(port->attribute(u"binding"))));
    return std::nullopt;
}

bool WsdlReader::offers(PortChoice *choice, PortSearch *search) const
{
    if (!soapChild(choice->binding, u"binding", &choice->version))
        return false;
    search->soapPortFound = true;
    return search->operationName.isEmpty() || childByName(choice->binding, u"operation", search->operationName);
}

void WsdlReader::failToFind(const PortSearch &search)
{
    const QString &serviceName = search.serviceName;
    const QString &portName = search.portName;
    if (!search.serviceFound)
        fail(QCoreApplication::translate("WsdlReader", "%1 has no service named %2.")
                 .arg(Described(), quoted(serviceName)));
    else if (!search.portFound)
        fail(serviceName.isEmpty()
                 ? QCoreApplication::translate("WsdlReader", "%1 has no port named %2.")
                       .arg(Described(), quoted(portName))
                 : QCoreApplication::translate("WsdlReader", "The service %1 of %2 has no port named %3.")
                       .arg(quoted(serviceName), described(), quoted(portName)));
    else if (!search.soapPortFound)
        fail(portName.isEmpty()
                 ? QCoreApplication::translate("WsdlReader", "%1 offers no SOAP 1.1 or SOAP 1.2 port.").arg(Described())
                 : QCoreApplication::translate("WsdlReader", "The port %1 of %2 is not a SOAP port.")
                       .arg(quoted(portName), described()));
    else
        fail(QCoreApplication::translate("WsdlReader", "%1 offers no operation %2.")
                 .arg(Described(), quoted(search.operationName)));
}

bool WsdlReader::checkPort(const QString &serviceName, const QString &portName)
{
    const auto choice = selectPort(serviceName, portName, QString());
    if (!choice)
        return false;
    const XmlElement *address = soapChild(choice->port, u"address");
    if (!address || address->attribute(u"location").trimmed().isEmpty())
        return fail(QCoreApplication::translate("WsdlReader", "The port %1 of %2 gives no SOAP address.")
                        .arg(quoted(choice->port->attribute(u"name")), described()));
    return true;
}
