// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "soap/replycontent.h"

#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QStringDecoder>

#include <algorithm>
#include <optional>

namespace {

struct MediaType
{
    QByteArray type; // lower case, e.g. "multipart/related"
    QHash<QByteArray, QByteArray> parameters; // names in lower case, values unquoted
};

// A quoted-string parameter value from the opening quote at \a at; leaves \a at on the ';'
// after it, or -1.
QByteArray quotedValue(const QByteArray &value, qsizetype *at)
{
    QByteArray parameter;
    qsizetype i = *at + 1;
    for (; i < value.size() && value[i] != '"'; ++i) {
        if (value[i] == '\\' && i + 1 < value.size())
            ++i;
        parameter += value[i];
    }
    *at = value.indexOf(';', i);
    return parameter;
}

// A token parameter value from \a at; leaves \a at on the ';' after it, or -1.
QByteArray tokenValue(const QByteArray &value, qsizetype *at)
{
    const qsizetype end = value.indexOf(';', *at);
    const QByteArray parameter = value.mid(*at, end < 0 ? -1 : end - *at).trimmed();
    *at = end;
    return parameter;
}

// "type/subtype; name=value; name=\"quoted; value\"" (RFC 9110 section 8.3.1).
MediaType parseMediaType(const QByteArray &value)
{
    MediaType media;
    qsizetype at = value.indexOf(';');
    media.type = value.left(at < 0 ? value.size() : at).trimmed().toLower();
    while (at >= 0 && at < value.size()) {
        ++at;
        const qsizetype equals = value.indexOf('=', at);
        if (equals < 0)
            break;
        const QByteArray name = value.mid(at, equals - at).trimmed().toLower();
        at = equals + 1;
        while (at < value.size() && (value[at] == ' ' || value[at] == '\t'))
            ++at;
        const QByteArray parameter =
            at < value.size() && value[at] == '"' ? quotedValue(value, &at) : tokenValue(value, &at);
        if (!name.isEmpty() && !media.parameters.contains(name))
            media.parameters.insert(name, parameter);
    }
    return media;
}

struct Part
{
    QHash<QByteArray, QByteArray> headers; // names in lower case
    QByteArray content;
};

QByteArray withoutAngles(QByteArray id)
{
    id = id.trimmed();
    if (id.startsWith('<') && id.endsWith('>'))
        id = id.mid(1, id.size() - 2);
    return id;
}

// One part of a multipart body, its headers and content; none when its headers do not end.
std::optional<Part> partOf(QByteArray raw)
{
    if (raw.endsWith('\r'))
        raw.chop(1);
    qsizetype headEnd = raw.startsWith("\r\n") ? 0 : raw.indexOf("\r\n\r\n");
    qsizetype contentStart = headEnd < 0 ? -1 : headEnd + (headEnd == 0 ? 2 : 4);
    if (headEnd < 0) {
        headEnd = raw.startsWith('\n') ? 0 : raw.indexOf("\n\n");
        contentStart = headEnd < 0 ? -1 : headEnd + (headEnd == 0 ? 1 : 2);
    }
    if (contentStart < 0)
        return std::nullopt;
    Part part;
    for (const QByteArray &line : raw.left(headEnd).split('\n')) {
        const qsizetype colon = line.indexOf(':');
        if (colon > 0)
            part.headers.insert(line.left(colon).trimmed().toLower(), line.mid(colon + 1).trimmed());
    }
    part.content = raw.mid(contentStart);
    return part;
}

// The parts of a multipart body (RFC 2046 section 5.1.1), or an error when it is cut short.
QList<Part> splitParts(const QByteArray &body, const QByteArray &boundary, QString *error)
{
    QList<Part> parts;
    const QByteArray delimiter = "--" + boundary;
    const QByteArray lineAndDelimiter = "\n" + delimiter;
    qsizetype at = body.startsWith(delimiter) ? 0 : body.indexOf(lineAndDelimiter);
    if (at < 0) {
        *error = QCoreApplication::translate("ReplyContent", "its multipart body has no part");
        return {};
    }
    if (at > 0)
        ++at;
    for (;;) {
        const qsizetype after = at + delimiter.size();
        if (body.mid(after, 2) == "--")
            return parts; // the closing delimiter
        const qsizetype lineEnd = body.indexOf('\n', after);
        const qsizetype next = lineEnd < 0 ? -1 : body.indexOf(lineAndDelimiter, lineEnd);
        if (next < 0) {
            *error = QCoreApplication::translate("ReplyContent", "its multipart body is cut short");
            return {};
        }
        std::optional<Part> part = partOf(body.mid(lineEnd + 1, next - lineEnd - 1));
        if (!part) {
            *error
                = QCoreApplication::translate("ReplyContent", "a part of its multipart body has no end to its headers");
            return {};
        }
        parts.append(std::move(*part));
        at = next + 1;
    }
}

// Whether the document fixes its own encoding: a byte-order mark, UTF-16 or UTF-32 without
// one (a zero byte among the first four), or an XML declaration with an encoding.
bool declaresEncoding(const QByteArray &xml)
{
    if (xml.startsWith("\xef\xbb\xbf") || xml.startsWith("\xff\xfe") || xml.startsWith("\xfe\xff"))
        return true;
    for (qsizetype i = 0; i < std::min<qsizetype>(4, xml.size()); ++i) {
        if (xml.at(i) == '\0')
            return true;
    }
    if (!xml.startsWith("<?xml"))
        return false;
    const qsizetype end = xml.indexOf("?>");
    return end > 0 && xml.left(end).contains("encoding");
}

// A name the service sent, as a message may quote it: short, and without control characters
// that would drive a terminal.
QString shown(const QByteArray &name)
{
    QString text = QString::fromLatin1(name.left(40));
    for (QChar &c : text) {
        if (c.category() == QChar::Other_Control)
            c = u'?';
    }
    return text;
}

// The root part of a multipart/related body: the one its "start" parameter names, else the
// first. Sets xml->error when there is none.
const Part *rootOf(const QList<Part> &parts, const MediaType &media, ReplyContent::Xml *xml)
{
    if (parts.isEmpty()) {
        if (xml->error.isEmpty())
            xml->error = QCoreApplication::translate("ReplyContent", "its multipart body has no part");
        return nullptr;
    }
    const QByteArray start = withoutAngles(media.parameters.value("start"));
    if (start.isEmpty())
        return &parts.first();
    for (const Part &part : parts) {
        if (withoutAngles(part.headers.value("content-id")) == start)
            return &part;
    }
    xml->error
        = QCoreApplication::translate("ReplyContent", "its multipart body has no part with the root's Content-ID");
    return nullptr;
}

// The XML of the root part into \a xml; its own media type, or none when it has no root part.
std::optional<MediaType> readRootPart(const MediaType &media, const QByteArray &body, ReplyContent::Xml *xml)
{
    const QByteArray boundary = media.parameters.value("boundary");
    if (boundary.isEmpty()) {
        xml->error = QCoreApplication::translate("ReplyContent", "it is a multipart answer without a boundary");
        return std::nullopt;
    }
    const QList<Part> parts = splitParts(body, boundary, &xml->error);
    const Part *root = rootOf(parts, media, xml);
    if (!root)
        return std::nullopt;
    xml->bytes = root->content;
    if (root->headers.value("content-transfer-encoding").trimmed().toLower() == "base64")
        xml->bytes = QByteArray::fromBase64(xml->bytes);
    return parseMediaType(root->headers.value("content-type"));
}

} // namespace

ReplyContent::Xml ReplyContent::xmlOf(const QByteArray &contentType, const QByteArray &body)
{
    Xml xml;
    MediaType media = parseMediaType(contentType);
    xml.bytes = body;

    if (media.type == "multipart/related") {
        std::optional<MediaType> root = readRootPart(media, body, &xml);
        if (!root)
            return xml;
        media = std::move(*root);
    }

    const QByteArray charset = media.parameters.value("charset").trimmed();
    if (charset.isEmpty() || declaresEncoding(xml.bytes))
        return xml;
    QStringDecoder decode(charset.constData());
    if (!decode.isValid()) {
        xml.error = QCoreApplication::translate("ReplyContent",
                                                "it is written in the character set \"%1\", which cannot be read")
                        .arg(shown(charset));
        return xml;
    }
    const QString text = decode(xml.bytes);
    if (decode.hasError()) {
        xml.error = QCoreApplication::translate("ReplyContent", "it is not valid %1 text").arg(shown(charset));
        return xml;
    }
    // Without a declared encoding the XML reader reads UTF-8.
    xml.bytes = text.toUtf8();
    return xml;
}
