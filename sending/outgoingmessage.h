// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

// What one press of "Send" sends: the five texts of sendSMS and the name of
// the recipient they go to. Taken when the send starts, so edits made while
// it is under way change nothing of it.
struct OutgoingMessage
{
    QString fromName;
    QString fromNumber;
    QString toName;
    QString toNumber;
    QString text;
    QString culture;

    // The arguments of sendSMS, in their order. The recipient's name is not sent.
    QStringList arguments() const { return {fromName, fromNumber, toNumber, text, culture}; }
};
