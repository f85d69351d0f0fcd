// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

/// \brief A user name and password for signing in to a service.
///
/// The password is a secret: it is sent to the service it was given for and kept in the
/// desktop's secret store, and never shown, written to a file, logged or put in a message.
struct HttpCredentials
{
    QString user;
    QString password;

    bool isEmpty() const { return user.isEmpty() && password.isEmpty(); }
    friend bool operator==(const HttpCredentials &, const HttpCredentials &) = default;
};
