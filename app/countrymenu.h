// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/countries.h"

#include <QObject>

class QActionGroup;
class QMenu;

// The country menu's items: one per row of the country table, in its order,
// named as the table names them ("mnuUK") and captioned in the user's
// language. The chosen country carries the check mark and follows
// "Country: " in the menu's caption.
class CountryMenu final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CountryMenu)

public:
    // Puts the items into `menu`, before what it already holds.
    explicit CountryMenu(QMenu &menu);
    ~CountryMenu() override;

    // Checks the item of `country`, names it in the caption and says so
    // through chosen(), as a click on the item does.
    void choose(const Countries::Country &country);

signals:
    void chosen(const Countries::Country &country);

private:
    QMenu &m_menu;
    QActionGroup *m_items = nullptr;
};
