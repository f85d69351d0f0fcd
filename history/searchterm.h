// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// How the history's search finds text: both the stored search text and what
// the user types are folded the same way (NFC, then Unicode case folding),
// and the typed text is matched as a literal substring.
//
// What the user types is taken as a person types it: NUL characters (which
// SQLite would take for the end of the text) are dropped, leading and
// trailing white space is ignored, and only the first maximumLength
// characters count, far more than anyone types into a search box and short
// enough for every pattern that SQLite accepts.
//
// A term of three characters or more can be looked up in the trigram
// full-text index, as a phrase (a quoted FTS5 string, in which no character
// is an operator). Every term also has a GLOB pattern over the search text,
// with its wildcard characters bracketed so that they match only themselves:
// for terms too short for trigrams, and for the newest rows, which are not
// indexed yet. On the same folded text both find exactly the same rows.
class SearchTerm final
{
public:
    enum class Kind { Everything, Indexed, Scanned };

    static constexpr qsizetype maximumLength = 200;

    explicit SearchTerm(const QString &filter);

    Kind kind() const { return m_kind; }
    // The text searched for, folded; two filters with the same text find the
    // same rows.
    QString text() const { return m_text; }
    // The FTS5 query for Indexed; empty otherwise.
    QString indexQuery() const { return m_indexQuery; }
    // The GLOB pattern for Indexed and Scanned; empty for Everything.
    QString scanPattern() const { return m_scanPattern; }

    // NFC, case folding, and U+FFFD for a surrogate without its other half.
    static QString fold(const QString &text);
    // The stored search text of a row: its folded recipient name, recipient
    // number and message, apart by a character no one types, so that a term
    // never matches across two of them.
    static QString searchText(const QString &recipientName, const QString &recipientNumber, const QString &message);

private:
    Kind m_kind = Kind::Everything;
    QString m_text;
    QString m_indexQuery;
    QString m_scanPattern;
};
