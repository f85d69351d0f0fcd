// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor of KORVANE's start-up as a whole program: a bare Qt program that
// reads the same settings file with QSettings (every key) and maps one
// window, the address book's frame alone: a titled frame holding a list of
// the stored names. Like every window with text in it, it measures its text
// before it is mapped; nothing of KORVANE's own is linked.

#include <QApplication>
#include <QGroupBox>
#include <QListWidget>
#include <QSettings>
#include <QStandardPaths>
#include <QVBoxLayout>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString file = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/KORVANE/KORVANE.conf");
    QSettings settings(file, QSettings::IniFormat);
    QStringList names;
    const QStringList keys = settings.allKeys();
    for (const QString &key : keys) {
        const QString value = settings.value(key).toString();
        if (key.endsWith(QLatin1String(".Name")))
            names.append(value);
    }
    QGroupBox frame(QStringLiteral("Address Book"));
    auto *list = new QListWidget(&frame);
    list->addItems(names);
    auto *layout = new QVBoxLayout(&frame);
    layout->addWidget(list);
    frame.show();
    return app.exec();
}
