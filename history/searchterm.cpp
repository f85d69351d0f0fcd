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

// The filter as it is matched: without NULs and outer white space, and cut
// to the maximum length, never inside a surrogate pair.
QString usedPart(const QString &filter)
{
    QString text = filter;
    text.remove(QChar(u'\0'));
    text = text.trimmed();
    if (text.size() > SearchTerm::maximumLength) {
        text.truncate(text.at(SearchTerm::maximumLength).isLowSurrogate() ? SearchTerm::maximumLength - 1
                                                                           : SearchTerm::maximumLength);
        text = text.trimmed();
    }
    return text;
}

} // namespace

SearchTerm::SearchTerm(const QString &filter)
{
    const QString term = fold(usedPart(filter));
    m_text = term;
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

// A surrogate without its other half stands for no character. SQLite, when
// it converts the text to UTF-8, would pair it with whatever follows (in a
// full-text query, the closing quote), so it becomes U+FFFD on both sides.
QString SearchTerm::fold(const QString &text)
{
    QString folded = text.normalized(QString::NormalizationForm_C).toCaseFolded();
    for (qsizetype i = 0; i < folded.size(); ++i) {
        if (folded.at(i).isHighSurrogate() && i + 1 < folded.size() && folded.at(i + 1).isLowSurrogate())
            ++i;
        else if (folded.at(i).isSurrogate())
            folded[i] = QChar::ReplacementCharacter;
    }
    return folded;
}

QString SearchTerm::searchText(const QString &recipientName, const QString &recipientNumber, const QString &message)
{
    return fold(recipientName) + QChar(separator) + fold(recipientNumber) + QChar(separator) + fold(message);
}
