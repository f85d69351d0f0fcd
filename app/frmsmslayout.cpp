// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's controls and menus, laid out as the window table gives
// them: every position and size in twips (Twips::rect), every font from
// windowFont(), the tab order and the names screen readers announce. The
// window's behaviour is in frmsms.cpp.

#include "app/frmsms.h"

#include "common/serviceinfo.h"
#include "forms/twips.h"
#include "forms/windowfont.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

constexpr QSize clientAreaSize(Twips::toPixels(9135), Twips::toPixels(5985));

const QFont &boldSmall()
{
    static const QFont font = windowFont(8.25, QFont::Bold);
    return font;
}

const QFont &boldLarge()
{
    static const QFont font = windowFont(12, QFont::Bold);
    return font;
}

template <typename Widget>
Widget *place(Widget *widget, const char *name, const QRect &geometry, const QFont &font)
{
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(geometry);
    widget->setFont(font);
    return widget;
}

QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, const QRect &geometry,
                  const QFont &font)
{
    auto *label = place(new QLabel(text, parent), name, geometry, font);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QLineEdit *makeTextBox(QWidget *parent, const char *name, const QString &text, const QRect &geometry,
                       const QFont &font)
{
    return place(new QLineEdit(text, parent), name, geometry, font);
}

void setBackground(QWidget *widget, QPalette::ColorRole role, const QColor &colour)
{
    QPalette palette = widget->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, role, colour);
    widget->setPalette(palette);
}

} // namespace

void frmSMS::createControls()
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("clientArea"));
    client->setFixedSize(clientAreaSize);
    setCentralWidget(client);

    const QColor infoBackground = palette().color(QPalette::ToolTipBase);
    const QColor buttonFace = palette().color(QPalette::Button);

    // Address book panel.
    frAddressBook = place(new QGroupBox(QStringLiteral("Address Book"), client), "frAddressBook",
                          Twips::rect(6720, 0, 2295, 5895), boldSmall());
    Label2 = makeLabel(frAddressBook, "Label2", QStringLiteral("Number:"), Twips::rect(120, 4920, 975, 255), boldSmall());
    Label1 = makeLabel(frAddressBook, "Label1", QStringLiteral("Name:"), Twips::rect(120, 4320, 975, 255), boldSmall());
    tbToNumber = makeTextBox(frAddressBook, "tbToNumber", QStringLiteral("0044"), Twips::rect(120, 5160, 1935, 285),
                             boldSmall());
    tbToName = makeTextBox(frAddressBook, "tbToName", QString(), Twips::rect(120, 4560, 1935, 285), boldSmall());
    cmdAdd = place(new QPushButton(QStringLiteral("Add"), frAddressBook), "cmdAdd", Twips::rect(120, 3840, 2055, 375),
                   boldSmall());
    lstAddressBook = place(new QListWidget(frAddressBook), "lstAddressBook", Twips::rect(120, 240, 1935, 3570),
                           boldSmall());
    lstAddressBook->setSelectionMode(QAbstractItemView::SingleSelection);
    lstAddressBook->setSortingEnabled(false);

    // Message area. Labels go first so that the boxes lie over them.
    frMain = place(new QGroupBox(client), "frMain", Twips::rect(120, 0, 6495, 5895), windowFont(8.25));
    Label9 = makeLabel(frMain, "Label9", ServiceInfo::webAddress(), Twips::rect(120, 5520, 5655, 255), boldLarge());
    Label5 = makeLabel(frMain, "Label5", QStringLiteral("Message:"), Twips::rect(360, 1560, 5175, 375), boldLarge());
    Label4 = makeLabel(frMain, "Label4", QStringLiteral("To: "), Twips::rect(360, 840, 5175, 375), boldLarge());
    Label3 = makeLabel(frMain, "Label3", QStringLiteral("From:"), Twips::rect(360, 360, 5175, 375), boldLarge());
    cmdSend = place(new QPushButton(QStringLiteral("Send"), frMain), "cmdSend", Twips::rect(3600, 4440, 1335, 375),
                    boldSmall());
    tbMessage = place(new QPlainTextEdit(frMain), "tbMessage", Twips::rect(360, 1920, 4455, 2415), boldLarge());
    tbMessage->setTabChangesFocus(true);
    tbMessage->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    tbTo = makeTextBox(frMain, "tbTo", frmSMS::initialToText(), Twips::rect(1320, 840, 3615, 375), boldLarge());
    tbTo->setEnabled(false);
    setBackground(tbTo, QPalette::Base, buttonFace);
    tbFrom = makeTextBox(frMain, "tbFrom", QStringLiteral("<Change>"), Twips::rect(1320, 360, 3615, 375), boldLarge());
    tbFrom->setReadOnly(true);
    tbFrom->setCursor(Qt::PointingHandCursor);
    tbFrom->installEventFilter(this);
    setBackground(tbFrom, QPalette::Base, buttonFace);

    // The sender details panel lies in front of the From, To and Message area.
    frFromDetails = place(new QGroupBox(QStringLiteral("Your Details"), frMain), "frFromDetails",
                          Twips::rect(1560, 600, 4695, 3975), windowFont(9.75, QFont::Bold));
    frFromDetails->setAutoFillBackground(true);
    setBackground(frFromDetails, QPalette::Window, infoBackground);
    Label8 = makeLabel(frFromDetails, "Label8",
                       QStringLiteral("Use your real name, not a 'screen name' otherwise the recipient may not "
                                      "recognise who the message is from. Please use a country-code prefix on "
                                      "your number (0044 for UK)"),
                       Twips::rect(240, 480, 4095, 855), windowFont(8.25));
    QPalette guidance = Label8->palette();
    guidance.setColor(QPalette::WindowText, Qt::red);
    Label8->setPalette(guidance);
    Label7 = makeLabel(frFromDetails, "Label7", QStringLiteral("Number:"), Twips::rect(240, 1920, 975, 495), boldLarge());
    Label6 = makeLabel(frFromDetails, "Label6", QStringLiteral("Name:"), Twips::rect(240, 1440, 975, 495), boldLarge());
    cmdSave = place(new QPushButton(QStringLiteral("Save"), frFromDetails), "cmdSave",
                    Twips::rect(3480, 3360, 1095, 375), boldSmall());
    tbFromNumber = makeTextBox(frFromDetails, "tbFromNumber", QStringLiteral("0044"),
                               Twips::rect(1320, 1920, 3015, 375), boldSmall());
    tbFromName = makeTextBox(frFromDetails, "tbFromName", QString(), Twips::rect(1320, 1440, 3015, 375), boldSmall());
    frFromDetails->raise();

    // Characters left and the number of SMS, on the line of "Send".
    lblCharactersLeft = makeLabel(frMain, "lblCharactersLeft", QString(), Twips::rect(360, 4440, 3120, 375),
                                  windowFont(8.25));
    lblCharactersLeft->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    updateCharactersLeft();
    // How the last send went, on a line of its own between "Send" and the
    // service's address, as wide as the message area above it.
    lblSendStatus = makeLabel(frMain, "lblSendStatus", QString(), Twips::rect(360, 4920, 4575, 375),
                              windowFont(8.25));
    lblSendStatus->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lblSendStatus->setWordWrap(false);
    lblSendStatus->setTextFormat(Qt::PlainText);
    frFromDetails->raise();

    mnuRemoveRecipient = new QAction(QStringLiteral("Remove"), lstAddressBook);
    mnuRemoveRecipient->setObjectName(QStringLiteral("mnuRemoveRecipient"));
    mnuRemoveRecipient->setShortcut(QKeySequence::Delete);
    mnuRemoveRecipient->setShortcutContext(Qt::WidgetShortcut);
    lstAddressBook->addAction(mnuRemoveRecipient);
    mnuImportContacts = new QAction(QStringLiteral("Import…"), lstAddressBook);
    mnuImportContacts->setObjectName(QStringLiteral("mnuImportContacts"));
    lstAddressBook->addAction(mnuImportContacts);
    mnuExportContacts = new QAction(QStringLiteral("Export…"), lstAddressBook);
    mnuExportContacts->setObjectName(QStringLiteral("mnuExportContacts"));
    lstAddressBook->addAction(mnuExportContacts);
    // vCard and CSV files dropped on the list are imported.
    lstAddressBook->viewport()->setAcceptDrops(true);
    lstAddressBook->setContextMenuPolicy(Qt::ActionsContextMenu);
}

void frmSMS::createMenus()
{
    mnuCountry = menuBar()->addMenu(QStringLiteral("Country: UK"));
    mnuCountry->setObjectName(QStringLiteral("mnuCountry"));

    const auto addCountry = [this](const char *name, const QString &caption, void (frmSMS::*handler)()) {
        QAction *item = mnuCountry->addAction(caption);
        item->setObjectName(QLatin1String(name));
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, handler);
        return item;
    };
    mnuUK = addCountry("mnuUK", QStringLiteral("UK"), &frmSMS::mnuUK_Click);
    mnuIreland = addCountry("mnuIreland", QStringLiteral("Ireland"), &frmSMS::mnuIreland_Click);
    mnuAustralia = addCountry("mnuAustralia", QStringLiteral("Australia"), &frmSMS::mnuAustralia_Click);
    mnuGermany = addCountry("mnuGermany", QStringLiteral("Germany"), &frmSMS::mnuGermany_Click);
    mnuSwitzerland = addCountry("mnuSwitzerland", QStringLiteral("Switzerland"), &frmSMS::mnuSwitzerland_Click);
    mnuAustria = addCountry("mnuAustria", QStringLiteral("Austria"), &frmSMS::mnuAustria_Click);
    mnuFrance = addCountry("mnuFrance", QStringLiteral("France"), &frmSMS::mnuFrance_Click);
    mnuBelgium = addCountry("mnuBelgium", QStringLiteral("Belgium"), &frmSMS::mnuBelgium_Click);
    mnuSpain = addCountry("mnuSpain", QStringLiteral("Spain"), &frmSMS::mnuSpain_Click);
    mnuPortugal = addCountry("mnuPortugal", QStringLiteral("Portugal"), &frmSMS::mnuPortugal_Click);
    mnuUK->setChecked(true);
    mnuCountry->addSeparator();
    mnuForgetPassword = mnuCountry->addAction(QStringLiteral("Forget the saved password"));
    mnuForgetPassword->setObjectName(QStringLiteral("mnuForgetPassword"));
    // A disabled item says why through its tool tip.
    mnuCountry->setToolTipsVisible(true);

    mnuHistory = menuBar()->addAction(QStringLiteral("History"));
    mnuHistory->setObjectName(QStringLiteral("mnuHistory"));
    connect(mnuHistory, &QAction::triggered, this, &frmSMS::mnuHistory_Click);

    mnuAbout = menuBar()->addAction(QStringLiteral("About"));
    mnuAbout->setObjectName(QStringLiteral("mnuAbout"));
    connect(mnuAbout, &QAction::triggered, this, &frmSMS::mnuAbout_Click);
}

void frmSMS::setTabOrder()
{
    // The controls that take the focus, in the window's tab order.
    const QList<QWidget *> order = {lstAddressBook, cmdAdd, tbToName, tbToNumber, tbFrom, tbTo,
                                    tbMessage, cmdSend, tbFromName, tbFromNumber, cmdSave};
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void frmSMS::setAccessibility()
{
    // Each caption names the box it captions, for screen readers.
    const std::pair<QLabel *, QWidget *> captions[] = {
        {Label1, tbToName}, {Label2, tbToNumber}, {Label3, tbFrom},       {Label4, tbTo},
        {Label5, tbMessage}, {Label6, tbFromName}, {Label7, tbFromNumber},
    };
    for (const auto &[label, box] : captions) {
        label->setBuddy(box);
        QString name = label->text().trimmed();
        if (name.endsWith(u':'))
            name.chop(1);
        box->setAccessibleName(name);
    }
    lstAddressBook->setAccessibleName(QStringLiteral("Address Book"));
    for (QPushButton *button : {cmdAdd, cmdSave, cmdSend})
        button->setAccessibleName(button->text());
    frAddressBook->setAccessibleName(frAddressBook->title());
    frFromDetails->setAccessibleName(frFromDetails->title());
    frMain->setAccessibleName(QStringLiteral("Message"));
    Label8->setAccessibleName(Label8->text());
    Label9->setAccessibleName(Label9->text());
}
