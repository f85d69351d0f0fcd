// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the History window does to the history: "Delete" and "Clear history",
// each asked first, and "Export…" of what the search shows.

#include "app/frmhistory.h"
#include "history/historymodel.h"
#include "tests/support/historywindowfixture.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTableView>

using namespace Qt::StringLiterals;
using State = HistoryRecord::State;

class tst_FrmHistoryActions : public QObject, public HistoryWindowFixture
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { setUpHistoryWindowFixture(); }
    void cleanup() { tearDownWindowFixture(); }

    void deleteRemovesSelectedRows_data();
    void deleteRemovesSelectedRows();
    void clearAsksFirst_data();
    void clearAsksFirst();
    void exportWritesWhatTheSearchShows_data();
    void exportWritesWhatTheSearchShows();
};

void tst_FrmHistoryActions::deleteRemovesSelectedRows_data()
{
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QStringList>("left");
    QTest::addColumn<QString>("question");

    const QStringList all{u"Sending"_s, u"C"_s, u"B"_s, u"A"_s};
    QTest::newRow("one row, the button") << QList<int>{2} << true << u"button"_s
                                         << QStringList{u"Sending"_s, u"C"_s, u"A"_s}
                                         << u"Do you want to delete the selected message from the history?"_s;
    QTest::newRow("two rows, the Delete key") << QList<int>{1, 3} << true << u"key"_s
                                              << QStringList{u"Sending"_s, u"B"_s}
                                              << u"Do you want to delete the 2 selected messages from the history?"_s;
    QTest::newRow("answered no") << QList<int>{1} << false << u"button"_s << all
                                 << u"Do you want to delete the selected message from the history?"_s;
    QTest::newRow("every row, one still sending")
        << QList<int>{0, 1, 2, 3} << true << u"button"_s << QStringList{u"Sending"_s}
        << u"Do you want to delete the 3 selected messages from the history? The message still being sent stays "
           "until its outcome is known."_s;
    QTest::newRow("only the row still sending") << QList<int>{0} << true << u"key"_s << all << QString();
}

void tst_FrmHistoryActions::deleteRemovesSelectedRows()
{
    QFETCH(QList<int>, selected);
    QFETCH(bool, answer);
    QFETCH(QString, how);
    QFETCH(QStringList, left);
    QFETCH(QString, question);
    for (const QString &name : {u"A"_s, u"B"_s, u"C"_s})
        record(*m_history, name, u"00447700900001"_s, name, State::Sent);
    record(*m_history, u"Sending"_s, u"00447700900001"_s, u"on its way"_s, State::Sending);
    const auto window = makeWindow();
    frmHistory *history = openHistory(*window);
    m_answer = answer;
    select(*history, selected);
    if (how == u"key") {
        // Keys reach the active window's focus.
        QApplication::setActiveWindow(history);
        child<QTableView>(*history, "lvHistory")->setFocus();
        QTest::keyClick(child<QTableView>(*history, "lvHistory"), Qt::Key_Delete);
    } else
        child<QPushButton>(*history, "cmdDelete")->click();

    QCOMPARE(m_questions, question.isEmpty() ? QStringList() : QStringList{question});
    QCOMPARE(column(*history, HistoryModel::RecipientColumn), left);
    QCOMPARE(m_history->newest(-1)->size(), left.size());
}

void tst_FrmHistoryActions::clearAsksFirst_data()
{
    QTest::addColumn<bool>("sending");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<int>("left");
    QTest::newRow("yes") << false << true << 0;
    QTest::newRow("no") << false << false << 2;
    QTest::newRow("while a message is being sent") << true << true << 2;
}

void tst_FrmHistoryActions::clearAsksFirst()
{
    QFETCH(bool, sending);
    QFETCH(bool, answer);
    QFETCH(int, left);
    record(*m_history, u"A"_s, u"00447700900001"_s, u"one"_s, State::Sent);
    record(*m_history, u"B"_s, u"00447700900002"_s, u"two"_s, State::NotSent);
    const auto window = makeWindow();
    frmHistory *history = openHistory(*window);
    history->setSendInProgress(sending);
    m_answer = answer;
    child<QPushButton>(*history, "cmdClear")->click();

    if (sending) {
        QCOMPARE(m_questions, QStringList());
        QCOMPARE(m_messages, QStringList{u"A message is being sent. The history can be cleared once its outcome is "
                                         "known."_s});
    } else {
        QCOMPARE(m_questions,
                 QStringList{u"Do you want to delete every message in the history? This cannot be undone."_s});
    }
    QCOMPARE(m_history->newest(-1)->size(), left);
    QCOMPARE(column(*history, HistoryModel::RecipientColumn).size(), left);
}

void tst_FrmHistoryActions::exportWritesWhatTheSearchShows_data()
{
    QTest::addColumn<QString>("search");
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("lines"); // with the header; -1: the export fails
    QTest::newRow("everything") << QString() << u"history.csv"_s << 4;
    QTest::newRow("what the search found") << u"carla"_s << u"carla.csv"_s << 2;
    QTest::newRow("cancelled") << QString() << QString() << 0;
    QTest::newRow("a folder in the way") << QString() << u"folder.csv"_s << -1;
}

void tst_FrmHistoryActions::exportWritesWhatTheSearchShows()
{
    QFETCH(QString, search);
    QFETCH(QString, target);
    QFETCH(int, lines);
    record(*m_history, u"Bob"_s, u"00447700900001"_s, u"Hello, \"Bob\""_s, State::Sent);
    record(*m_history, u"Carla"_s, u"00346000000001"_s, u"Hola"_s, State::Sent);
    record(*m_history, u"Dieter"_s, u"00491570000000"_s, u"Hallo"_s, State::NotSent, u"Refused."_s);
    const QString fileName = target.isEmpty() ? QString() : m_dir->filePath(target);
    if (lines < 0)
        QVERIFY(QDir().mkpath(fileName));
    const auto window = makeWindow();
    QStringList asked;
    window->setFileHandler([&](Prompts::FileAction action, const QString &caption, const QString &filter) {
        asked << caption << filter;
        return action == Prompts::FileAction::Save ? fileName : QString();
    });
    frmHistory *history = openHistory(*window);
    QTest::keyClicks(child<QLineEdit>(*history, "tbSearch"), search);
    child<QPushButton>(*history, "cmdExport")->click();

    QCOMPARE(asked, (QStringList{u"Export History"_s, u"CSV files (*.csv)"_s}));
    if (lines < 0) {
        QCOMPARE(m_messages.size(), 1);
        QVERIFY2(m_messages.first().startsWith(u"The history could not be exported. "_s),
                 qPrintable(m_messages.first()));
        return;
    }
    QCOMPARE(m_messages, QStringList());
    if (fileName.isEmpty())
        return;
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> rows = file.readAll().split('\n');
    QCOMPARE(rows.size() - 1, lines); // every line ends with CRLF
    QVERIFY(rows.first().startsWith("id,time,"));
}

QTEST_MAIN(tst_FrmHistoryActions)
#include "tst_frmhistory_actions.moc"
