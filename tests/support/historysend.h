// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "history/historyrecord.h"

#include <QString>

// A send from Alice over a local service to the given recipient, as the
// history suites and their helper processes record it.
inline HistoryRecord historySend(const QString &recipientName, const QString &recipientNumber,
                                 const QString &message)
{
    HistoryRecord record;
    record.senderName = QStringLiteral("Alice");
    record.senderNumber = QStringLiteral("00441234567890");
    record.recipientName = recipientName;
    record.recipientNumber = recipientNumber;
    record.message = message;
    record.culture = QStringLiteral("en-GB");
    record.endpoint = QStringLiteral("http://127.0.0.1:47159/");
    return record;
}
