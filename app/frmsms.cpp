// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/frmsms.h"

#include "about/frmabout.h"
#include "app/smslength.h"
#include "forms/serviceinfo.h"
#include "forms/twips.h"
#include "forms/windowfont.h"
#include "rules/textrules.h"
#include "settings/servicedescription.h"
#include "settings/settingskeys.h"
#include "settings/settingsstore.h"
#include "soap/soapcallresult.h"
#include "soap/soapclient.h"
#include "soap/soaprequestwriter.h"

#include <QAction>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTextCursor>

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

QString initialToText() { return QStringLiteral("<Select from Address Book>"); }

// What the user is told when a send was not confirmed; nothing when it was.
QString sendOutcomeText(const SoapCallResult &result)
{
    switch (result.outcome) {
    case SoapCallResult::Outcome::Sent:
        return QString();
    case SoapCallResult::Outcome::NotSent:
        return QStringLiteral("Your message was not sent. %1").arg(result.errorString());
    case SoapCallResult::Outcome::NotKnown:
        // Never "not sent" here: a user who reads that after the message did go sends it twice.
        return QStringLiteral("It is not known whether your message was sent: %1. Check with the recipient "
                              "before you send it again.")
            .arg(result.reason);
    }
    return QString();
}

} // namespace

frmSMS::frmSMS(SettingsStore &store, QWidget *parent)
    : QMainWindow(parent)
    , m_store(store)
{
    setObjectName(QStringLiteral("frmSMS"));
    setWindowTitle(QStringLiteral("KORVANE"));
    setWindowIcon(QIcon(QStringLiteral(":/korvane.png")));
    // A fixed single border: no minimise or maximise button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    setFont(windowFont(8.25));

    createControls();
    createMenus();
    setTabOrder();
    setAccessibility();
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    Form_Load();
}

frmSMS::~frmSMS() = default;

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
    tbTo = makeTextBox(frMain, "tbTo", initialToText(), Twips::rect(1320, 840, 3615, 375), boldLarge());
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
    frFromDetails->raise();

    mnuRemoveRecipient = new QAction(QStringLiteral("Remove"), lstAddressBook);
    mnuRemoveRecipient->setObjectName(QStringLiteral("mnuRemoveRecipient"));
    mnuRemoveRecipient->setShortcut(QKeySequence::Delete);
    mnuRemoveRecipient->setShortcutContext(Qt::WidgetShortcut);
    lstAddressBook->addAction(mnuRemoveRecipient);
    lstAddressBook->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(mnuRemoveRecipient, &QAction::triggered, this, &frmSMS::removeSelectedRecipient);
    // Enter on a line picks it, as a click does.
    connect(lstAddressBook, &QListWidget::itemActivated, this, [this](QListWidgetItem *item) {
        lstAddressBook->setCurrentItem(item, QItemSelectionModel::ClearAndSelect);
        lstAddressBook_Click();
    });

    connect(cmdSave, &QPushButton::clicked, this, &frmSMS::cmdSave_Click);
    connect(cmdAdd, &QPushButton::clicked, this, &frmSMS::cmdAdd_Click);
    connect(cmdSend, &QPushButton::clicked, this, &frmSMS::cmdSend_Click);
    // The user's selection picks, not the current line: the list makes its
    // first line current whenever it takes the focus (as it does each time
    // the window is activated), and that must choose nobody.
    connect(lstAddressBook, &QListWidget::itemSelectionChanged, this, &frmSMS::lstAddressBook_Click);
    connect(tbMessage, &QPlainTextEdit::textChanged, this, &frmSMS::tbMessage_Change);
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

void frmSMS::showMessage(const QString &text)
{
    if (m_messageHandler) {
        m_messageHandler(text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("KORVANE"), text, QMessageBox::Ok, this);
    box.exec();
}

bool frmSMS::askQuestion(const QString &text)
{
    if (m_questionHandler)
        return m_questionHandler(text);
    QMessageBox box(QMessageBox::Question, QStringLiteral("KORVANE"), text, QMessageBox::Yes | QMessageBox::No,
                    this);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

bool frmSMS::eventFilter(QObject *watched, QEvent *event)
{
    // From the keyboard, Enter or Space on the From box does what a click does.
    if (watched == tbFrom && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            tbFrom_Click();
            return true;
        }
    }
    // The From box is read-only, but a click on it reopens the sender panel.
    if (watched == tbFrom && event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && tbFrom->rect().contains(mouse->position().toPoint()))
            tbFrom_Click();
    }
    return QMainWindow::eventFilter(watched, event);
}

// Start-up

void frmSMS::Form_Load()
{
    const QString section = SettingsKeys::senderSection();
    FromName = m_store.getSetting(section, SettingsKeys::fromName());
    FromNumber = m_store.getSetting(section, SettingsKeys::fromNumber());
    if (!FromName.isEmpty() && !FromNumber.isEmpty()) {
        frFromDetails->setVisible(false);
        tbFrom->setText(FromName);
    } else {
        frFromDetails->setVisible(true);
    }

    if (!AddressBook)
        AddressBook = std::make_unique<AddressBookEntries>(m_store);
    AddressBook->Load();
    AddressBook->UpdateScreen(lstAddressBook);

    culture = QStringLiteral("en-GB");
}

// Sender details panel

void frmSMS::tbFrom_Click()
{
    tbFromName->setText(FromName);
    tbFromNumber->setText(FromNumber);
    frFromDetails->setVisible(true);
}

void frmSMS::cmdSave_Click()
{
    if (!TextRules::isValidSenderName(tbFromName->text())) {
        showMessage(QStringLiteral("Your name should be between 3 and 11 charachters long"));
        return;
    }
    if (!TextRules::isValidSenderNumber(tbFromNumber->text())) {
        showMessage(tbFromNumber->text()
                    + QStringLiteral(" is not a valid phone number, please include a country-code prefix"));
        return;
    }

    FromName = tbFromName->text();
    FromNumber = tbFromNumber->text();
    // Both values in one write, name first: never one without the other.
    const bool saved = m_store.saveSettings(SettingsKeys::senderSection(),
                                            {{SettingsKeys::fromName(), FromName},
                                             {SettingsKeys::fromNumber(), FromNumber}});
    tbFrom->setText(FromName);
    if (!saved) {
        // The details hold for this run; the panel stays open so that the
        // user can press "Save" again once the cause is mended.
        showMessage(QStringLiteral("Your details could not be saved. %1").arg(m_store.errorString()));
        return;
    }
    frFromDetails->setVisible(false);
}

// Address book panel

void frmSMS::cmdAdd_Click()
{
    const QString number = tbToNumber->text();
    if (!TextRules::isValidRecipientNumber(number)) {
        showMessage(number + QStringLiteral(" is not a valid phone number, please use a valid country code prefix"));
        return;
    }
    if (AddressBook->Count() >= AddressBookEntries::MaximumCount) {
        showMessage(QStringLiteral("The address book is full: it holds %1 recipients, the most it can keep.")
                        .arg(AddressBookEntries::MaximumCount));
        return;
    }

    AddressBook->Add(number, tbToName->text(), tbToName->text());
    AddressBook->UpdateScreen(lstAddressBook);
    const bool saved = AddressBook->Save();
    tbToName->clear();
    if (!saved)
        showMessage(QStringLiteral("The address book could not be saved. %1").arg(m_store.errorString()));
}

int frmSMS::selectedRow() const
{
    const QList<QListWidgetItem *> selected = lstAddressBook->selectedItems();
    return selected.isEmpty() ? -1 : lstAddressBook->row(selected.first());
}

void frmSMS::lstAddressBook_Click()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    std::optional<AddressBookEntry> entry = AddressBook->Item(lstAddressBook->item(row)->text());
    // An entry with an empty name has no key: the line's position finds it.
    if (!entry)
        entry = AddressBook->Item(row + 1);
    if (!entry)
        return;
    ToName = entry->Name;
    ToNumber = entry->Number;
    tbTo->setText(entry->Name);
}

void frmSMS::removeSelectedRecipient()
{
    const int row = selectedRow();
    const std::optional<AddressBookEntry> entry = AddressBook->Item(row + 1);
    if (row < 0 || !entry)
        return;
    const QString who = entry->Name.isEmpty() ? entry->Number : entry->Name;
    if (!askQuestion(QStringLiteral("Do you want to remove %1 from the address book?").arg(who)))
        return;

    AddressBook->Remove(row + 1);
    AddressBook->UpdateScreen(lstAddressBook);
    if (entry->Name == ToName && entry->Number == ToNumber) {
        ToName.clear();
        ToNumber.clear();
        tbTo->setText(initialToText());
    }
    if (!AddressBook->Save())
        showMessage(QStringLiteral("The address book could not be saved. %1").arg(m_store.errorString()));
}

// Message composition and sending

void frmSMS::updateCharactersLeft()
{
    lblCharactersLeft->setText(SmsLength::counterText(tbMessage->toPlainText(), MaximumMessageLength));
}

void frmSMS::tbMessage_Change()
{
    const QString text = tbMessage->toPlainText();
    if (TextRules::characterCount(text) <= MaximumMessageLength) {
        updateCharactersLeft();
        return;
    }
    // Cut with a cursor rather than setPlainText(), so the user's cursor and
    // undo history stay as they were.
    QTextCursor cursor(tbMessage->document());
    cursor.setPosition(int(TextRules::lengthOfFirstCharacters(text, MaximumMessageLength)));
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
}

bool frmSMS::sendTextsAreSafe()
{
    const std::pair<QString, QString> texts[] = {
        {QStringLiteral("your name"), FromName},
        {QStringLiteral("your number"), FromNumber},
        {QStringLiteral("the recipient's number"), ToNumber},
        {QStringLiteral("the message"), tbMessage->toPlainText()},
        {QStringLiteral("the country code"), culture},
    };
    for (const auto &[what, text] : texts) {
        const qsizetype at = SoapRequestWriter::firstCharacterNotCarried(text);
        if (at < 0)
            continue;
        showMessage(QStringLiteral("Your message was not sent: %1 contains a character that cannot be sent "
                                   "(U+%2 at position %3). Please remove it and try again.")
                        .arg(what)
                        .arg(text.at(at).unicode(), 4, 16, QLatin1Char('0'))
                        .arg(TextRules::characterCount(QStringView(text).left(at)) + 1));
        return false;
    }
    return true;
}

void frmSMS::cmdSend_Click()
{
    if (ToNumber.isEmpty() || ToName.isEmpty()) {
        showMessage(QStringLiteral("You have not selected who to send your message to"));
        return;
    }
    if (FromNumber.isEmpty() || FromName.isEmpty()) {
        showMessage(QStringLiteral("You have not entered your name and number"));
        return;
    }
    if (tbMessage->toPlainText().isEmpty()) {
        showMessage(QStringLiteral("You have not entered a message to send"));
        return;
    }
    if (!sendTextsAreSafe())
        return;

    SoapCallResult result;
    {
        cmdSend->setEnabled(false);
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        const auto restore = qScopeGuard([this] {
            QGuiApplication::restoreOverrideCursor();
            cmdSend->setEnabled(true);
        });

        SoapClient client;
        client.setTimeout(m_sendTimeout);
        const QString description =
            m_serviceDescriptionFile.isEmpty() ? ServiceDescription::path() : m_serviceDescriptionFile;
        if (!client.MSSoapInit(description, QString(), QString(), QString()))
            result = SoapCallResult::notSent(SoapCallResult::clauseOf(client.errorString()));
        else
            result = client.invoke(QStringLiteral("sendSMS"),
                                   {FromName, FromNumber, ToNumber, tbMessage->toPlainText(), culture});
    }
    // Told after "Send" is usable again, so the box never hides a dead button.
    const QString text = sendOutcomeText(result);
    if (!text.isEmpty())
        showMessage(text);
}

// Country menu

void frmSMS::ClearCountryMenu()
{
    for (QAction *item : {mnuAustralia, mnuAustria, mnuBelgium, mnuFrance, mnuGermany, mnuIreland, mnuPortugal,
                          mnuSpain, mnuSwitzerland, mnuUK})
        item->setChecked(false);
    mnuCountry->setTitle(QStringLiteral("Country: "));
}

void frmSMS::chooseCountry(QAction *item, const QString &cultureCode, const QString &captionWord)
{
    culture = cultureCode;
    ClearCountryMenu();
    item->setChecked(true);
    mnuCountry->setTitle(mnuCountry->title() + captionWord);
}

void frmSMS::mnuUK_Click() { chooseCountry(mnuUK, QStringLiteral("en-GB"), QStringLiteral("UK")); }
void frmSMS::mnuIreland_Click() { chooseCountry(mnuIreland, QStringLiteral("en-IE"), QStringLiteral("Ireland")); }
void frmSMS::mnuAustralia_Click() { chooseCountry(mnuAustralia, QStringLiteral("en-AU"), QStringLiteral("Australia")); }
void frmSMS::mnuGermany_Click() { chooseCountry(mnuGermany, QStringLiteral("de-DE"), QStringLiteral("Germany")); }
void frmSMS::mnuSwitzerland_Click() { chooseCountry(mnuSwitzerland, QStringLiteral("de-CH"), QStringLiteral("Switzerland")); }
void frmSMS::mnuAustria_Click() { chooseCountry(mnuAustria, QStringLiteral("de-AT"), QStringLiteral("Austria")); }
void frmSMS::mnuFrance_Click() { chooseCountry(mnuFrance, QStringLiteral("fr-FR"), QStringLiteral("France")); }
void frmSMS::mnuBelgium_Click() { chooseCountry(mnuBelgium, QStringLiteral("fr-BE"), QStringLiteral("Belgium")); }
void frmSMS::mnuSpain_Click() { chooseCountry(mnuSpain, QStringLiteral("es-ES"), QStringLiteral("Spain")); }
void frmSMS::mnuPortugal_Click() { chooseCountry(mnuPortugal, QStringLiteral("pt-PT"), QStringLiteral("Portugal")); }

// About window

void frmSMS::mnuAbout_Click()
{
    if (!m_about)
        m_about = new frmAbout(this);
    m_about->exec();
}
