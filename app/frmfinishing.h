// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

#include <chrono>
#include <memory>

namespace Ui {
class frmFinishing;
}

// "Finishing the send…": shown over the main window when it is closed during
// a send. It says within how long the program closes and offers "Close now",
// which rejects it. Whoever opened it closes it once the outcome is known; it
// rejects itself should the outcome fail to come in the send's own time.
class frmFinishing final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmFinishing)

public:
    // `timeLeft`: how long the send may still take by its own timeout.
    explicit frmFinishing(std::chrono::milliseconds timeLeft, QWidget *parent = nullptr);
    ~frmFinishing() override;

private:
    std::unique_ptr<Ui::frmFinishing> m_ui;
};
