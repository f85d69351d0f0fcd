// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPalette>
#include <QWidget>

// Paints `role` of `widget` in the system's colour for `systemRole` (the
// tooltip background, the button face), in every state. A Designer form can
// hold fixed colours only, so the system's are given in code.
inline void setSystemColour(QWidget *widget, QPalette::ColorRole role, QPalette::ColorRole systemRole)
{
    QPalette palette = widget->palette();
    palette.setColor(role, widget->window()->palette().color(systemRole));
    widget->setPalette(palette);
}
