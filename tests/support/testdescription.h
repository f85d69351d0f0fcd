// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace TestDescription {

/// The bytes of tests/data/<name>; the test stops when the file is missing.
QByteArray fixture(const QString &name);

/// The description fixture \a name (under tests/data/wsdl/) with every SOAP address set to \a address.
QByteArray at(const QString &name, const QByteArray &address);

/// Writes \a bytes to \a path (folders included); false if it cannot.
bool write(const QString &path, const QByteArray &bytes);

} // namespace TestDescription
