// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The XML inside a reply body. Internal to soap/.

#include <QByteArray>
#include <QString>

namespace ReplyContent {

struct Xml
{
    /// The XML document, ready for XmlElement::parse().
    QByteArray bytes;
    /// Why the body holds no readable XML, as a clause; empty on success.
    QString error;
};

/// \brief The XML document of a reply body sent with the Content-Type \a contentType.
///
/// A multipart/related body (MTOM/XOP) gives its root part: the one its "start" parameter
/// names, else the first. When the XML neither starts with a byte-order mark nor declares its
/// encoding, the charset parameter of the (root part's) Content-Type decides how it is read.
Xml xmlOf(const QByteArray &contentType, const QByteArray &body);

} // namespace ReplyContent
