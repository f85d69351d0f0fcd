// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// frmSMS is KORVANE's one main window and the hub of the program.
//
// It owns the run's state in six fields: the sender's saved name and number
// (FromName, FromNumber), the chosen recipient (ToName, ToNumber), the
// address book (AddressBook) and the culture code sent with each message
// (culture). The window is laid out in code with fixed geometry, the way the
// user has always seen it: the message area (frMain) on the left with the
// "Your Details" panel (frFromDetails) in front of it while the sender's
// details are being entered, the "Address Book" panel (frAddressBook) on the
// right, and a menu bar with the country menu and "About".
//
// Data flows like this:
//   - The settings store (SettingsStore) is handed in by main() and outlives
//     the window. The sender panel writes FromName/FromNumber to it directly;
//     the address book saves itself through it after every change. Nothing is
//     saved when the window closes: every save has already happened.
//   - Form_Load, run from the constructor, reads the sender's details and
//     the address book, and decides whether the sender panel opens.
//   - "Send" checks recipient, sender and message, then creates a SoapClient
//     for this one send, initialises it from SendSMS.wsdl (the user's own in
//     their configuration folder, else the one beside the program) and calls
//     sendSMS with the five texts. The exchange runs on a thread of the
//     client's; the window waits for it (it repaints, but takes no input)
//     until the outcome. Sent shows nothing; "not sent" and "not known" are
//     told in plain words, so that the user neither believes a lost message
//     went nor sends a delivered one twice.
//   - Every message to the user goes through showMessage(), which tests can
//     replace to capture the texts without a modal loop.

#include "addressbook/addressbookentries.h"

#include <QMainWindow>

#include <chrono>
#include <functional>
#include <memory>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class SettingsStore;
class frmAbout;

class frmSMS final : public QMainWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmSMS)

public:
    using MessageHandler = std::function<void(const QString &text)>;
    // Asks a yes/no question; true for yes.
    using QuestionHandler = std::function<bool(const QString &text)>;

    // The store must outlive the window. Runs Form_Load before returning.
    explicit frmSMS(SettingsStore &store, QWidget *parent = nullptr);
    ~frmSMS() override;

    // The state of a run.
    QString FromName;
    QString FromNumber;
    QString ToName;
    QString ToNumber;
    std::unique_ptr<AddressBookEntries> AddressBook;
    QString culture;

    // Every message box of the window goes through here.
    void showMessage(const QString &text);
    void setMessageHandler(MessageHandler handler) { m_messageHandler = std::move(handler); }
    bool askQuestion(const QString &text);
    void setQuestionHandler(QuestionHandler handler) { m_questionHandler = std::move(handler); }

    // A description file that every send reads instead of the one that
    // ServiceDescription::path() names; empty unless a test sets one.
    QString serviceDescriptionFile() const { return m_serviceDescriptionFile; }
    void setServiceDescriptionFile(const QString &fileName) { m_serviceDescriptionFile = fileName; }
    void setSendTimeout(std::chrono::milliseconds timeout) { m_sendTimeout = timeout; }

    // The longest message, in characters.
    static constexpr int MaximumMessageLength = 159;

public slots:
    void Form_Load();

    void tbFrom_Click();
    void cmdSave_Click();

    void cmdAdd_Click();
    void lstAddressBook_Click();
    // Takes the selected recipient out of the book, once the user confirms.
    void removeSelectedRecipient();

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

    void mnuAbout_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void createMenus();
    void setTabOrder();
    void setAccessibility();
    // The line the user has selected, or -1.
    int selectedRow() const;
    void updateCharactersLeft();
    void ClearCountryMenu();
    void chooseCountry(QAction *item, const QString &cultureCode, const QString &captionWord);
    bool sendTextsAreSafe();

    SettingsStore &m_store;
    MessageHandler m_messageHandler;
    QuestionHandler m_questionHandler;
    QString m_serviceDescriptionFile;
    std::chrono::milliseconds m_sendTimeout{std::chrono::seconds(30)};
    frmAbout *m_about = nullptr;

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
    QAction *mnuRemoveRecipient = nullptr;

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
    QAction *mnuAbout = nullptr;
};
