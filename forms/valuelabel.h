// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>

// A label that shows a value beside its caption, such as the outcome of a
// message. A plain label tells screen readers its text as its name, or only
// its accessible name once it has one; this one tells both: its accessible
// name (the caption, "Outcome") as the name and its text as the value.
class ValueLabel final : public QLabel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ValueLabel)

public:
    explicit ValueLabel(QWidget *parent = nullptr);
    ~ValueLabel() override;
};
