// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The History window, opened from the main window's menu bar over the
// window's own history: what it lists and shows, its search, "Send again",
// its keys, and rows that another process wrote.

#include "app/frmhistory.h"
#include "history/historymodel.h"
#include "tests/support/historywindowfixture.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSet>
#include <QStandardPaths>
#include <QTableView>
#include <QWindow>

#include <algorithm>

using namespace Qt::StringLiterals;
using State = HistoryRecord::State;

class tst_FrmHistory : public QObject, public HistoryWindowFixture
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { setUpHistoryWindowFixture(); }
    void cleanup() { tearDownWindowFixture(); }

    void oneWindowPerRun();
    void closingTheMainWindowEndsTheProgramWithHistoryOpen();
    void listsNewestFirstWithOutcomeAtAGlance();
    void showsTheSelectedLineWhole();
    void screenReadersHearEachDetail();
    void searchFiltersAsTheUserTypes_data();
    void searchFiltersAsTheUserTypes();
    void sendAgainPutsMessageAndRecipientBack();
    void keyboardReachesEverything();
    void takesInRowsOfAnotherProcessWhenShown();
    void startsOverAnyHistoryFile_data();
    void startsOverAnyHistoryFile();
};

void tst_FrmHistory::oneWindowPerRun()
{
    const auto window = makeWindow();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    frmHistory *first = openHistory(*window);
    first->close();
    QVERIFY(!first->isVisible());
    QCOMPARE(openHistory(*window), first);
    const QWidgetList windows = QApplication::topLevelWidgets();
    QCOMPARE(int(std::count_if(windows.cbegin(), windows.cend(),
                               [](const QWidget *widget) { return qobject_cast<const frmHistory *>(widget); })),
             1);
    // A window of its own: the window system does not keep it above the main
    // window, which "Send again" brings to the front.
    QVERIFY(first->windowHandle());
    QCOMPARE(first->windowHandle()->transientParent(), nullptr);
}

void tst_FrmHistory::closingTheMainWindowEndsTheProgramWithHistoryOpen()
{
    const auto window = makeWindow();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    frmHistory *history = openHistory(*window);
    QVERIFY(QTest::qWaitForWindowExposed(history));
    QVERIFY(closingEndsTheApplication(*window));
    QVERIFY(!history->isVisible());
}

void tst_FrmHistory::listsNewestFirstWithOutcomeAtAGlance()
{
    record(*m_history, u"Bob"_s, u"00447700900001"_s, u"first\nsecond line"_s, State::Sent);
    record(*m_history, u"Cy"_s, u"00447700900002"_s, u"refused"_s, State::NotSent, u"Number barred."_s);
    record(*m_history, QString(), u"00447700900003"_s, u"lost"_s, State::NotKnown, u"No answer."_s);
    record(*m_history, u"Di"_s, u"00447700900004"_s, u"on its way"_s, State::Sending);
    const auto window = makeWindow();
    frmHistory *history = openHistory(*window);

    QCOMPARE(column(*history, HistoryModel::RecipientColumn),
             (QStringList{u"Di"_s, u"00447700900003"_s, u"Cy"_s, u"Bob"_s}));
    QCOMPARE(column(*history, HistoryModel::MessageColumn),
             (QStringList{u"on its way"_s, u"lost"_s, u"refused"_s, u"first"_s}));
    QCOMPARE(column(*history, HistoryModel::OutcomeColumn),
             (QStringList{u"Sending"_s, u"Not known"_s, u"Not sent"_s, u"Sent"_s}));
    // Each outcome has an icon of its own beside the word.
    const QAbstractItemModel *model = child<QTableView>(*history, "lvHistory")->model();
    QSet<qint64> icons;
    for (int row = 0; row < model->rowCount(); ++row) {
        const QIcon icon = model->index(row, HistoryModel::OutcomeColumn).data(Qt::DecorationRole).value<QIcon>();
        QVERIFY(!icon.isNull());
        icons.insert(icon.cacheKey());
    }
    QCOMPARE(icons.size(), 4);
}

void tst_FrmHistory::showsTheSelectedLineWhole()
{
    record(*m_history, u"Bob"_s, u"00447700900001"_s, u"Line one\nLine two <b>bold</b>"_s, State::NotKnown,
           u"the connection dropped"_s);
    record(*m_history, u"Cy"_s, u"00447700900002"_s, u"newer"_s, State::Sent);
    const auto window = makeWindow();
    frmHistory *history = openHistory(*window);
    // The newest line is shown on opening.
    QCOMPARE(child<QPlainTextEdit>(*history, "tbDetailMessage")->toPlainText(), u"newer"_s);

    select(*history, {1});
    QCOMPARE(child<QPlainTextEdit>(*history, "tbDetailMessage")->toPlainText(), u"Line one\nLine two <b>bold</b>"_s);
    QCOMPARE(child<QLabel>(*history, "lblTo")->text(), u"Bob (00447700900001)"_s);
    QCOMPARE(child<QLabel>(*history, "lblFrom")->text(), u"Ann Smith (00441632960000)"_s);
    QCOMPARE(child<QLabel>(*history, "lblService")->text(), u"http://127.0.0.1:47159/sms"_s);
    const QString outcome = child<QLabel>(*history, "lblOutcome")->text();
    QVERIFY2(outcome.startsWith(u"Not known"_s) && outcome.endsWith(u"The connection dropped."_s), qPrintable(outcome));
}

// Each value is named by its caption and tells its text, as Orca reads it.
void tst_FrmHistory::screenReadersHearEachDetail()
{
    record(*m_history, u"Bob"_s, u"00447700900001"_s, u"hello"_s, State::NotSent,
           u"The service refused the connection."_s);
    const auto window = makeWindow();
    frmHistory *history = openHistory(*window);
    const char *const values[][2] = {{"lblTime", "Time"}, {"lblFrom", "From"}, {"lblTo", "To"},
                                     {"lblOutcome", "Outcome"}, {"lblService", "Service"}};
    for (const auto &[name, caption] : values) {
        const QLabel *value = child<QLabel>(*history, name);
        QVERIFY2(!value->text().isEmpty(), name);
        QAccessibleInterface *heard = QAccessible::queryAccessibleInterface(const_cast<QLabel *>(value));
        QVERIFY2(heard, name);
        QCOMPARE(heard->text(QAccessible::Name), QLatin1StringView(caption));
        QCOMPARE(heard->text(QAccessible::Value), value->text());
    }
}

void tst_FrmHistory::searchFiltersAsTheUserTypes_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("nothing typed") << QString() << QStringList{u"Dieter"_s, u"Carla Ruiz"_s, u"Bob"_s};
    QTest::newRow("a name, any case") << u"CARLA"_s << QStringList{u"Carla Ruiz"_s};
    QTest::newRow("part of a number") << u"0034"_s << QStringList{u"Carla Ruiz"_s};
    QTest::newRow("words of a message") << u"train is"_s << QStringList{u"Dieter"_s, u"Bob"_s};
    QTest::newRow("no match") << u"zebra"_s << QStringList();
}

void tst_FrmHistory::searchFiltersAsTheUserTypes()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, shown);
    record(*m_history, u"Bob"_s, u"00447700900001"_s, u"The train is late"_s, State::Sent);
    record(*m_history, u"Carla Ruiz"_s, u"00346000000001"_s, u"Hola"_s, State::Sent);
    record(*m_history, u"Dieter"_s, u"00491570000000"_s, u"Der Zug (the train is) spät"_s, State::Sent);
    const auto window = makeWindow();
    frmHistory *history = openHistory(*window);
    QTest::keyClicks(child<QLineEdit>(*history, "tbSearch"), typed);
    QCOMPARE(column(*history, HistoryModel::RecipientColumn), shown);
}

void tst_FrmHistory::sendAgainPutsMessageAndRecipientBack()
{
    // A recipient who is no longer in the address book, in another country.
    record(*m_history, u"Zoë Ancienne"_s, u"00336000000009"_s, u"À demain !"_s, State::NotSent, u"Refused."_s);
    record(*m_history, u"Bob"_s, u"00447700900001"_s, u"newer"_s, State::Sent);
    store(u"KORVANE"_s, {{u"FromName"_s, u"Ann Smith"_s}, {u"FromNumber"_s, u"00441632960000"_s}});
    const auto window = makeWindow();
    window->setServiceDescriptionFile(m_dir->filePath(u"absent.wsdl"_s));
    frmHistory *history = openHistory(*window);
    select(*history, {1});
    QTest::mouseClick(child<QPushButton>(*history, "cmdSendAgain"), Qt::LeftButton);

    QCOMPARE(window->ToName, u"Zoë Ancienne"_s);
    QCOMPARE(window->ToNumber, u"00336000000009"_s);
    QCOMPARE(child<QLineEdit>(*window, "tbTo")->text(), u"Zoë Ancienne"_s);
    QCOMPARE(child<QPlainTextEdit>(*window, "tbMessage")->toPlainText(), u"À demain !"_s);
    // Ready to press "Send": the checks pass, and the send is recorded anew.
    QVERIFY(pressSendAndWait(*window));
    const auto newest = m_history->newest(1);
    QVERIFY(newest && newest->size() == 1);
    QCOMPARE(newest->constFirst().recipientNumber, u"00336000000009"_s);
    QCOMPARE(newest->constFirst().message, u"À demain !"_s);
    QCOMPARE(column(*history, HistoryModel::RecipientColumn).size(), 3);
}

void tst_FrmHistory::keyboardReachesEverything()
{
    record(*m_history, u"Bob"_s, u"00447700900001"_s, u"older"_s, State::Sent);
    record(*m_history, u"Cy"_s, u"00447700900002"_s, u"newer"_s, State::Sent);
    const auto window = makeWindow();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    frmHistory *history = openHistory(*window);
    QVERIFY(QTest::qWaitForWindowExposed(history));
    QApplication::setActiveWindow(history);
    auto *list = child<QTableView>(*history, "lvHistory");
    list->setFocus();

    // Ctrl+F goes to the search box.
    QTest::keySequence(history, QKeySequence::Find);
    QCOMPARE(QApplication::focusWidget(), child<QWidget>(*history, "tbSearch"));
    // Enter there goes on to the list; Down and Enter show the next line whole.
    QTest::keyClick(child<QLineEdit>(*history, "tbSearch"), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), list);
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), child<QWidget>(*history, "tbDetailMessage"));
    QCOMPARE(child<QPlainTextEdit>(*history, "tbDetailMessage")->toPlainText(), u"older"_s);
    // Enter on a line is no press of a button: nothing was sent or deleted.
    QCOMPARE(window->ToName, QString());
    QCOMPARE(m_questions, QStringList());

    for (const char *name : {"tbSearch", "lvHistory", "tbDetailMessage", "cmdSendAgain", "cmdDelete", "cmdClear",
                             "cmdExport", "cmdClose"})
        QVERIFY2(!child<QWidget>(*history, name)->accessibleName().isEmpty(), name);
}

// The command line writes to the same file from another process; the
// window's store hears nothing of it, so the window reads again when shown.
void tst_FrmHistory::takesInRowsOfAnotherProcessWhenShown()
{
    record(*m_history, u"Bob"_s, u"00447700900001"_s, u"one"_s, State::Sent);
    const auto window = makeWindow();
    frmHistory *history = openHistory(*window);
    select(*history, {0});
    history->hide();
    {
        HistoryStore other(historyFileName());
        record(other, u"Cy"_s, u"00447700900002"_s, u"from elsewhere"_s, State::Sent);
    }
    QCOMPARE(column(*history, HistoryModel::RecipientColumn), QStringList{u"Bob"_s});
    QCOMPARE(openHistory(*window), history);
    QCOMPARE(column(*history, HistoryModel::RecipientColumn), (QStringList{u"Cy"_s, u"Bob"_s}));
    // The line the user had chosen stays chosen.
    QCOMPARE(child<QPlainTextEdit>(*history, "tbDetailMessage")->toPlainText(), u"one"_s);
}

void tst_FrmHistory::startsOverAnyHistoryFile_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("rows");
    QTest::newRow("no file yet") << u"none"_s << 0;
    QTest::newRow("an empty file") << u"empty"_s << 0;
    QTest::newRow("a file of this version") << u"current"_s << 2;
}

// Whatever history a start finds, the window lists it and records the next send.
void tst_FrmHistory::startsOverAnyHistoryFile()
{
    QFETCH(QString, file);
    QFETCH(int, rows);
    m_history.reset();
    QVERIFY(QDir().mkpath(QFileInfo(historyFileName()).absolutePath()));
    if (file == u"empty") {
        QFile empty(historyFileName());
        QVERIFY(empty.open(QIODevice::WriteOnly));
    } else if (file == u"current") {
        HistoryStore earlier(historyFileName());
        record(earlier, u"Bob"_s, u"00447700900001"_s, u"one"_s, State::Sent);
        record(earlier, u"Cy"_s, u"00447700900002"_s, u"two"_s, State::NotKnown, u"No answer."_s);
    }
    m_history = std::make_unique<HistoryStore>(historyFileName());
    QVERIFY2(m_history->isOpen(), qPrintable(m_history->errorString()));

    const auto window = makeWindow();
    frmHistory *history = openHistory(*window);
    QCOMPARE(column(*history, HistoryModel::RecipientColumn).size(), rows);
    QVERIFY(!child<QLabel>(*history, "lblError")->isVisibleTo(history));

    window->setServiceDescriptionFile(m_dir->filePath(u"absent.wsdl"_s));
    window->FromName = u"Ann Smith"_s;
    window->FromNumber = u"00441632960000"_s;
    window->ToName = u"Di"_s;
    window->ToNumber = u"00447700900004"_s;
    child<QPlainTextEdit>(*window, "tbMessage")->setPlainText(u"recorded"_s);
    QVERIFY(pressSendAndWait(*window));
    // The new row is on top at once, with its outcome.
    QCOMPARE(column(*history, HistoryModel::RecipientColumn).size(), rows + 1);
    QCOMPARE(column(*history, HistoryModel::RecipientColumn).first(), u"Di"_s);
    QCOMPARE(column(*history, HistoryModel::OutcomeColumn).first(), u"Not sent"_s);
}

QTEST_MAIN(tst_FrmHistory)
#include "tst_frmhistory.moc"
