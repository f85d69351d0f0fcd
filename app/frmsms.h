// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// frmSMS is KORVANE's one main window and the hub of the program.
//
// It owns the run's state in six fields: the sender's saved name and number
// (FromName, FromNumber), the chosen recipient (ToName, ToNumber), the
// address book (AddressBook) and the culture code sent with each message
// (culture). Its controls come from the Designer form frmsms.ui, laid out
// with the fixed geometry the user has always seen: the message area
// (frMain) on the left with the "Your Details" panel (frFromDetails) in front
// of it while the sender's details are being entered, the "Address Book"
// panel (frAddressBook) on the right, and a menu bar with the country menu
// (built from the country table in common/countries.h), "History" and
// "About". This class holds the behaviour alone.
//
// Data flows like this:
//   - The settings store (SettingsStore) and the history (HistoryStore) are
//     handed in by main() and outlive the window. The sender panel writes
//     FromName/FromNumber to the settings store directly; the address book
//     saves itself through it after every change. Nothing is saved when the
//     window closes: every save has already happened.
//   - Form_Load, run from the constructor, reads the sender's details and
//     the address book, and decides whether the sender panel opens.
//   - "Send" runs the checks of SendChecks, takes the five texts as they are
//     at that moment and hands them to SendTracker, which sends them through
//     MessageSend (which reads SendSMS.wsdl, records the message in the
//     history and calls sendSMS) while the window stays usable. "Send" is
//     disabled until the outcome is known. The status line under "Send" shows
//     "Sending to Ann…" and then "Sent to Ann at 14:05"; "not sent" and "not
//     known" are also told in a box, so that the user neither believes a lost
//     message went nor sends a delivered one twice. Closing the window during
//     a send waits for its outcome in a small window (frmFinishing).
//   - "History" opens frmHistory, one per run, over the same HistoryStore;
//     its "Send again" puts a message and its recipient back here.
//   - The address book list's context menu imports and exports vCard and
//     CSV files, and a file dropped on the list is imported (ContactsTransfer).
//   - A service that asks to sign in is answered through WindowSignIn: the
//     desktop's keyring and the sign-in dialog that every send uses, and
//     "Forget the saved password" in the country menu. The window learns the
//     service from sending/ (ServiceAddress) and never reaches soap/ itself.
//   - Every message, question and file choice goes through Prompts, which
//     tests can answer without a modal loop.

#include "addressbook/addressbookentries.h"
#include "app/prompts.h"
#include "app/windowsignin.h"
#include "common/countries.h"
#include "sending/sendchecks.h"

#include <QMainWindow>

#include <chrono>
#include <memory>

class ContactsTransfer;
class CountryMenu;
class HistoryStore;
class SendTracker;
class SettingsStore;
class frmAbout;
class frmHistory;
struct HistoryRecord;

namespace Ui {
class frmSMS;
}

class frmSMS final : public QMainWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmSMS)

public:
    using MessageHandler = Prompts::MessageHandler;
    using QuestionHandler = Prompts::QuestionHandler;

    // Both stores must outlive the window. Runs Form_Load before returning.
    frmSMS(SettingsStore &store, HistoryStore &history, QWidget *parent = nullptr);
    ~frmSMS() override;

    // The state of a run.
    QString FromName;
    QString FromNumber;
    QString ToName;
    QString ToNumber;
    std::unique_ptr<AddressBookEntries> AddressBook;
    QString culture;

    // Every message box of the window goes through here.
    void showMessage(const QString &text, const QString &details = QString())
    {
        m_prompts.showMessage(this, text, details);
    }
    void setMessageHandler(MessageHandler handler) { m_prompts.message = std::move(handler); }
    void setDetailedMessageHandler(Prompts::DetailedMessageHandler handler)
    {
        m_prompts.detailedMessage = std::move(handler);
    }
    bool askQuestion(const QString &text) { return m_prompts.ask(this, text); }
    void setQuestionHandler(QuestionHandler handler) { m_prompts.question = std::move(handler); }
    void setFileHandler(Prompts::FileHandler handler) { m_prompts.fileName = std::move(handler); }

    // A description file that every send reads instead of the one that
    // ServiceDescription::path() names; empty unless a test sets one.
    QString serviceDescriptionFile() const { return m_serviceDescriptionFile; }
    void setServiceDescriptionFile(const QString &fileName) { m_serviceDescriptionFile = fileName; }
    void setSendTimeout(std::chrono::milliseconds timeout) { m_sendTimeout = timeout; }
    // Whether a message is on its way; "Send" is disabled meanwhile.
    bool isSending() const;
    // Where the window keeps the credentials of services that ask to sign in.
    CredentialStore *credentialStore() const { return m_signIn->credentialStore(); }
    // The History window once "History" has opened it; null before.
    frmHistory *historyWindow() const { return m_historyWindow.get(); }

    // The longest message, in characters.
    static constexpr int MaximumMessageLength = SendChecks::MaximumMessageLength;

public slots:
    void Form_Load();

    void tbFrom_Click();
    void cmdSave_Click();

    void cmdAdd_Click();
    void lstAddressBook_Click();
    // Takes the selected recipient out of the book, once the user confirms.
    void removeSelectedRecipient();
    // Imports a vCard or CSV file, as "Import…" and a file dropped on the
    // list do, and tells what was imported and what was skipped.
    void importContacts(const QString &fileName);

    void tbMessage_Change();
    void cmdSend_Click();

    // A country of the menu is chosen: its culture code goes with every later send.
    void mnuCountry_Click(const Countries::Country &country);

    // Forgets the credentials kept for the service of the current
    // description, and says so; enabled only while the description names a
    // service.
    void mnuForgetPassword_Click();

    void mnuHistory_Click();
    // Puts a message of the history and its recipient back, ready to send.
    void sendAgain(const HistoryRecord &record);

    void mnuAbout_Click();

signals:
    // A send's outcome is known and has been told.
    void sendFinished();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void setUpForm();
    void connectControls();
    // The line the user has selected, or -1.
    int selectedRow() const;
    void saveAddressBook();
    void updateCharactersLeft();
    void sendEnded(const QString &outcome, const QString &historyProblem);
    QString descriptionFile() const;

    std::unique_ptr<Ui::frmSMS> m_ui;
    SettingsStore &m_store;
    HistoryStore &m_history;
    Prompts m_prompts;
    QString m_serviceDescriptionFile;
    std::chrono::milliseconds m_sendTimeout{std::chrono::seconds(30)};
    SendTracker *m_send = nullptr;
    WindowSignIn *m_signIn = nullptr;
    ContactsTransfer *m_contacts = nullptr;
    CountryMenu *m_countries = nullptr;
    bool m_historyProblemTold = false;
    frmAbout *m_about = nullptr;
    // A window of its own beside this one, not kept above it: "Send again"
    // brings this window to the front. Declared after m_prompts, which it uses.
    std::unique_ptr<frmHistory> m_historyWindow;
};
