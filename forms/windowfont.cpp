// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms/windowfont.h"

#include <QWidget>

QFont windowFont(qreal pointSize, QFont::Weight weight)
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setStyleHint(QFont::SansSerif);
    font.setStretch(97);
    font.setPointSizeF(pointSize);
    font.setWeight(weight);
    return font;
}

void applyWindowFont(QWidget *window)
{
    window->setFont(windowFont(8.25));
    // Parents come before their children, so that a child's own size wins
    // over the one it would inherit.
    for (QWidget *control : window->findChildren<QWidget *>()) {
        const QVariant size = control->property("fontPointSize");
        if (!size.isValid())
            continue;
        QFont font = control->font();
        font.setPointSizeF(size.toReal());
        control->setFont(font);
    }
}
