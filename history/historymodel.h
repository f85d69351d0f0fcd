// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "history/historyrecord.h"

#include <QAbstractTableModel>
#include <QList>
#include <QPointer>

#include <optional>

class HistoryStore;

// The history as a table for a view: newest first, fetched lazily in batches
// (a view asks for the next batch through canFetchMore()/fetchMore() as the
// user scrolls), optionally filtered by the search text of
// HistoryStore::Query::filter. Needs no more than a QCoreApplication.
//
// The model follows its store's own changes (a send begun or finished, rows
// deleted, the history cleared) without a reset, so a selection survives a
// send. Rows written by another process appear after refresh().
//
// Columns show the time (local, in the locale's short format), the
// recipient, the message's first line and the outcome's word. Every column
// gives the whole row through RecordRole, and record(row) does the same.
// Icons or colours for the outcome belong to the window (a delegate or a
// proxy model can read StateRole); this model knows no Gui types.
class HistoryModel final : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { TimeColumn, RecipientColumn, MessageColumn, OutcomeColumn, ColumnCount };

    enum Role {
        IdRole = Qt::UserRole + 1, // qint64
        StateRole,                 // HistoryRecord::State
        TimeRole,                  // QDateTime in UTC
        RecordRole,                // HistoryRecord
    };

    // Rows read at a time: a tall screen's worth and more, so that the first
    // screen comes from one query.
    static constexpr int batchSize = 100;

    // The model reads the first batch at once. It must not outlive `store`
    // in use; when the store is gone it shows nothing.
    explicit HistoryModel(HistoryStore &store, QObject *parent = nullptr);
    ~HistoryModel() override;

    Q_DISABLE_COPY_MOVE(HistoryModel)

    QString filter() const { return m_filter; }
    // Shows only the rows that match `text` (as the user types it). Resets the
    // model when the search changes what is matched.
    void setFilter(const QString &text);
    // Reads the rows again from the file, taking in other processes' changes.
    void refresh();

    // The whole row shown on line `row`; an empty record outside the rows.
    HistoryRecord record(int row) const;
    // The line that shows row `id`, or -1 when it is not (yet) fetched.
    int rowOf(qint64 id) const;
    // Why the last read failed; empty when it succeeded.
    QString errorString() const { return m_error; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;

private:
    void reload();
    void takeNewRows();
    void updateRow(qint64 id);
    void dropRows(const QList<qint64> &ids);
    std::optional<QList<HistoryRecord>> read(qint64 olderThan, qint64 newerThan, int limit);

    QPointer<HistoryStore> m_store;
    QString m_filter;
    QList<HistoryRecord> m_rows; // newest first: ids descending
    bool m_atEnd = true;
    QString m_error;
};
