// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "soap/xmlelement.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QStringDecoder>
#include <QXmlStreamReader>

#include <algorithm>
#include <cstring>

using namespace Qt::StringLiterals;

namespace {

// The largest number of attributes in one tag of the document, counted without parsing it:
// every '=' inside a tag and outside a quoted value. Comments, CDATA sections and processing
// instructions are skipped. Works on any encoding that keeps ASCII as single bytes, and on
// UTF-16 text once decoded.
template <typename Char>
class AttributeCounter
{
public:
    AttributeCounter(const Char *text, qsizetype size)
        : m_text(text)
        , m_size(size)
    {
    }

    int most()
    {
        for (m_at = 0; m_at < m_size; ++m_at) {
            const Char c = m_text[m_at];
            switch (m_state) {
            case State::Text:
                inText(c);
                break;
            case State::Tag:
                inTag(c);
                break;
            case State::Quoted:
                if (c == m_quote)
                    m_state = State::Tag;
                break;
            case State::Comment:
                leaveAt("-->");
                break;
            case State::CData:
                leaveAt("]]>");
                break;
            case State::Instruction:
                leaveAt("?>");
                break;
            }
        }
        return m_most;
    }

private:
    enum class State { Text, Tag, Quoted, Comment, CData, Instruction };

    bool startsAt(qsizetype at, const char *what) const
    {
        for (qsizetype i = 0; what[i]; ++i) {
            if (at + i >= m_size || m_text[at + i] != Char(what[i]))
                return false;
        }
        return true;
    }

    void inText(Char c)
    {
        if (c != '<')
            return;
        if (startsAt(m_at + 1, "!--")) {
            m_state = State::Comment;
            m_at += 3;
        } else if (startsAt(m_at + 1, "![CDATA[")) {
            m_state = State::CData;
            m_at += 8;
        } else if (startsAt(m_at + 1, "?")) {
            m_state = State::Instruction;
        } else {
            m_state = State::Tag;
            m_inThisTag = 0;
        }
    }

    void inTag(Char c)
    {
        if (c == '"' || c == '\'') {
            m_quote = c;
            m_state = State::Quoted;
        } else if (c == '=') {
            m_most = std::max(m_most, ++m_inThisTag);
        } else if (c == '>') {
            m_state = State::Text;
        }
    }

    // Back to text after the end of a comment, a CDATA section or an instruction.
    void leaveAt(const char *closing)
    {
        if (!startsAt(m_at, closing))
            return;
        m_state = State::Text;
        m_at += qsizetype(std::strlen(closing)) - 1;
    }

    const Char *m_text;
    qsizetype m_size;
    qsizetype m_at = 0;
    State m_state = State::Text;
    Char m_quote = 0;
    int m_inThisTag = 0;
    int m_most = 0;
};

int mostAttributesInOneTag(const QByteArray &bytes)
{
    // UTF-16, with or without a byte-order mark, is recognised as the XML reader does.
    const bool littleEndian = bytes.startsWith("\xff\xfe") || (bytes.size() > 1 && bytes[0] != 0 && bytes[1] == 0);
    const bool bigEndian = bytes.startsWith("\xfe\xff") || (bytes.size() > 1 && bytes[0] == 0 && bytes[1] != 0);
    if (littleEndian || bigEndian) {
        QStringDecoder decode(littleEndian ? QStringConverter::Utf16LE : QStringConverter::Utf16BE);
        const QString text = decode(bytes);
        return AttributeCounter(reinterpret_cast<const char16_t *>(text.utf16()), text.size()).most();
    }
    return AttributeCounter(bytes.constData(), bytes.size()).most();
}

} // namespace

class XmlTreeBuilder
{
public:
    static std::unique_ptr<XmlElement> build(const QByteArray &bytes, QString *errorString)
    {
        auto fail = [errorString](const QString &reason) {
            if (errorString)
                *errorString = reason;
            return nullptr;
        };

        if (mostAttributesInOneTag(bytes) > XmlElement::MaximumAttributes)
            return fail(QCoreApplication::translate("XmlElement", "one of its elements has more than %1 attributes")
                            .arg(XmlElement::MaximumAttributes));

        QXmlStreamReader reader(bytes);
        // Nothing to expand: a document with a DTD is refused below before any content.
        reader.setEntityExpansionLimit(0);

        std::unique_ptr<XmlElement> root;
        XmlElement *current = nullptr;
        int depth = 0;

        while (!reader.atEnd()) {
            switch (reader.readNext()) {
            case QXmlStreamReader::DTD:
                return fail(QCoreApplication::translate(
                    "XmlElement", "it contains a document type declaration, which is not accepted"));
            case QXmlStreamReader::EntityReference:
                return fail(
                    QCoreApplication::translate("XmlElement", "it refers to the undeclared entity \"%1\" at line %2")
                        .arg(reader.name().toString())
                        .arg(reader.lineNumber()));
            case QXmlStreamReader::StartElement:
                if (++depth > XmlElement::MaximumDepth)
                    return fail(QCoreApplication::translate("XmlElement", "its elements nest more than %1 levels deep")
                                    .arg(XmlElement::MaximumDepth));
                current = append(elementAt(reader, current), &root);
                break;
            case QXmlStreamReader::EndElement:
                --depth;
                current = const_cast<XmlElement *>(current->m_parent);
                break;
            case QXmlStreamReader::Characters:
                if (current)
                    current->m_text += reader.text();
                break;
            default:
                break;
            }
        }
        if (reader.hasError() && !(reader.error() == QXmlStreamReader::PrematureEndOfDocumentError && !root))
            return fail(QCoreApplication::translate("XmlElement", "%1 at line %2, column %3")
                            .arg(reader.errorString())
                            .arg(reader.lineNumber())
                            .arg(reader.columnNumber()));
        if (!root)
            return fail(QCoreApplication::translate("XmlElement", "it is empty or holds no element"));
        return root;
    }

private:
    // The element the reader stands at the start of, as a child of \a parent (none for the root).
    static std::unique_ptr<XmlElement> elementAt(const QXmlStreamReader &reader, const XmlElement *parent)
    {
        auto element = std::unique_ptr<XmlElement>(new XmlElement);
        element->m_name = {reader.namespaceUri().toString(), reader.name().toString()};
        element->m_lineNumber = reader.lineNumber();
        const QXmlStreamAttributes attributes = reader.attributes();
        element->m_attributes.reserve(attributes.size());
        for (const QXmlStreamAttribute &a : attributes)
            element->m_attributes.append({a.namespaceUri().toString(), a.name().toString(), a.value().toString()});
        const QXmlStreamNamespaceDeclarations declarations = reader.namespaceDeclarations();
        for (const QXmlStreamNamespaceDeclaration &d : declarations)
            element->m_namespaceDeclarations.append({d.prefix().toString(), d.namespaceUri().toString()});
        element->m_parent = parent;
        return element;
    }

    // Hangs \a element under its parent, or makes it the root; returns it.
    static XmlElement *append(std::unique_ptr<XmlElement> element, std::unique_ptr<XmlElement> *root)
    {
        XmlElement *raw = element.get();
        if (auto *parent = const_cast<XmlElement *>(raw->m_parent))
            parent->m_children.push_back(std::move(element));
        else
            *root = std::move(element);
        return raw;
    }
};

std::unique_ptr<XmlElement> XmlElement::parse(const QByteArray &bytes, QString *errorString)
{
    return XmlTreeBuilder::build(bytes, errorString);
}

XmlElement::~XmlElement() = default;

bool XmlElement::is(QStringView namespaceUri, QStringView name) const
{
    return m_name.localName == name && m_name.namespaceUri == namespaceUri;
}

QString XmlElement::attribute(QStringView name) const
{
    return attribute(QStringView(), name);
}

QString XmlElement::attribute(QStringView namespaceUri, QStringView name) const
{
    for (const Attribute &a : m_attributes) {
        if (a.name == name && a.namespaceUri == namespaceUri)
            return a.value;
    }
    return QString();
}

bool XmlElement::hasAttribute(QStringView name) const
{
    for (const Attribute &a : m_attributes) {
        if (a.name == name && a.namespaceUri.isEmpty())
            return true;
    }
    return false;
}

QList<const XmlElement *> XmlElement::childElements(QStringView namespaceUri, QStringView name) const
{
    QList<const XmlElement *> found;
    for (const auto &child : m_children) {
        if (child->is(namespaceUri, name))
            found.append(child.get());
    }
    return found;
}

const XmlElement *XmlElement::firstChildElement(QStringView namespaceUri, QStringView name) const
{
    for (const auto &child : m_children) {
        if (child->is(namespaceUri, name))
            return child.get();
    }
    return nullptr;
}

QString XmlElement::namespaceForPrefix(QStringView prefix) const
{
    if (prefix == u"xml")
        return u"http://www.w3.org/XML/1998/namespace"_s;
    for (const XmlElement *e = this; e; e = e->m_parent) {
        for (const auto &[declaredPrefix, uri] : e->m_namespaceDeclarations) {
            if (declaredPrefix == prefix)
                return uri.isNull() ? u""_s : uri;
        }
    }
    return prefix.isEmpty() ? u""_s : QString();
}

std::optional<XmlName> XmlElement::resolveQName(QStringView value) const
{
    const QStringView trimmed = value.trimmed();
    const qsizetype colon = trimmed.indexOf(u':');
    const QStringView prefix = colon < 0 ? QStringView() : trimmed.left(colon);
    const QString uri = namespaceForPrefix(prefix);
    if (uri.isNull())
        return std::nullopt;
    return XmlName{uri, trimmed.mid(colon + 1).toString()};
}
