// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "soap/soapoperation.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>
#include <optional>

class XmlElement;

/// \brief Reads a WSDL 1.1 service description and finds in it the SOAP request of an operation.
///
/// Namespaces are matched by URI, never by prefix, and the order of the description's sections
/// does not matter. Ports with a SOAP 1.1 or SOAP 1.2 binding are considered, in document order.
class WsdlReader final
{
public:
    /// Largest description file accepted.
    static constexpr qint64 MaximumFileSize = 4 * 1024 * 1024;

    WsdlReader();
    ~WsdlReader();
    Q_DISABLE_COPY_MOVE(WsdlReader)

    /// \brief Reads the description file at \a fileName; false with errorString() set on failure.
    ///
    /// Only a regular file is read: a folder, a named pipe, a socket or a device is refused with
    /// a reason, without waiting for it. Every later message names the file.
    bool readFile(const QString &fileName);
    /// \brief Reads a description from its raw bytes; false with errorString() set on failure.
    bool read(const QByteArray &bytes);
    /// Why the last read or lookup failed, in plain words: one sentence that names the file.
    QString errorString() const { return m_errorString; }

    /// \brief Checks that \a serviceName and \a portName (either may be empty) select a SOAP port
    /// with an address. False with errorString() set otherwise.
    bool checkPort(const QString &serviceName, const QString &portName);

    /// \brief The request layout of \a operationName on the selected port.
    ///
    /// With empty names, the first port whose binding is a SOAP binding offering the operation;
    /// a given service or port name restricts the choice to it. std::nullopt with errorString()
    /// set when there is no such port or operation, or the description is inconsistent.
    std::optional<SoapOperation> operation(const QString &operationName, const QString &serviceName = QString(),
                                           const QString &portName = QString());

private:
    struct Index;
    struct PortChoice;
    struct PortSearch;

    std::optional<PortChoice> selectPort(const QString &serviceName, const QString &portName,
                                         const QString &operationName);
    const XmlElement *bindingOf(const XmlElement *port) const;
    std::nullopt_t failForBinding(const XmlElement *port);
    // Whether the port's binding is a SOAP binding (its version into \a choice) with the operation.
    bool offers(PortChoice *choice, PortSearch *search) const;
    void failToFind(const PortSearch &search);
    // The pieces of operation(); readEndpoint(), portTypeOf() and readParameters() set
    // errorString() when they fail.
    bool readEndpoint(const PortChoice &choice, SoapOperation *operation);
    const XmlElement *portTypeOf(const XmlElement *binding);
    const XmlElement *messageOf(const XmlElement *abstractOperation, QStringView direction) const;
    bool readParameters(const XmlElement *input, const XmlElement *soapBody, SoapOperation *operation);
    QList<XmlName> responseElements(const XmlElement *output, const XmlElement *soapBody) const;
    bool parse(const QByteArray &bytes);
    bool fail(const QString &reason);
    // "the service description", or "the service description file <name>" once read from a file.
    QString described() const;
    QString Described() const;

    std::unique_ptr<XmlElement> m_root;
    std::unique_ptr<Index> m_index;
    QString m_fileName;
    QString m_errorString;
};
