// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/frmhistory.h"

#include "app/historyoutcomeproxy.h"
#include "app/prompts.h"
#include "common/sentences.h"
#include "forms/windowfont.h"
#include "history/historymodel.h"
#include "history/historystore.h"
#include "soap/soapcallresult.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

QLabel *detailLabel(QWidget *parent, const char *name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    // What the user typed is shown as it is, never read as markup.
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setWordWrap(true);
    return label;
}

QString nameAndNumber(const QString &name, const QString &number)
{
    return name.isEmpty() ? number : u"%1 (%2)"_s.arg(name, number);
}

QString outcomeDetail(const HistoryRecord &record)
{
    QString text = HistoryRecord::stateText(record.state);
    if (record.duration)
        text += u" after %1 s"_s.arg(QLocale().toString(double(record.duration->count()) / 1000.0, 'f', 1));
    if (!record.reason.isEmpty())
        text += u". "_s + Sentences::sentenceOf(record.reason);
    return text;
}

} // namespace

frmHistory::frmHistory(HistoryStore &store, const Prompts &prompts, QWidget *parent)
    : QDialog(parent)
    , m_store(store)
    , m_prompts(prompts)
    , m_model(new HistoryModel(store, this))
    , m_outcomes(new HistoryOutcomeProxy(this))
{
    setObjectName(u"frmHistory"_s);
    setWindowTitle(u"KORVANE History"_s);
    setWindowIcon(QIcon(u":/korvane.png"_s));
    // The program ends when its main window closes, whether or not this one is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                   | Qt::WindowCloseButtonHint);
    setFont(windowFont(8.25));
    setSizeGripEnabled(true);
    m_outcomes->setSourceModel(m_model);
    createControls();
    setTabOrderAndShortcuts();
    resize(760, 500);

    // A send that ends changes its row's outcome under the user's eyes.
    const auto follow = [this] {
        showDetails();
        updateButtons();
    };
    connect(m_model, &QAbstractItemModel::modelReset, this, follow);
    connect(m_model, &QAbstractItemModel::dataChanged, this, follow);
    connect(m_model, &QAbstractItemModel::rowsRemoved, this, &frmHistory::updateButtons);
    connect(lvHistory->selectionModel(), &QItemSelectionModel::selectionChanged, this, &frmHistory::updateButtons);
    connect(lvHistory->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &frmHistory::showDetails);
    connect(lvHistory, &QTableView::activated, this, &frmHistory::lvHistory_Activated);
    connect(tbSearch, &QLineEdit::textChanged, this, &frmHistory::tbSearch_Change);
    // Enter in the search box goes on to what it found.
    connect(tbSearch, &QLineEdit::returnPressed, lvHistory, [this] {
        lvHistory->setFocus();
        if (!lvHistory->currentIndex().isValid() && m_outcomes->rowCount() > 0)
            lvHistory->selectRow(0);
    });
    connect(cmdSendAgain, &QPushButton::clicked, this, &frmHistory::cmdSendAgain_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmHistory::cmdDelete_Click);
    connect(cmdClear, &QPushButton::clicked, this, &frmHistory::cmdClear_Click);
    connect(cmdExport, &QPushButton::clicked, this, &frmHistory::cmdExport_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::close);

    showReadError();
    follow();
}

frmHistory::~frmHistory() = default;

void frmHistory::createControls()
{
    auto *searchCaption = new QLabel(u"Search:"_s, this);
    tbSearch = new QLineEdit(this);
    tbSearch->setObjectName(u"tbSearch"_s);
    tbSearch->setPlaceholderText(u"Name, number or text"_s);
    tbSearch->setClearButtonEnabled(true);
    tbSearch->setAccessibleName(u"Search"_s);
    searchCaption->setBuddy(tbSearch);

    lblError = new QLabel(this);
    lblError->setObjectName(u"lblError"_s);
    lblError->setTextFormat(Qt::PlainText);
    lblError->setWordWrap(true);
    lblError->hide();

    lvHistory = new QTableView(this);
    lvHistory->setObjectName(u"lvHistory"_s);
    lvHistory->setAccessibleName(u"Messages"_s);
    lvHistory->setModel(m_outcomes);
    lvHistory->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvHistory->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lvHistory->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvHistory->setTabKeyNavigation(false);
    lvHistory->setShowGrid(false);
    lvHistory->setWordWrap(false);
    lvHistory->setAlternatingRowColors(true);
    lvHistory->verticalHeader()->hide();
    lvHistory->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    lvHistory->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    QHeaderView *columns = lvHistory->horizontalHeader();
    columns->setHighlightSections(false);
    columns->setSectionResizeMode(QHeaderView::Interactive);
    columns->setSectionResizeMode(HistoryModel::MessageColumn, QHeaderView::Stretch);
    const QString longestTime =
        QLocale().toString(QDateTime(QDate(2026, 12, 28), QTime(23, 59, 59)), QLocale::ShortFormat);
    columns->resizeSection(HistoryModel::TimeColumn, fontMetrics().horizontalAdvance(longestTime) + 24);
    columns->resizeSection(HistoryModel::RecipientColumn, fontMetrics().averageCharWidth() * 22);
    columns->resizeSection(HistoryModel::OutcomeColumn, fontMetrics().horizontalAdvance(u"Not known"_s) + 48);

    auto *details = new QFormLayout;
    details->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    const auto addDetail = [this, details](const QString &caption, QWidget *field) {
        auto *label = new QLabel(caption, this);
        label->setBuddy(field);
        QString name = caption;
        field->setAccessibleName(name.remove(u':'));
        details->addRow(label, field);
    };
    lblFrom = detailLabel(this, "lblFrom");
    lblTo = detailLabel(this, "lblTo");
    lblTime = detailLabel(this, "lblTime");
    lblOutcome = detailLabel(this, "lblOutcome");
    lblService = detailLabel(this, "lblService");
    tbDetailMessage = new QPlainTextEdit(this);
    tbDetailMessage->setObjectName(u"tbDetailMessage"_s);
    tbDetailMessage->setReadOnly(true);
    tbDetailMessage->setTabChangesFocus(true);
    tbDetailMessage->setFixedHeight(fontMetrics().lineSpacing() * 4 + 12);
    addDetail(u"Time:"_s, lblTime);
    addDetail(u"From:"_s, lblFrom);
    addDetail(u"To:"_s, lblTo);
    addDetail(u"Outcome:"_s, lblOutcome);
    addDetail(u"Service:"_s, lblService);
    addDetail(u"Message:"_s, tbDetailMessage);

    const auto makeButton = [this](const char *name, const QString &text) {
        auto *button = new QPushButton(text, this);
        button->setObjectName(QLatin1String(name));
        button->setAccessibleName(QString(text).remove(u'…'));
        // Enter belongs to the list, where it shows a line.
        button->setAutoDefault(false);
        return button;
    };
    cmdSendAgain = makeButton("cmdSendAgain", u"Send again"_s);
    cmdDelete = makeButton("cmdDelete", u"Delete"_s);
    cmdClear = makeButton("cmdClear", u"Clear history"_s);
    cmdExport = makeButton("cmdExport", u"Export…"_s);
    cmdClose = makeButton("cmdClose", u"Close"_s);

    auto *search = new QHBoxLayout;
    search->addWidget(searchCaption);
    search->addWidget(tbSearch, 1);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : {cmdSendAgain, cmdDelete, cmdClear, cmdExport})
        buttons->addWidget(button);
    buttons->addStretch(1);
    buttons->addWidget(cmdClose);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(search);
    layout->addWidget(lblError);
    layout->addWidget(lvHistory, 1);
    layout->addLayout(details);
    layout->addLayout(buttons);
}

void frmHistory::setTabOrderAndShortcuts()
{
    const QList<QWidget *> order = {tbSearch,  lvHistory, tbDetailMessage, cmdSendAgain,
                                    cmdDelete, cmdClear,  cmdExport,       cmdClose};
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);

    auto *find = new QShortcut(QKeySequence::Find, this);
    connect(find, &QShortcut::activated, tbSearch, [this] {
        tbSearch->setFocus(Qt::ShortcutFocusReason);
        tbSearch->selectAll();
    });
    auto *remove = new QShortcut(QKeySequence::Delete, lvHistory, nullptr, nullptr, Qt::WidgetShortcut);
    connect(remove, &QShortcut::activated, this, &frmHistory::cmdDelete_Click);
}

void frmHistory::showEvent(QShowEvent *event)
{
    if (!m_upToDate)
        refresh();
    // The newest message is shown at once, and the keys start from it.
    if (!lvHistory->currentIndex().isValid() && m_outcomes->rowCount() > 0)
        lvHistory->selectRow(0);
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
    const QModelIndex current = lvHistory->currentIndex();
    const qint64 currentId = current.isValid() ? current.data(HistoryModel::IdRole).toLongLong() : 0;
    const int scrolledTo = lvHistory->verticalScrollBar()->value();
    const int shown = m_model->rowCount();

    m_model->refresh();
    m_upToDate = true;
    while (m_model->rowCount() < shown && m_model->canFetchMore(QModelIndex()))
        m_model->fetchMore(QModelIndex());
    selectIds(selected, currentId);
    lvHistory->verticalScrollBar()->setValue(scrolledTo);
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
    QItemSelectionModel *model = lvHistory->selectionModel();
    model->select(selection, QItemSelectionModel::ClearAndSelect);
    const int currentRow = currentId > 0 ? m_model->rowOf(currentId) : -1;
    if (currentRow >= 0)
        model->setCurrentIndex(m_outcomes->index(currentRow, 0), QItemSelectionModel::NoUpdate);
}

QList<HistoryRecord> frmHistory::selectedRecords() const
{
    QList<int> rows;
    for (const QModelIndex &index : lvHistory->selectionModel()->selectedRows())
        rows.append(m_outcomes->mapToSource(index).row());
    std::sort(rows.begin(), rows.end());
    QList<HistoryRecord> records;
    for (const int row : rows)
        records.append(m_model->record(row));
    return records;
}

void frmHistory::showDetails()
{
    const QModelIndex current = lvHistory->currentIndex();
    const HistoryRecord record =
        current.isValid() ? m_model->record(m_outcomes->mapToSource(current).row()) : HistoryRecord();
    const bool shown = record.id > 0;
    lblTime->setText(shown ? QLocale().toString(record.time.toLocalTime(), QLocale::LongFormat) : QString());
    lblFrom->setText(nameAndNumber(record.senderName, record.senderNumber));
    lblTo->setText(nameAndNumber(record.recipientName, record.recipientNumber));
    lblOutcome->setText(shown ? outcomeDetail(record) : QString());
    lblService->setText(record.endpoint);
    if (tbDetailMessage->toPlainText() != record.message)
        tbDetailMessage->setPlainText(record.message);
}

void frmHistory::showReadError()
{
    QString text;
    if (!m_store.isOpen())
        text = u"The history cannot be shown. "_s + Sentences::sentenceOf(m_store.errorString());
    else if (!m_model->errorString().isEmpty())
        text = u"The history could not be read. "_s + Sentences::sentenceOf(m_model->errorString());
    lblError->setText(text);
    lblError->setVisible(!text.isEmpty());
}

void frmHistory::updateButtons()
{
    const QList<HistoryRecord> selected = selectedRecords();
    const bool deletable = std::any_of(selected.cbegin(), selected.cend(), [](const HistoryRecord &record) {
        return record.state != HistoryRecord::State::Sending;
    });
    cmdSendAgain->setEnabled(selected.size() == 1);
    cmdDelete->setEnabled(deletable);
    cmdClear->setEnabled(m_store.isOpen());
    cmdExport->setEnabled(m_store.isOpen());
}

void frmHistory::tbSearch_Change()
{
    m_model->setFilter(tbSearch->text());
    showReadError();
}

void frmHistory::lvHistory_Activated()
{
    showDetails();
    tbDetailMessage->setFocus(Qt::OtherFocusReason);
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
        ? u"Do you want to delete the selected message from the history?"_s
        : u"Do you want to delete the %1 selected messages from the history?"_s.arg(ids.size());
    if (sending == 1)
        question += u" The message still being sent stays until its outcome is known."_s;
    else if (sending > 1)
        question += u" The %1 messages still being sent stay until their outcomes are known."_s.arg(sending);
    if (!m_prompts.ask(this, question))
        return;
    if (!m_store.remove(ids)) {
        m_prompts.showMessage(this, u"The messages could not be deleted. "_s
                                        + Sentences::sentenceOf(m_store.errorString()));
        return;
    }
    // The line that took the place of the first deleted one is selected, so
    // that the user can go on deleting from the keyboard.
    const int next = std::min(firstRow, m_outcomes->rowCount() - 1);
    if (next >= 0)
        lvHistory->selectRow(next);
}

void frmHistory::cmdClear_Click()
{
    if (m_sendInProgress) {
        m_prompts.showMessage(this, u"A message is being sent. The history can be cleared once its outcome is "
                                    "known."_s);
        return;
    }
    if (!m_prompts.ask(this, u"Do you want to delete every message in the history? This cannot be undone."_s))
        return;
    if (!m_store.clear())
        m_prompts.showMessage(this, u"The history could not be cleared. "_s
                                        + Sentences::sentenceOf(m_store.errorString()));
}

void frmHistory::cmdExport_Click()
{
    // What the search shows is what is exported: everything when it is empty.
    const QString fileName = m_prompts.chooseFile(this, Prompts::FileAction::Save, u"Export History"_s,
                                                  u"CSV files (*.csv)"_s);
    if (fileName.isEmpty())
        return;
    if (!m_store.exportCsv(fileName, m_model->filter()))
        m_prompts.showMessage(this, u"The history could not be exported. "_s
                                        + Sentences::sentenceOf(m_store.errorString()));
}
