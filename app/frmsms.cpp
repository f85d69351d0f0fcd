// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/frmsms.h"

#include "about/frmabout.h"
#include "app/contactstransfer.h"
#include "app/countrymenu.h"
#include "app/frmhistory.h"
#include "app/sendtracker.h"
#include "app/windowsignin.h"
#include "common/sentences.h"
#include "common/serviceinfo.h"
#include "common/smslength.h"
#include "forms/systemcolour.h"
#include "forms/windowfont.h"
#include "history/historyrecord.h"
#include "rules/textrules.h"
#include "sending/outgoingmessage.h"
#include "settings/servicedescription.h"
#include "settings/settingskeys.h"
#include "settings/settingsstore.h"

#include "ui_frmsms.h"

#include <QCloseEvent>
#include <QLayout>
#include <QMouseEvent>
#include <QTextCursor>

frmSMS::frmSMS(SettingsStore &store, HistoryStore &history, QWidget *parent)
    : QMainWindow(parent)
    , m_ui(std::make_unique<Ui::frmSMS>())
    , m_store(store)
    , m_history(history)
{
    m_ui->setupUi(this);
    setUpForm();
    m_countries = new CountryMenu(*m_ui->mnuCountry);
    connect(m_countries, &CountryMenu::chosen, this, &frmSMS::mnuCountry_Click);

    m_send = new SendTracker(m_history, *m_ui->lblSendStatus, this);
    connect(m_send, &SendTracker::finished, this, [this](const MessageSend::Result &result) {
        sendEnded(MessageSend::outcomeText(result.outcome, result.reason), m_send->historyProblem(result));
    });
    m_signIn = new WindowSignIn(*this, m_prompts);
    m_send->setSignIn(m_signIn->credentialStore(), m_signIn->prompt());

    Form_Load();
    m_contacts = new ContactsTransfer(*AddressBook, *m_ui->lstAddressBook, culture, m_store, m_prompts, this);
    connectControls();
}

frmSMS::~frmSMS() = default;

void frmSMS::setUpForm()
{
    // A fixed single border: no minimise or maximise button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    applyWindowFont(this);
    // The tooltip background behind the sender panel, the button face
    // behind the From and To boxes.
    setSystemColour(m_ui->frFromDetails, QPalette::Window, QPalette::ToolTipBase);
    setSystemColour(m_ui->tbFrom, QPalette::Base, QPalette::Button);
    setSystemColour(m_ui->tbTo, QPalette::Base, QPalette::Button);
    m_ui->Label9->setText(ServiceInfo::webAddress());
    m_ui->tbFrom->installEventFilter(this);
    // The address book measures its lines a hundred at a time: the first
    // hundred before the window shows, the rest while it waits for the user,
    // so that a long book does not hold the window back (every line is
    // shaped in the window's font to be measured).
    m_ui->lstAddressBook->setLayoutMode(QListView::Batched);
    updateCharactersLeft();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void frmSMS::connectControls()
{
    connect(m_ui->mnuRemoveRecipient, &QAction::triggered, this, &frmSMS::removeSelectedRecipient);
    connect(m_ui->mnuImportContacts, &QAction::triggered, m_contacts, &ContactsTransfer::chooseAndImport);
    connect(m_ui->mnuExportContacts, &QAction::triggered, m_contacts, &ContactsTransfer::chooseAndExport);
    connect(m_ui->mnuForgetPassword, &QAction::triggered, this, &frmSMS::mnuForgetPassword_Click);
    // The description may change while the program runs: looked at whenever the menu opens.
    connect(m_ui->mnuCountry, &QMenu::aboutToShow, this, [this] {
        m_signIn->updateForgetItem(*m_ui->mnuForgetPassword, descriptionFile());
    });
    connect(m_ui->mnuHistory, &QAction::triggered, this, &frmSMS::mnuHistory_Click);
    connect(m_ui->mnuAbout, &QAction::triggered, this, &frmSMS::mnuAbout_Click);

    // Enter on a line picks it, as a click does.
    connect(m_ui->lstAddressBook, &QListWidget::itemActivated, this, [this](QListWidgetItem *item) {
        m_ui->lstAddressBook->setCurrentItem(item, QItemSelectionModel::ClearAndSelect);
        lstAddressBook_Click();
    });
    // The user's selection picks, not the current line: the list makes its
    // first line current whenever it takes the focus (as it does each time
    // the window is activated), and that must choose nobody.
    connect(m_ui->lstAddressBook, &QListWidget::itemSelectionChanged, this, &frmSMS::lstAddressBook_Click);
    connect(m_ui->cmdSave, &QPushButton::clicked, this, &frmSMS::cmdSave_Click);
    connect(m_ui->cmdAdd, &QPushButton::clicked, this, &frmSMS::cmdAdd_Click);
    connect(m_ui->cmdSend, &QPushButton::clicked, this, &frmSMS::cmdSend_Click);
    connect(m_ui->tbMessage, &QPlainTextEdit::textChanged, this, &frmSMS::tbMessage_Change);
}

bool frmSMS::eventFilter(QObject *watched, QEvent *event)
{
    // The From box is read-only, but a click on it, or Enter or Space on it
    // from the keyboard, reopens the sender panel.
    if (watched != m_ui->tbFrom)
        return QMainWindow::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            tbFrom_Click();
            return true;
        }
    } else if (event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && m_ui->tbFrom->rect().contains(mouse->position().toPoint()))
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
        m_ui->frFromDetails->setVisible(false);
        m_ui->tbFrom->setText(FromName);
    } else {
        m_ui->frFromDetails->setVisible(true);
    }

    if (!AddressBook)
        AddressBook = std::make_unique<AddressBookEntries>(m_store);
    AddressBook->Load();
    AddressBook->UpdateScreen(m_ui->lstAddressBook);

    m_countries->choose(Countries::home());
}

// Sender details panel

void frmSMS::tbFrom_Click()
{
    m_ui->tbFromName->setText(FromName);
    m_ui->tbFromNumber->setText(FromNumber);
    m_ui->frFromDetails->setVisible(true);
}

void frmSMS::cmdSave_Click()
{
    const QString name = m_ui->tbFromName->text();
    const QString number = m_ui->tbFromNumber->text();
    if (!TextRules::isValidSenderName(name)) {
        showMessage(tr("Your name should be between 3 and 11 charachters long"));
        return;
    }
    if (!TextRules::isValidSenderNumber(number)) {
        showMessage(tr("%1 is not a valid phone number, please include a country-code prefix").arg(number));
        return;
    }

    FromName = name;
    FromNumber = number;
    // Both values in one write, name first: never one without the other.
    const bool saved = m_store.saveSettings(SettingsKeys::senderSection(),
                                            {{SettingsKeys::fromName(), FromName},
                                             {SettingsKeys::fromNumber(), FromNumber}});
    m_ui->tbFrom->setText(FromName);
    if (!saved) {
        // The details hold for this run; the panel stays open so that the
        // user can press "Save" again once the cause is mended.
        showMessage(tr("Your details could not be saved. %1").arg(m_store.errorString()));
        return;
    }
    m_ui->frFromDetails->setVisible(false);
}

// Address book panel

void frmSMS::cmdAdd_Click()
{
    const TextRules::NewRecipient recipient =
        TextRules::newRecipient(m_ui->tbToName->text(), m_ui->tbToNumber->text());
    if (!recipient.problem.isEmpty()) {
        showMessage(recipient.problem);
        return;
    }
    if (AddressBook->Count() >= AddressBookEntries::MaximumCount) {
        showMessage(tr("The address book is full: it holds %n recipients, the most it can keep.", nullptr,
                       int(AddressBookEntries::MaximumCount)));
        return;
    }

    AddressBook->Add(recipient.number, recipient.name, recipient.name);
    AddressBook->UpdateScreen(m_ui->lstAddressBook);
    m_ui->tbToName->clear();
    saveAddressBook();
}

void frmSMS::saveAddressBook()
{
    if (!AddressBook->Save())
        showMessage(tr("The address book could not be saved. %1").arg(m_store.errorString()));
}

int frmSMS::selectedRow() const
{
    const QList<QListWidgetItem *> selected = m_ui->lstAddressBook->selectedItems();
    return selected.isEmpty() ? -1 : m_ui->lstAddressBook->row(selected.first());
}

void frmSMS::lstAddressBook_Click()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    std::optional<AddressBookEntry> entry = AddressBook->Item(m_ui->lstAddressBook->item(row)->text());
    // An entry with an empty name has no key: the line's position finds it.
    if (!entry)
        entry = AddressBook->Item(row + 1);
    if (!entry)
        return;
    ToName = entry->Name;
    ToNumber = entry->Number;
    m_ui->tbTo->setText(entry->Name);
}

void frmSMS::removeSelectedRecipient()
{
    const int row = selectedRow();
    const std::optional<AddressBookEntry> entry = AddressBook->Item(row + 1);
    if (row < 0 || !entry)
        return;
    const QString who = entry->Name.isEmpty() ? entry->Number : entry->Name;
    if (!askQuestion(tr("Do you want to remove %1 from the address book?").arg(who)))
        return;

    AddressBook->Remove(row + 1);
    AddressBook->UpdateScreen(m_ui->lstAddressBook);
    if (entry->Name == ToName && entry->Number == ToNumber) {
        ToName.clear();
        ToNumber.clear();
        m_ui->tbTo->setText(tr("<Select from Address Book>"));
    }
    saveAddressBook();
}

void frmSMS::importContacts(const QString &fileName)
{
    m_contacts->importFile(fileName);
}

// Message composition and sending

void frmSMS::updateCharactersLeft()
{
    m_ui->lblCharactersLeft->setText(
        SmsLength::counterText(m_ui->tbMessage->toPlainText(), MaximumMessageLength));
}

void frmSMS::tbMessage_Change()
{
    const QString text = m_ui->tbMessage->toPlainText();
    if (TextRules::characterCount(text) <= MaximumMessageLength) {
        updateCharactersLeft();
        return;
    }
    // Cut with a cursor rather than setPlainText(), so the user's cursor and
    // undo history stay as they were.
    QTextCursor cursor(m_ui->tbMessage->document());
    cursor.setPosition(int(TextRules::lengthOfFirstCharacters(text, MaximumMessageLength)));
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
}

bool frmSMS::isSending() const
{
    return m_send->isSending();
}

QString frmSMS::descriptionFile() const
{
    return m_serviceDescriptionFile.isEmpty() ? ServiceDescription::path() : m_serviceDescriptionFile;
}

void frmSMS::cmdSend_Click()
{
    if (isSending())
        return;
    const OutgoingMessage message{.fromName = FromName,
                                  .fromNumber = FromNumber,
                                  .toName = ToName,
                                  .toNumber = ToNumber,
                                  .text = m_ui->tbMessage->toPlainText(),
                                  .culture = culture};
    if (const std::optional<QString> problem = SendChecks::problem(message)) {
        showMessage(*problem);
        return;
    }

    m_ui->cmdSend->setEnabled(false);
    if (m_historyWindow)
        m_historyWindow->setSendInProgress(true);
    m_signIn->setSendInProgress(true);
    m_send->start(message, descriptionFile(), m_sendTimeout);
}

void frmSMS::sendEnded(const QString &outcome, const QString &historyProblem)
{
    m_ui->cmdSend->setEnabled(true);
    if (m_historyWindow)
        m_historyWindow->setSendInProgress(false);
    // Told after "Send" is usable again, so the box never hides a dead button.
    if (!outcome.isEmpty())
        showMessage(outcome);
    if (!historyProblem.isEmpty() && !m_historyProblemTold) {
        m_historyProblemTold = true;
        showMessage(tr("KORVANE cannot keep a history of your messages. %1 Your messages are still sent.")
                        .arg(Sentences::sentenceOf(historyProblem)));
    }
    m_signIn->setSendInProgress(false);
    emit sendFinished();
}

void frmSMS::closeEvent(QCloseEvent *event)
{
    // A send under way is finished before the window goes, so that its
    // outcome is told and recorded; the user may still choose not to wait,
    // and the history then records that it is not known.
    if (m_send->holdsClose(*this)) {
        event->ignore();
        return;
    }
    // The program ends with this window, and the History window with it.
    if (m_historyWindow)
        m_historyWindow->close();
    QMainWindow::closeEvent(event);
}

// Country menu

void frmSMS::mnuCountry_Click(const Countries::Country &country)
{
    culture = QString::fromUtf16(country.cultureCode);
}

void frmSMS::mnuForgetPassword_Click()
{
    m_signIn->forgetPassword(descriptionFile());
}

// History window

void frmSMS::mnuHistory_Click()
{
    if (!m_historyWindow) {
        m_historyWindow = std::make_unique<frmHistory>(m_history, m_prompts);
        connect(m_historyWindow.get(), &frmHistory::sendAgainRequested, this, &frmSMS::sendAgain);
    }
    m_historyWindow->setSendInProgress(isSending());
    m_historyWindow->show();
    m_historyWindow->raise();
    m_historyWindow->activateWindow();
}

void frmSMS::sendAgain(const HistoryRecord &record)
{
    // The recipient as the history has it, whether or not the address book
    // still holds that name or number.
    ToName = record.recipient();
    ToNumber = record.recipientNumber;
    m_ui->tbTo->setText(ToName);
    m_ui->tbMessage->setPlainText(record.message);
    raise();
    activateWindow();
    m_ui->cmdSend->setFocus(Qt::OtherFocusReason);
}

// About window

void frmSMS::mnuAbout_Click()
{
    if (!m_about)
        m_about = new frmAbout(this);
    m_about->exec();
}
