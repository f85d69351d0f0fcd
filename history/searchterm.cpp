// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/searchterm.h"

using namespace Qt::StringLiterals;

namespace {

// Trigrams are counted in code points, not UTF-16 units.
qsizetype codePoints(const QString &text)
{
    qsizetype count = 0;
    for (const QChar c : text) {
        if (!c.isLowSurrogate())
            ++count;
    }
    return count;
}

constexpr char16_t separator = u'\x1f';

} // namespace

SearchTerm::SearchTerm(const QString &filter)
{
    const QString term = fold(filter.trimmed());
    if (term.isEmpty())
        return;
    if (codePoints(term) >= 3) {
        m_kind = Kind::Indexed;
        QString quoted = term;
        quoted.replace(u"\""_s, u"\"\""_s);
        m_indexQuery = u'"' + quoted + u'"';
    } else {
        m_kind = Kind::Scanned;
    }
    m_scanPattern = u"*"_s;
    for (const QChar c : term) {
        if (c == u'*' || c == u'?' || c == u'[')
            m_scanPattern += u'[' + QString(c) + u']';
        else
            m_scanPattern += c;
    }
    m_scanPattern += u'*';
}

QString SearchTerm::fold(const QString &text)
{
    return text.normalized(QString::NormalizationForm_C).toCaseFolded();
}

QString SearchTerm::searchText(const QString &recipientName, const QString &recipientNumber, const QString &message)
{
    return fold(recipientName) + QChar(separator) + fold(recipientNumber) + QChar(separator) + fold(message);
}
