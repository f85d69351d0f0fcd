// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QStringList>

class QWidget;

// The typeface of KORVANE's windows: MS Sans Serif at the given size and
// weight. Where it is missing, Liberation Sans (Arial's metrics) stands in,
// then any sans-serif face, set 3% narrower so that it matches MS Sans
// Serif's narrow advances closely enough for every text to wrap into its
// label as the layout intends.
QFont windowFont(qreal pointSize, QFont::Weight weight = QFont::Normal);

// Gives a window built from a Designer form its typeface: the window takes
// windowFont(8.25), which every control inherits with the weight and whole
// point size its form sets. Designer keeps whole point sizes only, so a
// control whose size has a fraction (9.75) carries it in the dynamic
// property "fontPointSize", which is applied here.
void applyWindowFont(QWidget *window);
