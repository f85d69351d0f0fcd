// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/testdescription.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

QByteArray TestDescription::fixture(const QString &name)
{
    QFile file(QStringLiteral(KORVANE_SOURCE_DIR "/tests/data/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing fixture %s", qPrintable(name));
    return file.readAll();
}

QByteArray TestDescription::at(const QString &name, const QByteArray &address)
{
    QString text = QString::fromUtf8(fixture(QStringLiteral("wsdl/") + name));
    static const QRegularExpression location(QStringLiteral("(address\\s+location=\")[^\"]*\""));
    text.replace(location, QStringLiteral("\\1") + QString::fromUtf8(address).replace(u'\\', QStringLiteral("\\\\"))
                               + u'"');
    return text.toUtf8();
}

bool TestDescription::write(const QString &path, const QByteArray &bytes)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QString TestDescription::writeIn(const QTemporaryDir &folder, const QString &name, const QByteArray &address)
{
    static int s_files = 0;
    const QString path = folder.filePath(QStringLiteral("%1-%2").arg(++s_files).arg(name));
    if (!write(path, at(name, address)))
        qFatal("cannot write %s", qPrintable(path));
    return path;
}
