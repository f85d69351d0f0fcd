// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "soap/soapcallresult.h"

using namespace Qt::StringLiterals;

QString SoapCallResult::errorString() const
{
    return reason.isEmpty() ? QString() : sentenceOf(reason);
}

SoapCallResult SoapCallResult::sent()
{
    SoapCallResult result;
    result.outcome = Outcome::Sent;
    return result;
}

SoapCallResult SoapCallResult::notSent(const QString &reason)
{
    SoapCallResult result;
    result.outcome = Outcome::NotSent;
    result.reason = reason;
    return result;
}

SoapCallResult SoapCallResult::notKnown(const QString &reason)
{
    SoapCallResult result;
    result.outcome = Outcome::NotKnown;
    result.reason = reason;
    return result;
}

QString SoapCallResult::clauseOf(const QString &sentence)
{
    QString clause = sentence.trimmed();
    if (clause.endsWith(u'.') && !clause.endsWith(u"..."))
        clause.chop(1);
    // "The service ..." reads "the service ..." inside a sentence; "SOAP ..." or "URL ..." stay.
    if (clause.size() > 1 && clause.at(0).isUpper() && !clause.at(1).isUpper())
        clause[0] = clause.at(0).toLower();
    return clause;
}

QString SoapCallResult::sentenceOf(const QString &clause)
{
    QString sentence = clause.trimmed();
    if (sentence.isEmpty())
        return sentence;
    sentence[0] = sentence.at(0).toUpper();
    if (!sentence.endsWith(u'.') && !sentence.endsWith(u'!') && !sentence.endsWith(u'?'))
        sentence += u'.';
    return sentence;
}
