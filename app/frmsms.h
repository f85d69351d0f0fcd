// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// frmSMS is KORVANE's one main window and the hub of the program.
//
// It owns the run's state in six fields: the sender's saved name and number
// (FromName, FromNumber), the chosen recipient (ToName, ToNumber), the
// address book (AddressBook) and the culture code sent with each message
// (culture). The window is laid out in code with fixed geometry, the way the
// user has always seen it (frmsmslayout.cpp): the message area (frMain) on
// the left with the "Your Details" panel (frFromDetails) in front of it while
// the sender's details are being entered, the "Address Book" panel
// (frAddressBook) on the right, and a menu bar with the country menu,
// "History" and "About".
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
//     a send waits for its outcome in a small "Finishing the send…" window.
//   - "History" opens frmHistory, one per run, over the same HistoryStore;
//     its "Send again" puts a message and its recipient back here.
//   - The address book list's context menu imports and exports vCard and
//     CSV files through the contacts layer (frmsmscontacts.cpp), and a file
//     dropped on the list is imported; an import is saved in one write.
//   - A service that asks to sign in is answered through the window's
//     CredentialStore (the desktop's keyring) and WidgetSignInPrompt, which
//     every send uses (frmsmssignin.cpp); "Forget the saved password" in the
//     country menu removes what the keyring keeps for the current service.
//   - Every message, question and file choice goes through Prompts, which
//     tests can answer without a modal loop.

#include "addressbook/addressbookentries.h"
#include "app/prompts.h"
#include "sending/sendchecks.h"

#include <QMainWindow>

#include <chrono>
#include <functional>
#include <memory>

class CredentialStore;
class HistoryStore;
class QAction;
class QDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class SendTracker;
class SettingsStore;
class WidgetSignInPrompt;
class frmAbout;
class frmHistory;
struct HistoryRecord;

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
    void showMessage(const QString &text, const QString &details = QString());
    void setMessageHandler(MessageHandler handler) { m_prompts.message = std::move(handler); }
    void setDetailedMessageHandler(Prompts::DetailedMessageHandler handler)
    {
        m_prompts.detailedMessage = std::move(handler);
    }
    bool askQuestion(const QString &text);
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
    CredentialStore *credentialStore() const { return m_credentials; }
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
    // frmsmscontacts.cpp: contacts files in and out of the address book.
    void mnuImportContacts_Click();
    void mnuExportContacts_Click();
    // Imports a vCard or CSV file, as "Import…" and a file dropped on the
    // list do, and tells what was imported and what was skipped.
    void importContacts(const QString &fileName);

    void tbMessage_Change();
    void cmdSend_Click();

    void mnuUK_Click();
    void mnuIreland_Click();
    void mnuAustralia_Click();
    void mnuGermany_Click();
    void mnuSwitzerland_Click();
    void mnuAustria_Click();
    void mnuFrance_Click();
    void mnuBelgium_Click();
    void mnuSpain_Click();
    void mnuPortugal_Click();

    // frmsmssignin.cpp: forgets the credentials kept for the service of the
    // current description, and says so; enabled only while the description
    // names a service.
    void mnuForgetPassword_Click();
    void updateForgetPassword();

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
    // frmsmslayout.cpp: the controls and menus as the window table lays them out.
    void createControls();
    void createMenus();
    void setTabOrder();
    void setAccessibility();
    void connectControls();
    static QString initialToText();
    // Takes a drag of contacts files onto the address book; false for any other event.
    bool contactsDropEvent(QEvent *event);
    // The line the user has selected, or -1.
    int selectedRow() const;
    void updateCharactersLeft();
    void ClearCountryMenu();
    void chooseCountry(QAction *item, const QString &cultureCode, const QString &captionWord);
    void sendEnded(const QString &outcome, const QString &historyProblem);
    void createSignIn();
    QString descriptionFile() const;
    // The address of the service that the description names; empty, with
    // `problem` set, when the description cannot be used.
    QUrl serviceAddress(QString *problem) const;
    // The keyring cannot be used: told once, and never in the middle of a send.
    void tellKeyringNotice();

    SettingsStore &m_store;
    HistoryStore &m_history;
    Prompts m_prompts;
    QString m_serviceDescriptionFile;
    std::chrono::milliseconds m_sendTimeout{std::chrono::seconds(30)};
    SendTracker *m_send = nullptr;
    // The "Finishing the send…" window while a close waits for an outcome.
    QDialog *m_finishing = nullptr;
    bool m_closeDuringSend = false;
    bool m_historyProblemTold = false;
    CredentialStore *m_credentials = nullptr;
    WidgetSignInPrompt *m_signInPrompt = nullptr;
    QString m_keyringNotice;
    bool m_keyringNoticeTold = false;
    frmAbout *m_about = nullptr;
    // A window of its own beside this one, not kept above it: "Send again"
    // brings this window to the front. Declared after m_prompts, which it uses.
    std::unique_ptr<frmHistory> m_historyWindow;

    // Controls, named as the user's window has always named them.
    QGroupBox *frAddressBook = nullptr;
    QLineEdit *tbToNumber = nullptr;
    QLineEdit *tbToName = nullptr;
    QPushButton *cmdAdd = nullptr;
    QListWidget *lstAddressBook = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label1 = nullptr;
    QGroupBox *frMain = nullptr;
    QGroupBox *frFromDetails = nullptr;
    QPushButton *cmdSave = nullptr;
    QLineEdit *tbFromNumber = nullptr;
    QLineEdit *tbFromName = nullptr;
    QLabel *Label8 = nullptr;
    QLabel *Label7 = nullptr;
    QLabel *Label6 = nullptr;
    QPushButton *cmdSend = nullptr;
    QPlainTextEdit *tbMessage = nullptr;
    QLineEdit *tbTo = nullptr;
    QLineEdit *tbFrom = nullptr;
    QLabel *Label9 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *lblCharactersLeft = nullptr;
    QLabel *lblSendStatus = nullptr;
    QAction *mnuRemoveRecipient = nullptr;
    QAction *mnuImportContacts = nullptr;
    QAction *mnuExportContacts = nullptr;

    QMenu *mnuCountry = nullptr;
    QAction *mnuUK = nullptr;
    QAction *mnuIreland = nullptr;
    QAction *mnuAustralia = nullptr;
    QAction *mnuGermany = nullptr;
    QAction *mnuSwitzerland = nullptr;
    QAction *mnuAustria = nullptr;
    QAction *mnuFrance = nullptr;
    QAction *mnuBelgium = nullptr;
    QAction *mnuSpain = nullptr;
    QAction *mnuPortugal = nullptr;
    QAction *mnuForgetPassword = nullptr;
    QAction *mnuHistory = nullptr;
    QAction *mnuAbout = nullptr;
};
