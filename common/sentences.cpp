// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/sentences.h"

namespace Sentences {

QString clauseOf(const QString &sentence)
{
    QString clause = sentence.trimmed();
    if (clause.endsWith(u'.') && !clause.endsWith(u"..."))
        clause.chop(1);
    // "The service ..." reads "the service ..." inside a sentence; "SOAP ..." or "URL ..." stay.
    if (clause.size() > 1 && clause.at(0).isUpper() && !clause.at(1).isUpper())
        clause[0] = clause.at(0).toLower();
    return clause;
}

QString sentenceOf(const QString &clause)
{
    QString sentence = clause.trimmed();
    if (sentence.isEmpty())
        return sentence;
    sentence[0] = sentence.at(0).toUpper();
    if (!sentence.endsWith(u'.') && !sentence.endsWith(u'!') && !sentence.endsWith(u'?'))
        sentence += u'.';
    return sentence;
}

} // namespace Sentences
