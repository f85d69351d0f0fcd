// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/csvfield.h"

namespace CsvField {

namespace {

bool startsFormula(QChar c)
{
    return c == u'=' || c == u'+' || c == u'-' || c == u'@' || c == u'\t' || c == u'\r';
}

// Whether the text, past any apostrophes in front, begins a formula.
bool guarded(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == u'\'')
        ++i;
    return i < text.size() && startsFormula(text[i]);
}

} // namespace

QString written(const QString &value)
{
    QString field = guarded(value) ? u'\'' + value : value;
    if (field.contains(u',') || field.contains(u';') || field.contains(u'"') || field.contains(u'\n')
        || field.contains(u'\r')) {
        field.replace(u'"', QStringLiteral("\"\""));
        field = u'"' + field + u'"';
    }
    return field;
}

QString read(const QString &text)
{
    if (text.startsWith(u'\'') && guarded(text))
        return text.sliced(1);
    return text;
}

} // namespace CsvField
