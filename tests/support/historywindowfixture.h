// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the History window's suites share beyond the main window's fixture:
// finished sends recorded in a history, the History window opened from the
// menu bar with every question to the user answered by m_answer and kept in
// m_questions, and a look at its list. A suite derives from QObject and from
// this, and calls setUpHistoryWindowFixture() in init() and
// tearDownWindowFixture() in cleanup().

#include "app/frmhistory.h"
#include "history/historystore.h"
#include "tests/support/historysend.h"
#include "tests/support/windowfixture.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QItemSelectionModel>
#include <QStringList>
#include <QTableView>

#include <chrono>

class HistoryWindowFixture : public WindowFixture
{
protected:
    void setUpHistoryWindowFixture()
    {
        setUpWindowFixture();
        m_questions.clear();
        m_answer = true;
    }

    // Records a send from the sender the suites give the main window,
    // finished with `state` unless that is "sending"; returns its id.
    static qint64 record(HistoryStore &store, const QString &name, const QString &number, const QString &text,
                         HistoryRecord::State state, const QString &reason = QString())
    {
        HistoryRecord row = historySend(name, number, text);
        row.senderName = QStringLiteral("Ann Smith");
        row.senderNumber = QStringLiteral("00441632960000");
        row.endpoint = QStringLiteral("http://127.0.0.1:47159/sms");
        const std::optional<qint64> id = store.begin(row);
        if (!id)
            qFatal("cannot record: %s", qPrintable(store.errorString()));
        if (state != HistoryRecord::State::Sending
            && !store.finish(*id, state, reason, std::chrono::milliseconds(1250)))
            qFatal("cannot finish: %s", qPrintable(store.errorString()));
        return *id;
    }

    // The History window, opened over the main window; a window that does
    // not open ends the suite.
    frmHistory *openHistory(frmSMS &window)
    {
        window.setQuestionHandler([this](const QString &text) {
            m_questions.append(text);
            return m_answer;
        });
        child<QAction>(window, "mnuHistory")->trigger();
        auto *history = window.historyWindow();
        if (!history || !history->isVisible())
            qFatal("the History window did not open");
        return history;
    }

    // The texts of one column of the list, top to bottom.
    static QStringList column(const frmHistory &history, int column)
    {
        const QAbstractItemModel *model = child<QTableView>(history, "lvHistory")->model();
        QStringList texts;
        for (int row = 0; row < model->rowCount(); ++row)
            texts.append(model->index(row, column).data().toString());
        return texts;
    }

    // Selects these lines of the list, the first of them current.
    static void select(frmHistory &history, const QList<int> &rows)
    {
        auto *view = child<QTableView>(history, "lvHistory");
        view->clearSelection();
        for (const int row : rows)
            view->selectionModel()->select(view->model()->index(row, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
        if (!rows.isEmpty())
            view->selectionModel()->setCurrentIndex(view->model()->index(rows.first(), 0),
                                                    QItemSelectionModel::NoUpdate);
    }

    QStringList m_questions;
    bool m_answer = true;
};
