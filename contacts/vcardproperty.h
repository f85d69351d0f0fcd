// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

// One vCard property as the card reader sees it: its name on its first
// physical line, its parameters, and its value decoded from its transfer
// encoding and character set, then unescaped.
namespace VCard::Detail {

// Whether `text` is `upper` in any letter case (ASCII).
bool equalsUpper(QByteArrayView text, QByteArrayView upper);

// Where the value begins: the first ':' outside a quoted parameter value.
qsizetype valueColon(QByteArrayView line);

// The properties a card is read for.
enum class Property { Other, Begin, End, Version, FN, N, Tel };

// The property's name (group prefix dropped) on the first physical line of
// a property, and where its parameters or value begin; nothing when the
// line is not a property at all (a photo's unfolded base64, say).
struct PropertyStart
{
    Property property = Property::Other;
    bool quotedPrintable = false;
};

std::optional<PropertyStart> propertyStart(QByteArrayView line);

// What a property's parameters say, as views into its line.
struct Parameters
{
    enum class Encoding { None, QuotedPrintable, Base64 };
    Encoding encoding = Encoding::None;
    QByteArrayView charset;
    bool mobile = false;    // TYPE=cell (CELL in 2.1), mobile or iPhone
    bool faxOrPager = false;
    bool preferred = false; // TYPE=pref, PREF in 2.1, PREF=n in 4.0
};

// The value of a whole property line whose value begins after `colon`,
// with its parameters; nothing and a reason when it is not text.
std::optional<QString> propertyValue(QByteArrayView line, qsizetype colon, Parameters *parameters, QString *problem);

// The escapes \\ \, \; \: and \n (or \N) undone.
QString unescape(const QString &text);

// The name that N gives: given, additional and family names, each of which
// may hold several comma-separated values.
QString nameFromN(QStringView value);

} // namespace VCard::Detail
