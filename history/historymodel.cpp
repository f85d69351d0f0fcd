// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/historymodel.h"

#include "history/historystore.h"
#include "history/searchterm.h"

#include <QLocale>

#include <algorithm>

HistoryModel::HistoryModel(HistoryStore &store, QObject *parent)
    : QAbstractTableModel(parent), m_store(&store)
{
    connect(&store, &HistoryStore::recordAdded, this, &HistoryModel::takeNewRows);
    connect(&store, &HistoryStore::recordChanged, this, &HistoryModel::updateRow);
    connect(&store, &HistoryStore::recordsRemoved, this, &HistoryModel::dropRows);
    connect(&store, &HistoryStore::cleared, this, &HistoryModel::refresh);
    connect(&store, &QObject::destroyed, this, &HistoryModel::refresh);
    reload();
}

HistoryModel::~HistoryModel() = default;

std::optional<QList<HistoryRecord>> HistoryModel::read(qint64 olderThan, qint64 newerThan, int limit)
{
    if (!m_store)
        return QList<HistoryRecord>();
    auto rows = m_store->records({.filter = m_filter, .olderThan = olderThan, .newerThan = newerThan, .limit = limit});
    m_error = rows ? QString() : m_store->errorString();
    return rows;
}

void HistoryModel::reload()
{
    beginResetModel();
    const auto rows = read(0, 0, batchSize);
    m_rows = rows.value_or(QList<HistoryRecord>());
    m_atEnd = !rows || m_rows.size() < batchSize;
    endResetModel();
}

void HistoryModel::setFilter(const QString &text)
{
    if (text == m_filter)
        return;
    const bool sameSearch = SearchTerm(text).text() == SearchTerm(m_filter).text();
    m_filter = text;
    if (!sameSearch)
        reload();
}

void HistoryModel::refresh()
{
    reload();
}

bool HistoryModel::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && !m_atEnd;
}

void HistoryModel::fetchMore(const QModelIndex &parent)
{
    if (parent.isValid() || m_atEnd)
        return;
    const auto rows = read(m_rows.isEmpty() ? 0 : m_rows.constLast().id, 0, batchSize);
    if (!rows) {
        m_atEnd = true; // a view would otherwise ask again at once, for ever
        return;
    }
    m_atEnd = rows->size() < batchSize;
    if (rows->isEmpty())
        return;
    beginInsertRows(QModelIndex(), int(m_rows.size()), int(m_rows.size() + rows->size() - 1));
    m_rows.append(*rows);
    endInsertRows();
}

// New rows have larger ids than every row shown, so they go on top. Reading
// every row above the newest one shown also takes in rows that another
// process wrote meanwhile.
void HistoryModel::takeNewRows()
{
    if (m_rows.isEmpty()) {
        reload(); // one batch, however many rows there are now
        return;
    }
    const auto rows = read(0, m_rows.constFirst().id, -1);
    if (!rows || rows->isEmpty())
        return;
    beginInsertRows(QModelIndex(), 0, int(rows->size() - 1));
    m_rows = *rows + m_rows;
    endInsertRows();
}

void HistoryModel::updateRow(qint64 id)
{
    const int row = rowOf(id);
    if (row < 0 || !m_store)
        return;
    const std::optional<HistoryRecord> record = m_store->record(id);
    if (!record) {
        if (m_store->errorString().isEmpty())
            dropRows({id});
        return;
    }
    m_rows[row] = *record;
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

void HistoryModel::dropRows(const QList<qint64> &ids)
{
    QList<int> rows;
    for (const qint64 id : ids) {
        if (const int row = rowOf(id); row >= 0)
            rows.append(row);
    }
    // From the bottom up, a run of neighbouring lines at a time.
    std::sort(rows.begin(), rows.end(), std::greater<>());
    for (qsizetype i = 0; i < rows.size();) {
        const int last = rows.at(i);
        int first = last;
        while (++i < rows.size() && rows.at(i) == first - 1)
            first = rows.at(i);
        beginRemoveRows(QModelIndex(), first, last);
        m_rows.remove(first, last - first + 1);
        endRemoveRows();
    }
}

HistoryRecord HistoryModel::record(int row) const
{
    return row >= 0 && row < m_rows.size() ? m_rows.at(row) : HistoryRecord();
}

int HistoryModel::rowOf(qint64 id) const
{
    const auto it = std::lower_bound(m_rows.cbegin(), m_rows.cend(), id,
                                     [](const HistoryRecord &row, qint64 value) { return row.id > value; });
    return it != m_rows.cend() && it->id == id ? int(it - m_rows.cbegin()) : -1;
}

int HistoryModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int HistoryModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant HistoryModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const HistoryRecord &row = m_rows.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case TimeColumn:
            return QLocale().toString(row.time.toLocalTime(), QLocale::ShortFormat);
        case RecipientColumn:
            return row.recipient();
        case MessageColumn:
            return row.firstLine();
        case OutcomeColumn:
            return HistoryRecord::stateText(row.state);
        }
        break;
    case Qt::ToolTipRole:
        switch (index.column()) {
        case TimeColumn:
            return QLocale().toString(row.time.toLocalTime(), QLocale::LongFormat);
        case RecipientColumn:
            return row.recipientNumber;
        case MessageColumn:
            return row.message;
        case OutcomeColumn:
            return row.reason.isEmpty() ? QVariant() : QVariant(row.reason);
        }
        break;
    case IdRole:
        return row.id;
    case StateRole:
        return QVariant::fromValue(row.state);
    case TimeRole:
        return row.time;
    case RecordRole:
        return QVariant::fromValue(row);
    }
    return {};
}

QVariant HistoryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case TimeColumn:
        return tr("Time");
    case RecipientColumn:
        //: The column of whom a message went to.
        return tr("To");
    case MessageColumn:
        return tr("Message");
    case OutcomeColumn:
        return tr("Outcome");
    }
    return {};
}
