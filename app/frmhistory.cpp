// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/frmhistory.h"

#include "app/historyoutcomeproxy.h"
#include "app/prompts.h"
#include "common/sentences.h"
#include "forms/windowfont.h"
#include "history/historymodel.h"
#include "history/historystore.h"

#include "ui_frmhistory.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLocale>
#include <QScrollBar>
#include <QShortcut>

#include <algorithm>

namespace {

QString nameAndNumber(const QString &name, const QString &number)
{
    //: A name and, in brackets, its phone number.
    return name.isEmpty() ? number : frmHistory::tr("%1 (%2)").arg(name, number);
}

QString outcomeDetail(const HistoryRecord &record)
{
    QString text = HistoryRecord::stateText(record.state);
    if (record.duration) {
        const QString seconds = QLocale().toString(double(record.duration->count()) / 1000.0, 'f', 1);
        //: An outcome and how long the send took: "Sent after 1.3 s".
        text = frmHistory::tr("%1 after %2 s").arg(text, seconds);
    }
    if (!record.reason.isEmpty()) {
        //: An outcome followed by the sentence that says why.
        text = frmHistory::tr("%1. %2").arg(text, Sentences::sentenceOf(record.reason));
    }
    return text;
}

} // namespace

frmHistory::frmHistory(HistoryStore &store, const Prompts &prompts, QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::frmHistory>())
    , m_store(store)
    , m_prompts(prompts)
    , m_model(new HistoryModel(store, this))
    , m_outcomes(new HistoryOutcomeProxy(this))
{
    m_ui->setupUi(this);
    // The program ends when its main window closes, whether or not this one is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                   | Qt::WindowCloseButtonHint);
    applyWindowFont(this);
    m_outcomes->setSourceModel(m_model);
    setUpList();
    // Leaves room for four lines of the message.
    m_ui->tbDetailMessage->setFixedHeight(fontMetrics().lineSpacing() * 4 + 12);
    createShortcuts();
    connectControls();

    showReadError();
    showDetails();
    updateButtons();
}

frmHistory::~frmHistory() = default;

// The columns take the widths of what they show in the window's font.
void frmHistory::setUpList()
{
    QTableView *list = m_ui->lvHistory;
    list->setModel(m_outcomes);
    list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    list->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    QHeaderView *columns = list->horizontalHeader();
    columns->setSectionResizeMode(QHeaderView::Interactive);
    columns->setSectionResizeMode(HistoryModel::MessageColumn, QHeaderView::Stretch);
    const QString longestTime =
        QLocale().toString(QDateTime(QDate(2026, 12, 28), QTime(23, 59, 59)), QLocale::ShortFormat);
    columns->resizeSection(HistoryModel::TimeColumn, fontMetrics().horizontalAdvance(longestTime) + 24);
    columns->resizeSection(HistoryModel::RecipientColumn, fontMetrics().averageCharWidth() * 22);
    const QString longestOutcome = HistoryRecord::stateText(HistoryRecord::State::NotKnown);
    columns->resizeSection(HistoryModel::OutcomeColumn, fontMetrics().horizontalAdvance(longestOutcome) + 48);
}

void frmHistory::createShortcuts()
{
    auto *find = new QShortcut(QKeySequence::Find, this);
    connect(find, &QShortcut::activated, m_ui->tbSearch, [this] {
        m_ui->tbSearch->setFocus(Qt::ShortcutFocusReason);
        m_ui->tbSearch->selectAll();
    });
    auto *remove = new QShortcut(QKeySequence::Delete, m_ui->lvHistory, nullptr, nullptr, Qt::WidgetShortcut);
    connect(remove, &QShortcut::activated, this, &frmHistory::cmdDelete_Click);
}

void frmHistory::connectControls()
{
    // A send that ends changes its row's outcome under the user's eyes.
    const auto follow = [this] {
        showDetails();
        updateButtons();
    };
    connect(m_model, &QAbstractItemModel::modelReset, this, follow);
    connect(m_model, &QAbstractItemModel::dataChanged, this, follow);
    connect(m_model, &QAbstractItemModel::rowsRemoved, this, &frmHistory::updateButtons);
    QItemSelectionModel *selection = m_ui->lvHistory->selectionModel();
    connect(selection, &QItemSelectionModel::selectionChanged, this, &frmHistory::updateButtons);
    connect(selection, &QItemSelectionModel::currentRowChanged, this, &frmHistory::showDetails);
    connect(m_ui->lvHistory, &QTableView::activated, this, &frmHistory::lvHistory_Activated);
    connect(m_ui->tbSearch, &QLineEdit::textChanged, this, &frmHistory::tbSearch_Change);
    connect(m_ui->tbSearch, &QLineEdit::returnPressed, this, &frmHistory::tbSearch_Return);
    connect(m_ui->cmdSendAgain, &QPushButton::clicked, this, &frmHistory::cmdSendAgain_Click);
    connect(m_ui->cmdDelete, &QPushButton::clicked, this, &frmHistory::cmdDelete_Click);
    connect(m_ui->cmdClear, &QPushButton::clicked, this, &frmHistory::cmdClear_Click);
    connect(m_ui->cmdExport, &QPushButton::clicked, this, &frmHistory::cmdExport_Click);
    connect(m_ui->cmdClose, &QPushButton::clicked, this, &QDialog::close);
}

void frmHistory::showEvent(QShowEvent *event)
{
    if (!m_upToDate)
        refresh();
    // The newest message is shown at once, and the keys start from it.
    if (!m_ui->lvHistory->currentIndex().isValid() && m_outcomes->rowCount() > 0)
        m_ui->lvHistory->selectRow(0);
    QDialog::showEvent(event);
}

void frmHistory::hideEvent(QHideEvent *event)
{
    m_upToDate = false;
    QDialog::hideEvent(event);
}

// While the window is away from the user, another process may write; it is
// read again when the user comes back to it.
void frmHistory::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange) {
        if (!isActiveWindow())
            m_upToDate = false;
        else if (!m_upToDate)
            refresh();
    }
    QDialog::changeEvent(event);
}

void frmHistory::refresh()
{
    QList<qint64> selected;
    for (const HistoryRecord &record : selectedRecords())
        selected.append(record.id);
    const QModelIndex current = m_ui->lvHistory->currentIndex();
    const qint64 currentId = current.isValid() ? current.data(HistoryModel::IdRole).toLongLong() : 0;
    const int scrolledTo = m_ui->lvHistory->verticalScrollBar()->value();
    const int shown = m_model->rowCount();

    m_model->refresh();
    m_upToDate = true;
    while (m_model->rowCount() < shown && m_model->canFetchMore(QModelIndex()))
        m_model->fetchMore(QModelIndex());
    selectIds(selected, currentId);
    m_ui->lvHistory->verticalScrollBar()->setValue(scrolledTo);
    showReadError();
}

void frmHistory::selectIds(const QList<qint64> &ids, qint64 currentId)
{
    QItemSelection selection;
    for (const qint64 id : ids) {
        const int row = m_model->rowOf(id);
        if (row >= 0)
            selection.select(m_outcomes->index(row, 0), m_outcomes->index(row, HistoryModel::ColumnCount - 1));
    }
    QItemSelectionModel *model = m_ui->lvHistory->selectionModel();
    model->select(selection, QItemSelectionModel::ClearAndSelect);
    const int currentRow = currentId > 0 ? m_model->rowOf(currentId) : -1;
    if (currentRow >= 0)
        model->setCurrentIndex(m_outcomes->index(currentRow, 0), QItemSelectionModel::NoUpdate);
}

QList<HistoryRecord> frmHistory::selectedRecords() const
{
    QList<int> rows;
    for (const QModelIndex &index : m_ui->lvHistory->selectionModel()->selectedRows())
        rows.append(m_outcomes->mapToSource(index).row());
    std::sort(rows.begin(), rows.end());
    QList<HistoryRecord> records;
    for (const int row : rows)
        records.append(m_model->record(row));
    return records;
}

void frmHistory::showDetails()
{
    const QModelIndex current = m_ui->lvHistory->currentIndex();
    const HistoryRecord record =
        current.isValid() ? m_model->record(m_outcomes->mapToSource(current).row()) : HistoryRecord();
    const bool shown = record.id > 0;
    m_ui->lblTime->setText(shown ? QLocale().toString(record.time.toLocalTime(), QLocale::LongFormat) : QString());
    m_ui->lblFrom->setText(nameAndNumber(record.senderName, record.senderNumber));
    m_ui->lblTo->setText(nameAndNumber(record.recipientName, record.recipientNumber));
    m_ui->lblOutcome->setText(shown ? outcomeDetail(record) : QString());
    m_ui->lblService->setText(record.endpoint);
    if (m_ui->tbDetailMessage->toPlainText() != record.message)
        m_ui->tbDetailMessage->setPlainText(record.message);
}

void frmHistory::showReadError()
{
    QString text;
    if (!m_store.isOpen())
        text = tr("The history cannot be shown. %1").arg(Sentences::sentenceOf(m_store.errorString()));
    else if (!m_model->errorString().isEmpty())
        text = tr("The history could not be read. %1").arg(Sentences::sentenceOf(m_model->errorString()));
    m_ui->lblError->setText(text);
    m_ui->lblError->setVisible(!text.isEmpty());
}

void frmHistory::updateButtons()
{
    const QList<HistoryRecord> selected = selectedRecords();
    const bool deletable = std::any_of(selected.cbegin(), selected.cend(), [](const HistoryRecord &record) {
        return record.state != HistoryRecord::State::Sending;
    });
    m_ui->cmdSendAgain->setEnabled(selected.size() == 1);
    m_ui->cmdDelete->setEnabled(deletable);
    m_ui->cmdClear->setEnabled(m_store.isOpen());
    m_ui->cmdExport->setEnabled(m_store.isOpen());
}

void frmHistory::tbSearch_Change()
{
    m_model->setFilter(m_ui->tbSearch->text());
    showReadError();
}

// Enter goes on to what the search found, with the line the details show
// selected, so that "Send again", "Delete" and the Delete key act on it.
// Decided before the list takes the focus, which makes its first line
// current without selecting it.
void frmHistory::tbSearch_Return()
{
    QModelIndex shown = m_ui->lvHistory->currentIndex();
    if (!shown.isValid())
        shown = m_outcomes->index(0, 0);
    if (shown.isValid() && !m_ui->lvHistory->selectionModel()->isRowSelected(shown.row()))
        m_ui->lvHistory->selectRow(shown.row());
    m_ui->lvHistory->setFocus(Qt::OtherFocusReason);
}

void frmHistory::lvHistory_Activated()
{
    showDetails();
    m_ui->tbDetailMessage->setFocus(Qt::OtherFocusReason);
}

void frmHistory::cmdSendAgain_Click()
{
    const QList<HistoryRecord> selected = selectedRecords();
    if (selected.size() == 1)
        emit sendAgainRequested(selected.constFirst());
}

void frmHistory::cmdDelete_Click()
{
    // A message still being sent keeps its row: its outcome has yet to be
    // written there, and it is the one record of whether the message went.
    QList<qint64> ids;
    qsizetype sending = 0;
    int firstRow = -1;
    for (const HistoryRecord &record : selectedRecords()) {
        if (record.state == HistoryRecord::State::Sending) {
            ++sending;
            continue;
        }
        ids.append(record.id);
        if (firstRow < 0)
            firstRow = m_model->rowOf(record.id);
    }
    if (ids.isEmpty())
        return;
    QString question = ids.size() == 1
        ? tr("Do you want to delete the selected message from the history?")
        : tr("Do you want to delete the %n selected messages from the history?", nullptr, int(ids.size()));
    if (sending == 1)
        question += u' ' + tr("The message still being sent stays until its outcome is known.");
    else if (sending > 1)
        question += u' ' + tr("The %n messages still being sent stay until their outcomes are known.", nullptr,
                                 int(sending));
    if (!m_prompts.ask(this, question))
        return;
    if (!m_store.remove(ids)) {
        m_prompts.showMessage(
            this, tr("The messages could not be deleted. %1").arg(Sentences::sentenceOf(m_store.errorString())));
        return;
    }
    // The line that took the place of the first deleted one is selected, so
    // that the user can go on deleting from the keyboard.
    const int next = std::min(firstRow, m_outcomes->rowCount() - 1);
    if (next >= 0)
        m_ui->lvHistory->selectRow(next);
}

void frmHistory::cmdClear_Click()
{
    if (m_sendInProgress) {
        m_prompts.showMessage(this, tr("A message is being sent. The history can be cleared once its outcome is "
                                       "known."));
        return;
    }
    if (!m_prompts.ask(this, tr("Do you want to delete every message in the history? This cannot be undone.")))
        return;
    if (!m_store.clear())
        m_prompts.showMessage(
            this, tr("The history could not be cleared. %1").arg(Sentences::sentenceOf(m_store.errorString())));
}

void frmHistory::cmdExport_Click()
{
    // What the search shows is what is exported: everything when it is empty.
    const QString fileName =
        m_prompts.chooseFile(this, Prompts::FileAction::Save, tr("Export History"), tr("CSV files (*.csv)"));
    if (fileName.isEmpty())
        return;
    if (!m_store.exportCsv(fileName, m_model->filter()))
        m_prompts.showMessage(
            this, tr("The history could not be exported. %1").arg(Sentences::sentenceOf(m_store.errorString())));
}
