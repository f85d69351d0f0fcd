// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "i18n/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString programPrefix = u"korvane_"_s;
const QString qtPrefix = u"qtbase_"_s;
const QString catalogueSuffix = u".qm"_s;

// Loads `name` (with Qt's own fall-back from "pt_BR" to "pt") from `folder`
// into the application; a catalogue that is missing or unreadable leaves
// those texts in English.
void installCatalogue(QCoreApplication &application, const QString &name, const QString &folder)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(name, folder) || !QCoreApplication::installTranslator(translator.get()))
        return;
    translator.release()->setParent(&application);
}

} // namespace

namespace Translations {

QString chosenLanguage(const QStringList &uiLanguages, const QStringList &available)
{
    const QString english = QStringView(sourceLanguage).toString();
    for (const QString &wanted : uiLanguages) {
        QString code = wanted;
        code.replace(u'-', u'_');
        if (available.contains(code))
            return code;
        const QString language = code.section(u'_', 0, 0);
        if (language == english || available.contains(language))
            return language;
    }
    return english;
}

QStringList availableLanguages(const QString &folder)
{
    QStringList languages;
    const QStringList files =
        QDir(folder).entryList({programPrefix + u'*' + catalogueSuffix}, QDir::Files | QDir::Readable, QDir::Name);
    for (const QString &file : files)
        languages.append(file.sliced(programPrefix.size()).chopped(catalogueSuffix.size()));
    return languages;
}

QString desktopLanguage(const QString &folder)
{
    return chosenLanguage(QLocale::system().uiLanguages(), availableLanguages(folder));
}

QString folder()
{
    const QDir program(QCoreApplication::applicationDirPath());
    const QString beside = program.filePath(u"translations"_s);
    if (QDir(beside).exists())
        return beside;
    return QDir::cleanPath(program.filePath(QStringLiteral(KORVANE_TRANSLATIONS_FROM_PROGRAM)));
}

void install(QCoreApplication &application)
{
    const QString programFolder = folder();
    const QStringList available = availableLanguages(programFolder);
    const QString language = chosenLanguage(QLocale::system().uiLanguages(), available);
    // English needs a catalogue only for the plural forms it may hold.
    if (available.contains(language))
        installCatalogue(application, programPrefix + language, programFolder);
    if (language != QStringView(sourceLanguage))
        installCatalogue(application, qtPrefix + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

} // namespace Translations
