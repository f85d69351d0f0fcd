// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "contacts/contactrecords.h"

QString ContactOrigin::text() const
{
    if (card > 0)
        return QStringLiteral("Card %1 (line %2)").arg(card).arg(line);
    return QStringLiteral("Line %1").arg(line);
}

QString SkippedContact::reasonText() const
{
    switch (reason) {
    case SkipReason::Unreadable:
        return QStringLiteral("could not be read: %1").arg(detail);
    case SkipReason::NoName:
        return QStringLiteral("has no name");
    case SkipReason::NameTooLong:
        return QStringLiteral("has too long a name: %1").arg(detail);
    case SkipReason::AlreadyInBook:
        return QStringLiteral("is already in the address book");
    case SkipReason::TwiceInFile:
        return QStringLiteral("was imported from earlier in the file");
    case SkipReason::NoNumber:
        return QStringLiteral("has no phone number");
    case SkipReason::InvalidNumber:
        return QStringLiteral("has no valid phone number: %1").arg(detail);
    case SkipReason::BookFull:
        return QStringLiteral("did not fit: the address book is full");
    }
    return detail;
}
