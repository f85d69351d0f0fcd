// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

class QTemporaryDir;

namespace TestDescription {

/// The bytes of tests/data/<name>; the test stops when the file is missing.
QByteArray fixture(const QString &name);

/// The description fixture \a name (under tests/data/wsdl/) with every SOAP address set to \a address.
QByteArray at(const QString &name, const QByteArray &address);

/// Writes \a bytes to \a path (folders included); false if it cannot.
bool write(const QString &path, const QByteArray &bytes);

/// Writes the description fixture \a name, its SOAP addresses set to \a address, to a file of its own in
/// \a folder and returns its path; the test stops when it cannot.
QString writeIn(const QTemporaryDir &folder, const QString &name, const QByteArray &address);

} // namespace TestDescription
