// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Which service description a send reads.
//
// The one beside the program is the system's: installed from the package it
// is a link to the administrator's /etc/korvane/SendSMS.wsdl. A user without
// root uses a service of their own by putting its description at
// $XDG_CONFIG_HOME/KORVANE/SendSMS.wsdl, which then wins. The choice is made
// again at every send, so a description put in place (or taken away) while
// the program runs counts from the next send on.
namespace ServiceDescription {

// The description a send reads now: the user's own when there is one that
// is no folder (a link counts as what it leads to), else the one beside the
// program.
QString path();

// The same choice over given folders: the user's configuration folder (the
// one holding KORVANE/) and the program's folder. An empty configuration
// folder means the user has none.
QString path(const QString &userConfigFolder, const QString &programFolder);

} // namespace ServiceDescription
