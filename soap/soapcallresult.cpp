// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "soap/soapcallresult.h"

#include "common/sentences.h"

using namespace Qt::StringLiterals;

QString SoapCallResult::errorString() const
{
    return reason.isEmpty() ? QString() : Sentences::sentenceOf(reason);
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
