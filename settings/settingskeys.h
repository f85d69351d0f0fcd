// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Where the program keeps its values: application "KORVANE" is the store's
// file, a section is a group in it, a key a key in that group.
namespace SettingsKeys {

inline QString applicationName() { return QStringLiteral("KORVANE"); }

// The sender's own details live in a section named after the application.
inline QString senderSection() { return applicationName(); }
inline QString fromName() { return QStringLiteral("FromName"); }
inline QString fromNumber() { return QStringLiteral("FromNumber"); }

inline QString addressBookSection() { return QStringLiteral("AddressBook"); }
inline QString count() { return QStringLiteral("Count"); }
// Entry positions are 1-based and written in decimal: "1.Name", "1.Number", ...
inline QString entryName(int position) { return QString::number(position) + QStringLiteral(".Name"); }
inline QString entryNumber(int position) { return QString::number(position) + QStringLiteral(".Number"); }

} // namespace SettingsKeys
