// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "about/frmabout.h"

#include "common/programversion.h"
#include "common/serviceinfo.h"
#include "forms/twips.h"
#include "forms/windowfont.h"

#include "ui_frmabout.h"

#include <QIcon>
#include <QPixmap>

frmAbout::frmAbout(QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::frmAbout>())
{
    m_ui->setupUi(this);
    // Fixed dialog border: a close button but no minimise, maximise or help button.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint);
    // No title-bar icon: an empty icon would fall back to the application's,
    // so the window gets a fully transparent one instead.
    QPixmap blank(16, 16);
    blank.fill(Qt::transparent);
    setWindowIcon(QIcon(blank));
    applyWindowFont(this);

    // The form's client area, at a fixed place on the screen. setGeometry()
    // marks the position as chosen, so QDialog does not centre the window
    // over its parent.
    setFixedSize(size());
    setGeometry(QRect(QPoint(Twips::toPixels(2340), Twips::toPixels(1935)), size()));

    m_ui->lblDescription->setText(ServiceInfo::termsText());
    m_ui->lblVersion->setText(ProgramVersion::caption());
    m_ui->lblDisclaimer->setText(ServiceInfo::disclaimerText());
    connect(m_ui->cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    // The button has the focus on opening.
    m_ui->cmdOK->setFocus();
}

frmAbout::~frmAbout() = default;

void frmAbout::cmdOK_Click()
{
    hide();
}

void frmAbout::reject()
{
    cmdOK_Click();
}
