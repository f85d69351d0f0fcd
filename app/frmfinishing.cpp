// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/frmfinishing.h"

#include "forms/windowfont.h"

#include "ui_frmfinishing.h"

#include <QTimer>

using namespace std::chrono_literals;

frmFinishing::frmFinishing(std::chrono::milliseconds timeLeft, QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::frmFinishing>())
{
    m_ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    applyWindowFont(this);

    const auto seconds = std::chrono::ceil<std::chrono::seconds>(std::max(timeLeft, 1000ms)).count();
    // One second has a sentence of its own, so that English needs no
    // catalogue for its singular; other counts take the language's plurals.
    m_ui->lblWait->setText(
        seconds == 1 ? tr("KORVANE closes as soon as the service has answered, within 1 second.")
                     : tr("KORVANE closes as soon as the service has answered, within %n seconds.", nullptr,
                          int(seconds)));
    connect(m_ui->cmdCloseNow, &QPushButton::clicked, this, &QDialog::reject);
    setFixedWidth(fontMetrics().averageCharWidth() * 52);

    // The send ends by its own timeout; should its outcome still not come,
    // the window does not keep the program from ending.
    QTimer::singleShot(timeLeft + 5s, this, &QDialog::reject);
}

frmFinishing::~frmFinishing() = default;
