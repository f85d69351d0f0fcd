// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "contacts/vcardproperty.h"

#include "contacts/textinput.h"
#include "rules/textrules.h"

#include <QCoreApplication>
#include <QList>
#include <QStringDecoder>
#include <QStringList>

#include <algorithm>

namespace VCard::Detail {

namespace {

bool containsUpper(QByteArrayView text, QByteArrayView upper)
{
    const char first = upper.front();
    const char firstLower = char(first - 'A' + 'a');
    for (qsizetype i = 0; i + upper.size() <= text.size(); ++i) {
        if ((text[i] == first || text[i] == firstLower) && equalsUpper(text.sliced(i, upper.size()), upper))
            return true;
    }
    return false;
}

bool isNameByte(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_'
        || c == '.';
}

QByteArrayView unquoted(QByteArrayView value)
{
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        return value.sliced(1, value.size() - 2);
    return value;
}

void addType(Parameters &result, QByteArrayView type)
{
    type = unquoted(type.trimmed());
    if (equalsUpper(type, "CELL") || equalsUpper(type, "MOBILE") || equalsUpper(type, "IPHONE"))
        result.mobile = true;
    else if (equalsUpper(type, "FAX") || equalsUpper(type, "PAGER"))
        result.faxOrPager = true;
    else if (equalsUpper(type, "PREF"))
        result.preferred = true;
}

// TYPE=WORK,VOICE: each type of the list.
void addTypes(Parameters &result, QByteArrayView types)
{
    qsizetype from = 0;
    for (qsizetype j = 0; j <= types.size(); ++j) {
        if (j == types.size() || types[j] == ',') {
            addType(result, types.sliced(from, j - from));
            from = j + 1;
        }
    }
}

// One parameter, "KEY=value" or, in vCard 2.1, a bare value:
// TEL;CELL;PREF;QUOTED-PRINTABLE
void addParameter(Parameters &result, QByteArrayView parameter)
{
    const qsizetype equals = parameter.indexOf('=');
    const QByteArrayView key = equals < 0 ? QByteArrayView() : parameter.first(equals).trimmed();
    const QByteArrayView value = equals < 0 ? parameter : unquoted(parameter.sliced(equals + 1).trimmed());
    if (equals < 0 || equalsUpper(key, "ENCODING")) {
        if (equalsUpper(value, "QUOTED-PRINTABLE"))
            result.encoding = Parameters::Encoding::QuotedPrintable;
        else if (equalsUpper(value, "BASE64") || equalsUpper(value, "B"))
            result.encoding = Parameters::Encoding::Base64;
        else if (equals < 0)
            addType(result, value);
    } else if (equalsUpper(key, "CHARSET")) {
        result.charset = value;
    } else if (equalsUpper(key, "PREF")) {
        result.preferred = true; // vCard 4.0: PREF=1 is the most preferred
    } else if (equalsUpper(key, "TYPE")) {
        addTypes(result, value);
    }
}

// The parameters between a property's name and its value, split at every
// semicolon outside a quoted value.
Parameters parseParameters(QByteArrayView text)
{
    Parameters result;
    qsizetype start = 0;
    bool quoted = false;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] == '"')
            quoted = !quoted;
        if (i < text.size() && (text[i] != ';' || quoted))
            continue;
        if (const QByteArrayView parameter = text.sliced(start, i - start).trimmed(); !parameter.isEmpty())
            addParameter(result, parameter);
        start = i + 1;
    }
    return result;
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

QByteArray decodeQuotedPrintable(QByteArrayView text)
{
    QByteArray result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '=' && i + 2 < text.size()) {
            const int high = hexValue(text[i + 1]);
            const int low = hexValue(text[i + 2]);
            if (high >= 0 && low >= 0) {
                result.append(char(high * 16 + low));
                i += 2;
                continue;
            }
        }
        result.append(text[i]);
    }
    return result;
}

// A value's text after its transfer encoding and character set; nothing
// and a reason when it is not text.
std::optional<QString> decodeValue(QByteArrayView raw, const Parameters &parameters, QString *problem)
{
    QByteArray decoded;
    QByteArrayView bytes = raw;
    if (parameters.encoding == Parameters::Encoding::QuotedPrintable) {
        decoded = decodeQuotedPrintable(raw);
        bytes = decoded;
    } else if (parameters.encoding == Parameters::Encoding::Base64) {
        auto result = QByteArray::fromBase64Encoding(raw.toByteArray(), QByteArray::AbortOnBase64DecodingErrors);
        if (!result) {
            *problem = QCoreApplication::translate("VCard", "its base64 text is damaged");
            return std::nullopt;
        }
        decoded = *result;
        bytes = decoded;
    }
    if (bytes.contains('\0')) {
        *problem = QCoreApplication::translate("VCard", "it holds a NUL character");
        return std::nullopt;
    }

    const QByteArrayView charset = parameters.charset;
    if (charset.isEmpty() || equalsUpper(charset, "UTF-8") || equalsUpper(charset, "UTF8")
        || equalsUpper(charset, "US-ASCII")) {
        if (TextInput::firstInvalidUtf8(bytes) >= 0) {
            *problem = QCoreApplication::translate("VCard", "it is not UTF-8 text");
            return std::nullopt;
        }
        return QString::fromUtf8(bytes);
    }
    const QString charsetName = QString::fromLatin1(charset.first(std::min<qsizetype>(charset.size(), 40)));
    const QByteArray charsetBytes = charset.toByteArray();
    QStringDecoder decoder(charsetBytes.constData(), QStringDecoder::Flag::Stateless);
    if (!decoder.isValid()) {
        *problem = QCoreApplication::translate("VCard", "its character set %1 is not known").arg(charsetName);
        return std::nullopt;
    }
    QString text = decoder(bytes);
    if (decoder.hasError()) {
        *problem = QCoreApplication::translate("VCard", "it is not valid %1 text").arg(charsetName);
        return std::nullopt;
    }
    return text;
}

// Splits at every `separator` that is not escaped with a backslash.
QList<QStringView> splitUnescaped(QStringView text, QChar separator)
{
    QList<QStringView> parts;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\\') {
            ++i;
        } else if (text[i] == separator) {
            parts.append(text.sliced(start, i - start));
            start = i + 1;
        }
    }
    parts.append(text.sliced(start));
    return parts;
}

} // namespace

bool equalsUpper(QByteArrayView text, QByteArrayView upper)
{
    return text.size() == upper.size() && text.compare(upper, Qt::CaseInsensitive) == 0;
}

qsizetype valueColon(QByteArrayView line)
{
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == '"')
            quoted = !quoted;
        else if (line[i] == ':' && !quoted)
            return i;
    }
    return -1;
}

std::optional<PropertyStart> propertyStart(QByteArrayView line)
{
    qsizetype i = 0;
    while (i < line.size() && isNameByte(line[i]))
        ++i;
    if (i == 0 || i == line.size() || (line[i] != ';' && line[i] != ':'))
        return std::nullopt;
    QByteArrayView name = line.first(i);
    if (const qsizetype dot = name.lastIndexOf('.'); dot >= 0)
        name = name.sliced(dot + 1);

    PropertyStart start;
    if (equalsUpper(name, "BEGIN"))
        start.property = Property::Begin;
    else if (equalsUpper(name, "END"))
        start.property = Property::End;
    else if (equalsUpper(name, "VERSION"))
        start.property = Property::Version;
    else if (equalsUpper(name, "FN"))
        start.property = Property::FN;
    else if (equalsUpper(name, "N"))
        start.property = Property::N;
    else if (equalsUpper(name, "TEL"))
        start.property = Property::Tel;
    if (line[i] == ';') {
        const qsizetype colon = valueColon(line);
        const QByteArrayView parameters = line.sliced(i, (colon < 0 ? line.size() : colon) - i);
        start.quotedPrintable = containsUpper(parameters, "QUOTED-PRINTABLE");
    }
    return start;
}

std::optional<QString> propertyValue(QByteArrayView line, qsizetype colon, Parameters *parameters, QString *problem)
{
    qsizetype nameEnd = 0;
    while (nameEnd < colon && line[nameEnd] != ';')
        ++nameEnd;
    *parameters = parseParameters(line.sliced(nameEnd, colon - nameEnd));
    return decodeValue(line.sliced(colon + 1), *parameters, problem);
}

QString unescape(const QString &text)
{
    if (!text.contains(u'\\'))
        return text;
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\\' && i + 1 < text.size()) {
            const QChar next = text[i + 1];
            if (next == u'n' || next == u'N') {
                result.append(u'\n');
                ++i;
                continue;
            }
            if (next == u'\\' || next == u',' || next == u';' || next == u':') {
                result.append(next);
                ++i;
                continue;
            }
        }
        result.append(text[i]);
    }
    return result;
}

QString nameFromN(QStringView value)
{
    const QList<QStringView> parts = splitUnescaped(value, u';');
    QStringList words;
    for (const int component : {1, 2, 0}) {
        if (component >= parts.size())
            continue;
        for (QStringView word : splitUnescaped(parts[component], u',')) {
            const QString text = TextRules::recipientNameForm(unescape(word.toString()));
            if (!text.isEmpty())
                words.append(text);
        }
    }
    return words.join(u' ');
}

} // namespace VCard::Detail
