// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "soap/xmlname.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <memory>
#include <optional>
#include <vector>

class QByteArray;

/// \brief One element of a parsed XML document, with its attributes, text and children.
///
/// The SOAP layer reads service descriptions and replies into this small tree so that the
/// order of their parts does not matter. parse() takes the raw bytes, so a byte-order mark or
/// an encoding declaration is honoured, and refuses document type declarations (and with them
/// every entity expansion attack), absurdly deep nesting and tags with absurdly many attributes
/// before building anything large.
class XmlElement final
{
public:
    struct Attribute
    {
        QString namespaceUri;
        QString name;
        QString value;
    };

    /// Deepest element nesting parse() accepts.
    static constexpr int MaximumDepth = 100;
    /// Most attributes (namespace declarations included) one element may carry: the XML
    /// reader checks them for duplicates pairwise, so a tag with 100,000 takes minutes.
    static constexpr int MaximumAttributes = 256;

    /// \brief Parses \a bytes into a tree and returns its root element.
    /// On failure returns nullptr and sets \a errorString to a reason in plain words.
    static std::unique_ptr<XmlElement> parse(const QByteArray &bytes, QString *errorString);

    XmlElement(const XmlElement &) = delete;
    XmlElement &operator=(const XmlElement &) = delete;
    ~XmlElement();

    const QString &namespaceUri() const { return m_name.namespaceUri; }
    const QString &name() const { return m_name.localName; }
    const XmlName &qualifiedName() const { return m_name; }
    bool is(QStringView namespaceUri, QStringView name) const;
    qint64 lineNumber() const { return m_lineNumber; }
    const XmlElement *parent() const { return m_parent; }

    /// The value of the attribute without namespace called \a name, or a null string.
    QString attribute(QStringView name) const;
    QString attribute(QStringView namespaceUri, QStringView name) const;
    bool hasAttribute(QStringView name) const;

    /// The character data directly inside this element, CDATA sections included.
    const QString &text() const { return m_text; }

    const std::vector<std::unique_ptr<XmlElement>> &children() const { return m_children; }
    QList<const XmlElement *> childElements(QStringView namespaceUri, QStringView name) const;
    const XmlElement *firstChildElement(QStringView namespaceUri, QStringView name) const;

    /// \brief Resolves a QName-valued attribute such as "tns:sendSMS" by the namespace
    /// declarations in scope here. An unprefixed name takes the default namespace.
    /// Returns std::nullopt when the prefix is not declared.
    std::optional<XmlName> resolveQName(QStringView value) const;

private:
    XmlElement() = default;
    QString namespaceForPrefix(QStringView prefix) const;

    friend class XmlTreeBuilder;

    XmlName m_name;
    QList<Attribute> m_attributes;
    QList<std::pair<QString, QString>> m_namespaceDeclarations; // prefix, URI
    QString m_text;
    std::vector<std::unique_ptr<XmlElement>> m_children;
    const XmlElement *m_parent = nullptr;
    qint64 m_lineNumber = 0;
};
