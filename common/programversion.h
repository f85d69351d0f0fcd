// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QString>

// The version as people are shown it: the About window's "Version 1.0" and
// what `korvane --version` prints. The package's version (1.0.0.0) is another
// matter, for dpkg and software centres; this one is fixed text, changed by
// hand when a release deserves a new number, so that the window and the
// command line never disagree.
namespace ProgramVersion {

// "1.0"
inline QString number()
{
    return QStringLiteral("1.0");
}

// "Version 1.0", as the About window shows it.
inline QString caption()
{
    return QCoreApplication::translate("ProgramVersion", "Version %1").arg(number());
}

} // namespace ProgramVersion
