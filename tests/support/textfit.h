// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Whether a window's texts fit the places its controls give them, measured
// in each control's own font as the style draws it: labels (wrapped ones
// within their width and height), buttons, check boxes, tab titles, group
// box titles, the texts of read-only line edits and placeholders, column
// titles, and the items of the menu bar, its menus and context menus.

#include <QList>
#include <QSize>
#include <QString>

class QWidget;

struct Misfit
{
    QString window;
    QString control;
    QString text;
    // Width and height; a height of 0 where only the width can fall short.
    QSize needed;
    QSize given;

    // One line for a translator: where, which text, and how much room.
    QString line(const QString &language) const;
};

namespace TextFit {

// Every text of the shown window `window` that does not fit, its own
// controls only: a window it owns is measured by itself.
QList<Misfit> misfitsIn(const QWidget &window);

// The text of one control, as it is now.
QList<Misfit> misfitsOf(const QWidget &control);

} // namespace TextFit
