// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "soap/soaprequestwriter.h"

#include "soap/soapnamespaces.h"
#include "soap/soapoperation.h"
#include "soap/xmltext.h"

#include <QCoreApplication>
#include <QXmlStreamWriter>

using namespace Qt::StringLiterals;

namespace {

// A parser turns a literal CR (and CR LF) into LF; a character reference keeps it.
void writeText(QXmlStreamWriter &writer, const QString &text)
{
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == u'\r') {
            writer.writeCharacters(text.mid(start, i - start));
            writer.writeEntityReference(u"#xD"_s);
            start = i + 1;
        }
    }
    writer.writeCharacters(text.mid(start));
}

QByteArray quotedAction(const QString &action)
{
    QByteArray utf8 = action.toUtf8();
    utf8.replace('\\', "\\\\").replace('"', "\\\"");
    return '"' + utf8 + '"';
}

} // namespace

SoapRequest SoapRequestWriter::write(const SoapOperation &operation, const QStringList &arguments)
{
    SoapRequest request;
    if (arguments.size() != operation.parameters.size()) {
        request.errorString = QCoreApplication::translate("SoapRequestWriter",
                                                          "The operation \"%1\" takes %2 arguments, but %3 were given.")
                                  .arg(operation.name)
                                  .arg(operation.parameters.size())
                                  .arg(arguments.size());
        return request;
    }
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const qsizetype bad = firstCharacterXmlCannotCarry(arguments.at(i));
        if (bad >= 0) {
            request.errorString
                = QCoreApplication::translate("SoapRequestWriter",
                                              "Argument %1 of \"%2\" holds a character that cannot be sent "
                                              "(U+%3 at position %4).")
                      .arg(i + 1)
                      .arg(operation.name)
                      .arg(uint(arguments.at(i).at(bad).unicode()), 4, 16, QChar(u'0'))
                      .arg(bad + 1);
            return request;
        }
    }

    const bool soap12 = operation.version == SoapOperation::Version::Soap12;
    const bool encoded = operation.use == SoapOperation::Use::Encoded;
    const QString envelopeNs = soap12 ? SoapNamespaces::Soap12Envelope : SoapNamespaces::Soap11Envelope;

    QXmlStreamWriter writer(&request.body);
    writer.writeStartDocument(u"1.0"_s);
    writer.writeNamespace(envelopeNs, u"soap"_s);
    if (encoded) {
        writer.writeNamespace(SoapNamespaces::Xsi, u"xsi"_s);
        writer.writeNamespace(SoapNamespaces::Xsd, u"xsd"_s);
    }
    const QString wrapperNs = operation.wrapper.namespaceUri;
    if (!wrapperNs.isEmpty())
        writer.writeNamespace(wrapperNs, u"tns"_s);
    writer.writeStartElement(envelopeNs, u"Envelope"_s);
    writer.writeStartElement(envelopeNs, u"Body"_s);

    const bool wrapped = !operation.wrapper.isNull();
    if (wrapped) {
        writer.writeStartElement(wrapperNs, operation.wrapper.localName);
        if (encoded)
            writer.writeAttribute(envelopeNs, u"encodingStyle"_s, operation.encodingStyle);
    }
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const XmlName &parameter = operation.parameters.at(i);
        writer.writeStartElement(parameter.namespaceUri, parameter.localName);
        if (encoded) {
            if (!wrapped)
                writer.writeAttribute(envelopeNs, u"encodingStyle"_s, operation.encodingStyle);
            writer.writeAttribute(SoapNamespaces::Xsi, u"type"_s, u"xsd:string"_s);
        }
        writeText(writer, arguments.at(i));
        writer.writeEndElement();
    }
    if (wrapped)
        writer.writeEndElement();
    writer.writeEndElement(); // Body
    writer.writeEndElement(); // Envelope
    writer.writeEndDocument();

    if (soap12) {
        request.contentType = "application/soap+xml; charset=utf-8";
        if (!operation.soapAction.isEmpty())
            request.contentType += "; action=" + quotedAction(operation.soapAction);
    } else {
        request.contentType = "text/xml; charset=utf-8";
        request.soapActionHeader = quotedAction(operation.soapAction);
    }
    return request;
}

qsizetype SoapRequestWriter::firstCharacterNotCarried(const QString &text)
{
    return firstCharacterXmlCannotCarry(text);
}
