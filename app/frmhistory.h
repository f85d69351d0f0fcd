// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// frmHistory is the History window: every message sent, newest first, with
// its time, recipient, first line and outcome, read lazily through
// HistoryModel so that a history of any size opens at once. The selected
// line's whole message, the reason for its outcome and the service it went
// to are shown below the list. The user searches as they type, sends a
// message again (the main window takes its text and recipient), deletes
// messages or the whole history, and exports it as CSV.
//
// The main window creates it on first use and keeps it for the run, as a
// window of its own rather than one kept above the main window. It
// follows the store's own changes as they happen; rows that another process
// (the command line) wrote are taken in whenever the window is shown or
// activated. Every question and message goes through the main window's
// Prompts.

#include "history/historyrecord.h"

#include <QDialog>
#include <QList>

#include <memory>

class HistoryModel;
class HistoryOutcomeProxy;
class HistoryStore;
struct Prompts;

namespace Ui {
class frmHistory;
}

class frmHistory final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmHistory)

public:
    // The store and the prompts must outlive the window.
    frmHistory(HistoryStore &store, const Prompts &prompts, QWidget *parent = nullptr);
    ~frmHistory() override;

    // While the main window's send is under way the history is not cleared,
    // so that its outcome has its row to go to.
    void setSendInProgress(bool sending) { m_sendInProgress = sending; }

    // Reads the history again, taking in other processes' changes, and keeps
    // the selected lines and the place the user had scrolled to.
    void refresh();

public slots:
    void tbSearch_Change();
    void tbSearch_Return();
    void lvHistory_Activated();
    void cmdSendAgain_Click();
    void cmdDelete_Click();
    void cmdClear_Click();
    void cmdExport_Click();

signals:
    // "Send again": the message and recipient of `record`, for the main window.
    void sendAgainRequested(const HistoryRecord &record);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void setUpList();
    void createShortcuts();
    void connectControls();
    void showDetails();
    void showReadError();
    void updateButtons();
    QList<HistoryRecord> selectedRecords() const;
    void selectIds(const QList<qint64> &ids, qint64 currentId);

    std::unique_ptr<Ui::frmHistory> m_ui;
    HistoryStore &m_store;
    const Prompts &m_prompts;
    HistoryModel *m_model = nullptr;
    HistoryOutcomeProxy *m_outcomes = nullptr;
    bool m_sendInProgress = false;
    // Whether the rows shown were read since the user last left the window.
    bool m_upToDate = true;
};
