// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// What the program says about the SMS service it was made for.
namespace ServiceInfo {

// The SMS service's web address, where its terms and rates are published.
// Shown at the foot of the main window and in both long texts of the About window.
inline QString webAddress()
{
    return QStringLiteral("www.korvane.example");
}

// "Definitive terms and conditions are available at <address>."
QString termsText();

// The warning about charges, ending with the web address and no full stop.
QString disclaimerText();

} // namespace ServiceInfo
