// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "about/frmabout.h"

#include "common/programversion.h"
#include "common/serviceinfo.h"
#include "forms/twips.h"
#include "forms/windowfont.h"

#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace {

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text, const QRect &geometry)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    label->setGeometry(geometry);
    return label;
}

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

// One element of the etched separator: a horizontal line drawn as a filled
// rectangle. The end point lies just short of a pixel boundary, so the line
// ends on the pixel before it, as a line drawn up to (not onto) its end point.
QFrame *makeLine(QWidget *parent, const QString &name, int x1, int x2, int y, int widthPx,
                 const QColor &colour)
{
    auto *line = new QFrame(parent);
    line->setObjectName(name);
    line->setFrameShape(QFrame::NoFrame);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, colour);
    line->setPalette(palette);
    line->setAutoFillBackground(true);
    const int left = Twips::toPixels(x1);
    const int right = (x2 + Twips::perPixel - 1) / Twips::perPixel - 1;
    line->setGeometry(left, Twips::toPixels(y), right - left + 1, widthPx);
    return line;
}

} // namespace

frmAbout::frmAbout(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About KORVANE"));
    // Fixed dialog border: a close button but no minimise, maximise or help button.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    // No title-bar icon: an empty icon would fall back to the application's,
    // so the window gets a fully transparent one instead.
    QPixmap blank(16, 16);
    blank.fill(Qt::transparent);
    setWindowIcon(QIcon(blank));
    setFont(windowFont(8.25));

    // Client area at a fixed place on the screen. setGeometry() marks the
    // position as chosen, so QDialog does not centre the window over its parent.
    setFixedSize(Twips::toPixels(5730), Twips::toPixels(3555));
    setGeometry(Twips::toPixels(2340), Twips::toPixels(1935), Twips::toPixels(5730), Twips::toPixels(3555));

    m_picIcon = new QLabel(this);
    m_picIcon->setObjectName(QStringLiteral("picIcon"));
    m_picIcon->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_picIcon->setLineWidth(2);
    m_picIcon->setAlignment(Qt::AlignCenter);
    m_picIcon->setPixmap(QPixmap(QStringLiteral(":/korvane.png")));
    m_picIcon->setFocusPolicy(Qt::TabFocus);
    m_picIcon->setGeometry(Twips::rect(240, 240, 540, 540));

    m_cmdOK = new QPushButton(QStringLiteral("OK"), this);
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdOK->setDefault(true);
    m_cmdOK->setAutoDefault(true);
    m_cmdOK->setGeometry(Twips::rect(4245, 2625, 1260, 345));
    connect(m_cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    m_line1Grey = makeLine(this, QStringLiteral("Line1_1"), 90, 5654, 2445, 1, QColor(128, 128, 128));

    m_lblDescription = makeLabel(this, QStringLiteral("lblDescription"),
                                 ServiceInfo::termsText(),
                                 Twips::rect(1050, 1125, 3885, 1170));
    m_lblDescription->setFont(windowFont(9.75));
    setTextColour(m_lblDescription, Qt::black);

    m_lblTitle = makeLabel(this, QStringLiteral("lblTitle"), QStringLiteral("KORVANE"),
                           Twips::rect(1050, 240, 3885, 480));
    m_lblTitle->setFont(windowFont(8.25, QFont::Bold));
    setTextColour(m_lblTitle, Qt::black);

    m_line1White = makeLine(this, QStringLiteral("Line1_0"), 105, 5654, 2460, 2, QColor(255, 255, 255));

    m_lblVersion = makeLabel(this, QStringLiteral("lblVersion"), ProgramVersion::caption(),
                             Twips::rect(1050, 780, 3885, 225));

    m_lblDisclaimer = makeLabel(
        this, QStringLiteral("lblDisclaimer"),
        ServiceInfo::disclaimerText(),
        Twips::rect(255, 2625, 3870, 825));
    setTextColour(m_lblDisclaimer, Qt::black);

    // Only the button and the picture take focus; the button has it on opening.
    setTabOrder(m_cmdOK, m_picIcon);
    m_cmdOK->setFocus();
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
