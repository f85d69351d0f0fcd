// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QUrl>

// The SMS service that a service description names, read as a send reads
// it: for what must know the service before any send, such as "Forget the
// saved password".
struct ServiceAddress
{
    // The address the description gives for sendSMS. It may carry a user
    // name and password: never show it as it is.
    QUrl address;
    // The service as messages name it: its host, and its port where that is
    // not the scheme's own ("sms.example.org", "127.0.0.1:47159", "[::1]:8443").
    QString where;
    // Why the description names no service, as a sentence; empty when it does.
    QString problem;

    bool isKnown() const { return problem.isEmpty(); }

    // The service that the description in `descriptionFile` names.
    static ServiceAddress of(const QString &descriptionFile);

    // The operation that sends a message: "sendSMS".
    static QString operationName();
};
