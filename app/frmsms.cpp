// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/frmsms.h"

#include "about/frmabout.h"
#include "app/frmhistory.h"
#include "app/sendtracker.h"
#include "common/sentences.h"
#include "common/smslength.h"
#include "forms/windowfont.h"
#include "history/historyrecord.h"
#include "rules/textrules.h"
#include "sending/outgoingmessage.h"
#include "settings/settingskeys.h"
#include "settings/settingsstore.h"
#include "soap/soapcallresult.h"

#include <QAction>
#include <QCloseEvent>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

using namespace Qt::StringLiterals;

frmSMS::frmSMS(SettingsStore &store, HistoryStore &history, QWidget *parent)
    : QMainWindow(parent)
    , m_store(store)
    , m_history(history)
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
    connectControls();
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    m_send = new SendTracker(m_history, *lblSendStatus, this);
    connect(m_send, &SendTracker::finished, this, [this](const MessageSend::Result &result) {
        sendEnded(MessageSend::outcomeText(result.outcome, result.reason), m_send->historyProblem(result));
    });
    createSignIn();

    Form_Load();
}

frmSMS::~frmSMS() = default;

QString frmSMS::initialToText()
{
    return QStringLiteral("<Select from Address Book>");
}

void frmSMS::connectControls()
{
    connect(mnuRemoveRecipient, &QAction::triggered, this, &frmSMS::removeSelectedRecipient);
    connect(mnuImportContacts, &QAction::triggered, this, &frmSMS::mnuImportContacts_Click);
    connect(mnuExportContacts, &QAction::triggered, this, &frmSMS::mnuExportContacts_Click);
    lstAddressBook->viewport()->installEventFilter(this);
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

void frmSMS::showMessage(const QString &text, const QString &details)
{
    m_prompts.showMessage(this, text, details);
}

bool frmSMS::askQuestion(const QString &text)
{
    return m_prompts.ask(this, text);
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
    if (watched == lstAddressBook->viewport() && contactsDropEvent(event))
        return true;
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
    const TextRules::NewRecipient recipient = TextRules::newRecipient(tbToName->text(), tbToNumber->text());
    if (!recipient.problem.isEmpty()) {
        showMessage(recipient.problem);
        return;
    }
    if (AddressBook->Count() >= AddressBookEntries::MaximumCount) {
        showMessage(QStringLiteral("The address book is full: it holds %1 recipients, the most it can keep.")
                        .arg(AddressBookEntries::MaximumCount));
        return;
    }

    AddressBook->Add(recipient.number, recipient.name, recipient.name);
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

bool frmSMS::isSending() const
{
    return m_send->isSending();
}

void frmSMS::cmdSend_Click()
{
    if (isSending())
        return;
    const OutgoingMessage message{.fromName = FromName,
                                  .fromNumber = FromNumber,
                                  .toName = ToName,
                                  .toNumber = ToNumber,
                                  .text = tbMessage->toPlainText(),
                                  .culture = culture};
    if (const std::optional<QString> problem = SendChecks::problem(message)) {
        showMessage(*problem);
        return;
    }

    cmdSend->setEnabled(false);
    if (m_historyWindow)
        m_historyWindow->setSendInProgress(true);
    m_send->start(message, descriptionFile(), m_sendTimeout);
}

void frmSMS::sendEnded(const QString &outcome, const QString &historyProblem)
{
    cmdSend->setEnabled(true);
    if (m_historyWindow)
        m_historyWindow->setSendInProgress(false);
    const bool closing = m_finishing != nullptr;
    if (closing) {
        m_finishing->accept();
        m_finishing->deleteLater();
        m_finishing = nullptr;
    }
    // Told after "Send" is usable again, so the box never hides a dead button.
    if (!outcome.isEmpty())
        showMessage(outcome);
    if (!historyProblem.isEmpty() && !m_historyProblemTold) {
        m_historyProblemTold = true;
        showMessage(u"KORVANE cannot keep a history of your messages. %1 Your messages are still sent."_s.arg(
            Sentences::sentenceOf(historyProblem)));
    }
    tellKeyringNotice();
    emit sendFinished();
    if (closing)
        close();
}

void frmSMS::closeEvent(QCloseEvent *event)
{
    // A send under way is finished before the window goes, so that its
    // outcome is told and recorded; the user may still choose not to wait,
    // and the history then records that it is not known.
    if (!isSending() || m_closeDuringSend) {
        // The program ends with this window, and the History window with it.
        if (m_historyWindow)
            m_historyWindow->close();
        QMainWindow::closeEvent(event);
        return;
    }
    event->ignore();
    if (m_finishing)
        return;
    m_finishing = m_send->createFinishingWindow(this);
    connect(m_finishing, &QDialog::rejected, this, [this] {
        m_closeDuringSend = true;
        m_finishing->deleteLater();
        m_finishing = nullptr;
        close();
    });
    m_finishing->open();
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
    tbTo->setText(ToName);
    tbMessage->setPlainText(record.message);
    raise();
    activateWindow();
    cmdSend->setFocus(Qt::OtherFocusReason);
}

// About window

void frmSMS::mnuAbout_Click()
{
    if (!m_about)
        m_about = new frmAbout(this);
    m_about->exec();
}
