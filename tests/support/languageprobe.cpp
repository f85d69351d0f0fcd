// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Prints the language the program would speak in this process's environment,
// among the languages given as arguments; the desktop's languages are read
// once per process, so each environment needs a process of its own.

#include "i18n/translations.h"

#include <QLocale>

#include <cstdio>

int main(int argc, char *argv[])
{
    QStringList available;
    for (int i = 1; i < argc; ++i)
        available.append(QString::fromLocal8Bit(argv[i]));
    const QString language = Translations::chosenLanguage(QLocale::system().uiLanguages(), available);
    std::printf("%s\n", qPrintable(language));
    return 0;
}
