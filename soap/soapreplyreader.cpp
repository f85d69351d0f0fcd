// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "soap/soapreplyreader.h"

#include "soap/soapnamespaces.h"
#include "soap/xmlelement.h"

using namespace Qt::StringLiterals;

namespace {

// The fault in a parsed envelope, or nullptr; *soap12 tells which version it is.
const XmlElement *findFault(const XmlElement *envelope, bool *soap12)
{
    for (const QString &ns : {SoapNamespaces::Soap11Envelope, SoapNamespaces::Soap12Envelope}) {
        if (!envelope->is(ns, u"Envelope"))
            continue;
        *soap12 = ns == SoapNamespaces::Soap12Envelope;
        const XmlElement *body = envelope->firstChildElement(ns, u"Body");
        return body ? body->firstChildElement(ns, u"Fault") : nullptr;
    }
    return nullptr;
}

QString faultText(const XmlElement *fault, bool soap12)
{
    if (!soap12) {
        // faultstring is unqualified, though some services qualify it.
        const XmlElement *text = fault->firstChildElement(u"", u"faultstring");
        if (!text)
            text = fault->firstChildElement(SoapNamespaces::Soap11Envelope, u"faultstring");
        return text ? text->text().trimmed() : QString();
    }
    const XmlElement *reason = fault->firstChildElement(SoapNamespaces::Soap12Envelope, u"Reason");
    if (!reason)
        return QString();
    // Several translations may come; prefer English, else the first one with text.
    QString first;
    for (const XmlElement *text : reason->childElements(SoapNamespaces::Soap12Envelope, u"Text")) {
        const QString value = text->text().trimmed();
        if (value.isEmpty())
            continue;
        if (text->attribute(u"http://www.w3.org/XML/1998/namespace", u"lang").startsWith(u"en"))
            return value;
        if (first.isEmpty())
            first = value;
    }
    return first;
}

} // namespace

SoapCallResult SoapReplyReader::read(int httpStatus, const QByteArray &reasonPhrase, const QByteArray &body)
{
    SoapCallResult result;
    const bool success = httpStatus >= 200 && httpStatus < 300;

    std::unique_ptr<XmlElement> envelope;
    if (!body.trimmed().isEmpty())
        envelope = XmlElement::parse(body, nullptr);

    bool soap12 = false;
    if (const XmlElement *fault = envelope ? findFault(envelope.get(), &soap12) : nullptr) {
        result.isFault = true;
        result.faultString = faultText(fault, soap12);
        result.errorString = result.faultString.isEmpty()
                                 ? u"The SMS service refused the message without giving a reason."_s
                                 : u"The SMS service refused the message: %1"_s.arg(result.faultString);
        return result;
    }

    if (!success) {
        const QString reason = QString::fromUtf8(reasonPhrase).trimmed();
        result.errorString = reason.isEmpty()
                                 ? u"The SMS service answered with HTTP status %1."_s.arg(httpStatus)
                                 : u"The SMS service answered with HTTP status %1 (%2)."_s.arg(httpStatus).arg(reason);
        return result;
    }

    const bool isEnvelope = envelope
                            && (envelope->is(SoapNamespaces::Soap11Envelope, u"Envelope")
                                || envelope->is(SoapNamespaces::Soap12Envelope, u"Envelope"));
    if (!body.trimmed().isEmpty() && !isEnvelope) {
        result.errorString = u"The SMS service sent a reply that is not a SOAP message."_s;
        return result;
    }
    result.ok = true;
    return result;
}
