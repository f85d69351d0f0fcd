// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "soap/soapreplyreader.h"

#include "soap/messagetext.h"
#include "soap/replycontent.h"
#include "soap/soapnamespaces.h"
#include "soap/soapoperation.h"
#include "soap/xmlelement.h"

#include <QDir>

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

bool isEnvelope(const XmlElement *root)
{
    return root
           && (root->is(SoapNamespaces::Soap11Envelope, u"Envelope")
               || root->is(SoapNamespaces::Soap12Envelope, u"Envelope"));
}

QString statusText(const HttpAnswer &answer)
{
    return MessageText::httpStatus(answer.status, answer.reasonPhrase);
}

QString descriptionOf(const SoapOperation &operation)
{
    return operation.descriptionFile.isEmpty()
               ? u"the service description"_s
               : u"the service description file %1"_s.arg(QDir::toNativeSeparators(operation.descriptionFile));
}

SoapCallResult redirect(const HttpAnswer &answer, const SoapOperation &operation)
{
    const QByteArray location = answer.location.trimmed();
    const QString target =
        MessageText::address(operation.endpoint.resolved(QUrl(QString::fromLatin1(location), QUrl::TolerantMode)));
    if (answer.status == 303) {
        // See Other is how a service shows the result of a request it carried out elsewhere.
        return SoapCallResult::notKnown(
            u"the service answered with a redirect to %1 (%2), which usually means that it took the request "
            "and shows its result elsewhere"_s.arg(location.isEmpty() ? u"nowhere"_s : target, statusText(answer)));
    }
    if (location.isEmpty())
        return SoapCallResult::notSent(
            u"the service answered with a redirect (%1) without saying where it moved; %2 must be updated with its "
            "new address"_s.arg(statusText(answer), descriptionOf(operation)));
    return SoapCallResult::notSent(u"the service answered that it moved to %1 (%2); %3 must be updated with its new "
                                   "address"_s.arg(target, statusText(answer), descriptionOf(operation)));
}

} // namespace

SoapCallResult SoapReplyReader::read(const HttpAnswer &answer, const SoapOperation &operation)
{
    const int status = answer.status;
    const ReplyContent::Xml xml = ReplyContent::xmlOf(answer.contentType, answer.body);
    const bool blank = xml.error.isEmpty() && xml.bytes.trimmed().isEmpty();

    std::unique_ptr<XmlElement> root;
    if (xml.error.isEmpty() && !blank)
        root = XmlElement::parse(xml.bytes, nullptr);

    if (status == 401) {
        const QList<AuthChallenge> challenges = AuthChallenge::parse(answer.authenticate, operation.endpoint);
        if (!challenges.isEmpty()) {
            SoapCallResult result = SoapCallResult::notSent(QString());
            result.challenge = challenges.first();
            const QString realm = result.challenge->displayRealm();
            result.reason = realm.isEmpty()
                                ? u"the service at %1 asks you to sign in"_s.arg(result.challenge->where())
                                : u"the service at %1 asks you to sign in (%2)"_s.arg(result.challenge->where(), realm);
            return result;
        }
    }

    bool soap12 = false;
    if (const XmlElement *fault = isEnvelope(root.get()) ? findFault(root.get(), &soap12) : nullptr) {
        SoapCallResult result = SoapCallResult::notSent(QString());
        result.isFault = true;
        result.faultString = faultText(fault, soap12);
        result.reason = result.faultString.isEmpty()
                            ? u"the service refused the request without giving a reason"_s
                            : u"the service refused the request: %1"_s.arg(result.faultString);
        return result;
    }

    if (status >= 200 && status < 300) {
        if (isEnvelope(root.get()))
            return SoapCallResult::sent();
        if (blank) {
            if (!operation.declaresOutput)
                return SoapCallResult::sent();
            return SoapCallResult::notKnown(
                u"the service's answer (%1) was empty, though its description promises a SOAP answer"_s.arg(
                    statusText(answer)));
        }
        if (!xml.error.isEmpty())
            return SoapCallResult::notKnown(u"the service's answer could not be read: %1"_s.arg(xml.error));
        if (!root)
            return SoapCallResult::notKnown(u"the service's answer is not readable XML"_s);
        return SoapCallResult::notKnown(u"the service's answer is not a SOAP message"_s);
    }

    if (status >= 300 && status < 400)
        return redirect(answer, operation);

    if (status == 407 && !answer.proxy.isEmpty())
        return SoapCallResult::notSent(u"the proxy at %1 refused the request: it asks for a user name and password "
                                       "(%2)"_s.arg(answer.proxy, statusText(answer)));
    if (status == 502 || status == 504) {
        // A gateway (or the proxy) speaks for a service it may already have handed the request to.
        const QString gateway = answer.proxy.isEmpty() ? u"a gateway in front of the service"_s
                                                       : u"the proxy at %1 or a gateway behind it"_s.arg(answer.proxy);
        return SoapCallResult::notKnown(u"%1 answered with %2, so the request may have reached the service"_s.arg(
            gateway, statusText(answer)));
    }
    const QString who = answer.proxy.isEmpty() ? u"the service"_s : u"the service or the proxy at %1"_s.arg(answer.proxy);
    if (status >= 400 && status < 600)
        return SoapCallResult::notSent(u"%1 answered with %2"_s.arg(who, statusText(answer)));
    return SoapCallResult::notKnown(u"the service answered with %1, which is not a final answer"_s.arg(
        statusText(answer)));
}
