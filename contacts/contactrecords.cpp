// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "contacts/contactrecords.h"

#include <QCoreApplication>

QString ContactOrigin::text() const
{
    //: Where a skipped contact is in the file: %1 which vCard, counted from 1, %2 the line it starts on.
    if (card > 0)
        return QCoreApplication::translate("ContactsImport", "Card %1 (line %2)").arg(card).arg(line);
    return QCoreApplication::translate("ContactsImport", "Line %1").arg(line);
}

QString SkippedContact::reasonText() const
{
    switch (reason) {
    case SkipReason::Unreadable:
        //: Why a contact was skipped, after its place and name ("Line 4: Ann: ..."): small letter, no full
        //: stop. %1 the details.
        return QCoreApplication::translate("ContactsImport", "could not be read: %1").arg(detail);
    case SkipReason::NoName:
        return QCoreApplication::translate("ContactsImport", "has no name");
    case SkipReason::NameTooLong:
        return QCoreApplication::translate("ContactsImport", "has too long a name: %1").arg(detail);
    case SkipReason::AlreadyInBook:
        return QCoreApplication::translate("ContactsImport", "is already in the address book");
    case SkipReason::TwiceInFile:
        return QCoreApplication::translate("ContactsImport", "was imported from earlier in the file");
    case SkipReason::NoNumber:
        return QCoreApplication::translate("ContactsImport", "has no phone number");
    case SkipReason::InvalidNumber:
        return QCoreApplication::translate("ContactsImport", "has no valid phone number: %1").arg(detail);
    case SkipReason::BookFull:
        return QCoreApplication::translate("ContactsImport", "did not fit: the address book is full");
    }
    return detail;
}
