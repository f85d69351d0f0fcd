// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sending/serviceaddress.h"

#include "soap/authchallenge.h"
#include "soap/soapclient.h"

#include <QCoreApplication>

ServiceAddress ServiceAddress::of(const QString &descriptionFile)
{
    ServiceAddress service;
    SoapClient client;
    if (!client.MSSoapInit(descriptionFile)) {
        service.problem = client.errorString();
        return service;
    }
    service.address = client.endpoint(operationName());
    if (service.address.isEmpty() || service.address.host().isEmpty()) {
        service.problem = QCoreApplication::translate("ServiceAddress", "The service description gives no address "
                                                                        "for %1.")
                              .arg(operationName());
        return service;
    }
    service.where = AuthChallenge::whereOf(service.address);
    return service;
}

QString ServiceAddress::operationName()
{
    return QStringLiteral("sendSMS");
}
