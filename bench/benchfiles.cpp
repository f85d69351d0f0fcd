// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bench/benchfiles.h"

#include <QSettings>

namespace BenchFiles {

QString recipientName(int position)
{
    return QStringLiteral("Recipient %1").arg(position, 5, 10, QLatin1Char('0'));
}

QString recipientNumber(int position)
{
    return QStringLiteral("0044%1").arg(7700000000LL + position);
}

QString writeStore(const QString &fileName, int count)
{
    QSettings settings(fileName, QSettings::IniFormat);
    settings.clear();
    settings.beginGroup(QStringLiteral("KORVANE"));
    settings.setValue(QStringLiteral("FromName"), senderName());
    settings.setValue(QStringLiteral("FromNumber"), senderNumber());
    settings.endGroup();
    settings.beginGroup(QStringLiteral("AddressBook"));
    settings.setValue(QStringLiteral("Count"), QString::number(count));
    for (int i = 1; i <= count; ++i) {
        settings.setValue(QString::number(i) + QStringLiteral(".Name"), recipientName(i));
        settings.setValue(QString::number(i) + QStringLiteral(".Number"), recipientNumber(i));
    }
    settings.endGroup();
    settings.sync();
    return fileName;
}

} // namespace BenchFiles
