// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Keeps credentials in the secret store as the window does once a service has
// taken them, for tests written in other languages:
//   credentialstool store URL REALM USER   the password is the first line of stdin
//   credentialstool forget URL             every realm of the service at URL
// Prints nothing; exits 0 when the secret store (not memory) did it.

#include "credentials/credentialstore.h"

#include <QCoreApplication>
#include <QTextStream>
#include <QUrl>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const bool store = arguments.size() == 5 && arguments[1] == QStringLiteral("store");
    const bool forget = arguments.size() == 3 && arguments[1] == QStringLiteral("forget");
    if (!store && !forget) {
        std::fprintf(stderr, "usage: credentialstool store URL REALM USER < password\n"
                             "       credentialstool forget URL\n");
        return 64;
    }
    const QUrl address(arguments[2]);
    CredentialStore credentials;
    bool done = false;
    const auto finished = [&done](bool inSecretStore) { done = inSecretStore; };
    if (forget) {
        credentials.forget(address, &application, finished);
    } else {
        AuthChallenge service;
        service.urlScheme = address.scheme();
        service.host = address.host();
        service.port = address.port(address.scheme() == QStringLiteral("https") ? 443 : 80);
        service.realm = arguments[3];
        QTextStream input(stdin);
        credentials.store(service, {arguments[4], input.readLine()}, &application, finished);
    }
    if (!credentials.waitForIdle(QDeadlineTimer(60000)) || !done) {
        std::fprintf(stderr, "the secret store did not do it: %s\n", qPrintable(credentials.notice()));
        return 1;
    }
    return 0;
}
