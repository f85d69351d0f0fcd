// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

// The language the program speaks, and its translations.
//
// English is written in the code; every other language is a korvane_<lang>.qm
// in the program's translations folder. The desktop's languages, in the order
// the user prefers them (QLocale::system().uiLanguages(): LANGUAGE, then
// LC_ALL, LC_MESSAGES, LANG), decide: the first one that KORVANE speaks wins,
// and English where none does.
namespace Translations {

// The English the code is written in.
inline constexpr char16_t sourceLanguage[] = u"en";

// Which of `available` (language codes as the .qm files are named: "de",
// "pt_BR") to speak for a user who prefers `uiLanguages` in that order
// ("de-AT", "fr"). A preferred language matches its own code or, failing
// that, its language without the country; English, given or reached first,
// stays English.
QString chosenLanguage(const QStringList &uiLanguages, const QStringList &available);

// The language the program speaks on this desktop, given what `folder` holds.
QString desktopLanguage(const QString &folder);

// The languages the program has translations for in `folder`.
QStringList availableLanguages(const QString &folder);

// Where the program's translations are: beside the program in the build tree,
// under the data folder once installed.
QString folder();

// Loads the program's translation and Qt's own (qtbase, which covers Qt Core,
// Gui and Widgets) into `application` for the desktop's language. Nothing is
// loaded for English or a language without translation.
void install(QCoreApplication &application);

} // namespace Translations
