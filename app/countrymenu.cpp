// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/countrymenu.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>

namespace {

// The caption in the user's language; the table holds the English one.
QString captionOf(const Countries::Country &country)
{
    return QCoreApplication::translate("Countries", country.caption);
}

} // namespace

CountryMenu::CountryMenu(QMenu &menu)
    : QObject(&menu)
    , m_menu(menu)
    , m_items(new QActionGroup(this))
{
    // Check marks, as the menu has always had, rather than the radio buttons
    // of an exclusive group: choose() keeps the one mark itself.
    m_items->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
    QAction *before = menu.actions().value(0);
    const auto countries = Countries::all();
    for (int i = 0; i < int(countries.size()); ++i) {
        auto *item = new QAction(captionOf(countries[i]), m_items);
        item->setObjectName(QLatin1StringView(countries[i].itemName));
        item->setCheckable(true);
        item->setData(i);
        menu.insertAction(before, item);
    }
    connect(m_items, &QActionGroup::triggered, this, [this](QAction *item) {
        const auto countries = Countries::all();
        const int row = item->data().toInt();
        if (row >= 0 && row < int(countries.size()))
            choose(countries[row]);
    });
}

CountryMenu::~CountryMenu() = default;

void CountryMenu::choose(const Countries::Country &country)
{
    for (QAction *item : m_items->actions())
        item->setChecked(item->objectName() == QLatin1StringView(country.itemName));
    m_menu.setTitle(tr("Country: %1").arg(captionOf(country)));
    emit chosen(country);
}
