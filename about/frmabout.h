// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class frmAbout;
}

// The About window: the program's icon, title, version, where the terms are
// published and a warning about charges. Every text is fixed; the window holds
// no data. The main window creates it once, with itself as parent, and shows
// it modally with exec() on every About command.
//
// OK, Enter and Escape all hide the window, and so does the title-bar close
// button; it is never destroyed, so the next showing is the same window.
class frmAbout final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmAbout)

public:
    explicit frmAbout(QWidget *parent = nullptr);
    ~frmAbout() override;

public slots:
    void cmdOK_Click();

    // Escape and the title-bar close button end up here: both act as OK.
    void reject() override;

private:
    std::unique_ptr<Ui::frmAbout> m_ui;
};
