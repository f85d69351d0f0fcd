// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringView>

#include <optional>
#include <span>

// The ten countries of the country menu, in one table that the window, the
// command line and the contacts import all read.
namespace Countries {

struct Country
{
    // The menu item's name: "mnuUK".
    const char *itemName;
    // The English caption: the menu item's text and the word that follows
    // "Country: " in the menu's caption ("UK"). A text for translators
    // (context "Countries"); what the command line takes is this English word.
    const char *caption;
    // The culture code sent to the service: "en-GB". Data, never translated.
    const char16_t *cultureCode;
    // The ISO 3166 region whose numbering plan national numbers follow: "GB".
    const char *regionCode;

    QString englishName() const { return QString::fromLatin1(caption); }
};

// In menu order: UK, Ireland, Australia, Germany, Switzerland, Austria,
// France, Belgium, Spain, Portugal.
std::span<const Country> all();

// The country the program starts with: UK, "en-GB".
const Country &home();

// The country named by its English caption ("UK", "Germany") or its culture
// code ("en-GB", "de-DE"), letter case and outer spaces aside; nothing for
// any other text.
std::optional<Country> find(QStringView captionOrCultureCode);

// The captions joined for a message that lists them: "UK, Ireland, ..., Portugal".
QString captionList();

} // namespace Countries
