// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The History window activated on a real X server (Xvfb) and used from the
// keyboard alone, where the list's taking the focus makes a line current on
// its own.

#include "app/frmhistory.h"
#include "history/historymodel.h"
#include "tests/support/historywindowfixture.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QTableView>

using namespace Qt::StringLiterals;
using State = HistoryRecord::State;

class tst_FrmHistoryActivation : public QObject, public HistoryWindowFixture
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { setUpHistoryWindowFixture(); }
    void cleanup() { tearDownWindowFixture(); }

    void enterAfterASearchSelectsWhatItShows();
};

void tst_FrmHistoryActivation::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    if (QGuiApplication::platformName() != u"xcb"_s)
        QSKIP("Needs an X server: run under xvfb-run with QT_QPA_PLATFORM=xcb.");
}

// Search, Enter, and the line the details show is the one "Send again",
// "Delete" and the Delete key act on.
void tst_FrmHistoryActivation::enterAfterASearchSelectsWhatItShows()
{
    record(*m_history, u"Ann"_s, u"00447700900001"_s, u"hello ann"_s, State::Sent);
    record(*m_history, u"Bob"_s, u"00447700900002"_s, u"hello bob"_s, State::Sent);
    record(*m_history, u"Ann"_s, u"00447700900001"_s, u"hello again"_s, State::Sent);
    const auto window = makeWindow();
    frmHistory *history = openHistory(*window);
    QVERIFY(QTest::qWaitForWindowActive(history));

    QTest::keySequence(history, QKeySequence::Find);
    QTRY_COMPARE(QApplication::focusWidget(), child<QWidget>(*history, "tbSearch"));
    QTest::keyClicks(QApplication::focusWidget(), u"bob"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);

    auto *list = child<QTableView>(*history, "lvHistory");
    QTRY_COMPARE(QApplication::focusWidget(), list);
    QCOMPARE(child<QPlainTextEdit>(*history, "tbDetailMessage")->toPlainText(), u"hello bob"_s);
    QVERIFY(child<QPushButton>(*history, "cmdSendAgain")->isEnabled());
    QVERIFY(child<QPushButton>(*history, "cmdDelete")->isEnabled());
    QTest::keyClick(list, Qt::Key_Delete);
    QCOMPARE(m_questions, QStringList{u"Do you want to delete the selected message from the history?"_s});
    QCOMPARE(column(*history, HistoryModel::RecipientColumn), QStringList());
    QCOMPARE(m_history->newest(-1)->size(), 2);
}

QTEST_MAIN(tst_FrmHistoryActivation)
#include "tst_frmhistory_activation.moc"
