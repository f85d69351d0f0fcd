// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "soap/soapreplyreader.h"

#include "soap/messagetext.h"
#include "soap/replycontent.h"
#include "soap/soapnamespaces.h"
#include "soap/soapoperation.h"
#include "soap/xmlelement.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>
#include <optional>

namespace {

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

// What the body of an answer turned out to hold.
struct Reply
{
    ReplyContent::Xml xml;
    // No error, and nothing but white space.
    bool blank = false;
    std::unique_ptr<XmlElement> root;
    // The root when it is a SOAP 1.1 or 1.2 envelope.
    const XmlElement *envelope = nullptr;
    bool soap12 = false;
    const XmlElement *body = nullptr;
    const XmlElement *fault = nullptr;

    Reply(const QByteArray &contentType, const QByteArray &bytes)
        : xml(ReplyContent::xmlOf(contentType, bytes))
        , blank(xml.error.isEmpty() && xml.bytes.trimmed().isEmpty())
    {
        if (!xml.error.isEmpty() || blank)
            return;
        root = XmlElement::parse(xml.bytes, nullptr);
        for (const QString &ns : {SoapNamespaces::Soap11Envelope, SoapNamespaces::Soap12Envelope}) {
            if (root && root->is(ns, u"Envelope")) {
                envelope = root.get();
                soap12 = ns == SoapNamespaces::Soap12Envelope;
                body = envelope->firstChildElement(ns, u"Body");
                fault = body ? body->firstChildElement(ns, u"Fault") : nullptr;
            }
        }
    }
};

QString statusText(const HttpAnswer &answer)
{
    return MessageText::httpStatus(answer.status, answer.reasonPhrase);
}

QString descriptionOf(const SoapOperation &operation)
{
    return operation.descriptionFile.isEmpty()
        ? QCoreApplication::translate("SoapReplyReader", "the service description")
        : QCoreApplication::translate("SoapReplyReader", "the service description file %1")
              .arg(QDir::toNativeSeparators(operation.descriptionFile));
}

SoapCallResult redirect(const HttpAnswer &answer, const SoapOperation &operation)
{
    const QByteArray location = answer.location.trimmed();
    const QUrl resolved = operation.endpoint.resolved(QUrl(QString::fromLatin1(location), QUrl::TolerantMode));
    // An address Qt refuses keeps no text of its own: the one the service sent is shown instead.
    const QString target = MessageText::address(resolved.isValid() ? resolved.toString()
                                                                    : QString::fromLatin1(location));
    if (answer.status == 303) {
        // See Other is how a service shows the result of a request it carried out elsewhere.
        return SoapCallResult::notKnown(
            QCoreApplication::translate(
                "SoapReplyReader",
                "the service answered with a redirect to %1 (%2), which usually means that it took the request "
                "and shows its result elsewhere")
                .arg(location.isEmpty() ? QCoreApplication::translate("SoapReplyReader", "nowhere") : target,
                     statusText(answer)));
    }
    if (location.isEmpty())
        return SoapCallResult::notSent(
            QCoreApplication::translate(
                "SoapReplyReader",
                "the service answered with a redirect (%1) without saying where it moved; %2 must be updated with its "
                "new address")
                .arg(statusText(answer), descriptionOf(operation)));
    return SoapCallResult::notSent(
        QCoreApplication::translate("SoapReplyReader",
                                    "the service answered that it moved to %1 (%2); %3 must be updated with its new "
                                    "address")
            .arg(target, statusText(answer), descriptionOf(operation)));
}

std::optional<SoapCallResult> signInAsked(const HttpAnswer &answer, const SoapOperation &operation)
{
    const QList<AuthChallenge> challenges = AuthChallenge::parse(answer.authenticate, operation.endpoint);
    if (challenges.isEmpty())
        return std::nullopt;
    SoapCallResult result = SoapCallResult::notSent(QString());
    result.challenge = challenges.first();
    const QString realm = result.challenge->displayRealm();
    result.reason = realm.isEmpty()
        ? QCoreApplication::translate("SoapReplyReader", "the service at %1 asks you to sign in")
              .arg(result.challenge->where())
        : QCoreApplication::translate("SoapReplyReader", "the service at %1 asks you to sign in (%2)")
              .arg(result.challenge->where(), realm);
    return result;
}

SoapCallResult refusal(const Reply &reply)
{
    SoapCallResult result = SoapCallResult::notSent(QString());
    result.isFault = true;
    result.faultString = faultText(reply.fault, reply.soap12);
    result.reason = result.faultString.isEmpty()
        ? QCoreApplication::translate("SoapReplyReader", "the service refused the request without giving a reason")
        : QCoreApplication::translate("SoapReplyReader", "the service refused the request: %1").arg(result.faultString);
    return result;
}

bool holdsOneOf(const XmlElement *body, const QList<XmlName> &elements)
{
    // By local name: a namespace that differs is tolerated, as in the description's own references.
    return std::any_of(body->children().begin(), body->children().end(), [&elements](const auto &child) {
        return std::any_of(elements.begin(), elements.end(),
                           [&child](const XmlName &name) { return name.localName == child->name(); });
    });
}

// A SOAP envelope without a fault in a 2xx answer to an operation that promises an answer.
SoapCallResult confirmation(const HttpAnswer &answer, const SoapOperation &operation, const Reply &reply)
{
    if (!reply.body)
        return SoapCallResult::notKnown(
            QCoreApplication::translate(
                "SoapReplyReader",
                "the service's answer (%1) is a SOAP envelope without a body, though its description promises an "
                "answer")
                .arg(statusText(answer)));
    if (reply.body->children().empty())
        return SoapCallResult::notKnown(
            QCoreApplication::translate(
                "SoapReplyReader",
                "the service's answer (%1) has an empty SOAP body, though its description promises an answer")
                .arg(statusText(answer)));
    if (operation.responseElements.isEmpty() || holdsOneOf(reply.body, operation.responseElements))
        return SoapCallResult::sent();
    return SoapCallResult::notKnown(
        QCoreApplication::translate(
            "SoapReplyReader",
            "the service's answer (%1) does not hold the element \"%2\" that its description promises")
            .arg(statusText(answer), operation.responseElements.first().localName.left(80)));
}

SoapCallResult success(const HttpAnswer &answer, const SoapOperation &operation, const Reply &reply)
{
    if (reply.envelope)
        return operation.declaresOutput ? confirmation(answer, operation, reply) : SoapCallResult::sent();
    if (reply.blank) {
        if (!operation.declaresOutput)
            return SoapCallResult::sent();
        return SoapCallResult::notKnown(
            QCoreApplication::translate(
                "SoapReplyReader", "the service's answer (%1) was empty, though its description promises a SOAP answer")
                .arg(statusText(answer)));
    }
    if (!reply.xml.error.isEmpty())
        return SoapCallResult::notKnown(
            QCoreApplication::translate("SoapReplyReader", "the service's answer could not be read: %1")
                .arg(reply.xml.error));
    if (!reply.root)
        return SoapCallResult::notKnown(
            QCoreApplication::translate("SoapReplyReader", "the service's answer is not readable XML"));
    return SoapCallResult::notKnown(
        QCoreApplication::translate("SoapReplyReader", "the service's answer is not a SOAP message"));
}

// 5xx statuses by which a server says that it did not take the request: not implemented,
// unavailable, an HTTP version it does not speak, or a network that wants a sign-in first.
bool refusesRequest(int status)
{
    return status == 501 || status == 503 || status == 505 || status == 511;
}

// A 4xx or 5xx answer without a SOAP fault, or any other status.
SoapCallResult errorStatus(const HttpAnswer &answer)
{
    const int status = answer.status;
    if (status == 407 && !answer.proxy.isEmpty())
        return SoapCallResult::notSent(
            QCoreApplication::translate("SoapReplyReader",
                                        "the proxy at %1 refused the request: it asks for a user name and password "
                                        "(%2)")
                .arg(answer.proxy, statusText(answer)));
    if (status == 502 || status == 504) {
        // A gateway (or the proxy) speaks for a service it may already have handed the request to.
        const QString gateway = answer.proxy.isEmpty()
            ? QCoreApplication::translate("SoapReplyReader", "a gateway in front of the service")
            : QCoreApplication::translate("SoapReplyReader", "the proxy at %1 or a gateway behind it")
                  .arg(answer.proxy);
        return SoapCallResult::notKnown(
            QCoreApplication::translate("SoapReplyReader",
                                        "%1 answered with %2, so the request may have reached the service")
                .arg(gateway, statusText(answer)));
    }
    const QString who = answer.proxy.isEmpty()
        ? QCoreApplication::translate("SoapReplyReader", "the service")
        : QCoreApplication::translate("SoapReplyReader", "the service or the proxy at %1").arg(answer.proxy);
    if ((status >= 400 && status < 500) || refusesRequest(status))
        return SoapCallResult::notSent(
            QCoreApplication::translate("SoapReplyReader", "%1 answered with %2").arg(who, statusText(answer)));
    // A server error after the request arrived says nothing of what became of it; only a
    // complete SOAP fault refuses the request.
    if (status >= 500 && status < 600)
        return SoapCallResult::notKnown(
            QCoreApplication::translate(
                "SoapReplyReader",
                "%1 answered with %2 and no SOAP fault, which does not tell whether it took the request")
                .arg(who, statusText(answer)));
    return SoapCallResult::notKnown(
        QCoreApplication::translate("SoapReplyReader", "the service answered with %1, which is not a final answer")
            .arg(statusText(answer)));
}

} // namespace

SoapCallResult SoapReplyReader::read(const HttpAnswer &answer, const SoapOperation &operation)
{
    const Reply reply(answer.contentType, answer.body);
    if (answer.status == 401) {
        if (auto asked = signInAsked(answer, operation))
            return *asked;
    }
    if (reply.fault)
        return refusal(reply);
    if (answer.status >= 200 && answer.status < 300)
        return success(answer, operation, reply);
    if (answer.status >= 300 && answer.status < 400)
        return redirect(answer, operation);
    return errorStatus(answer);
}
