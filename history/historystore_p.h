// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The inside of HistoryStore, shared by its source files: historyfile.cpp
// opens, checks and migrates the file and recovers interrupted sends;
// historystore.cpp writes the rows, historyreading.cpp reads them and
// historyexport.cpp writes them out as CSV.

#include "history/historystore.h"
#include "history/ownerlock.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>

#include <optional>

struct HistoryStore::Private
{
    QString fileName;
    QString connectionName;
    QSqlDatabase db;
    OwnerLock ownerLock;
    QSet<qint64> inFlight; // begun here and not finished yet
    bool open = false;
    mutable QString error;
    // Statements prepared once and kept, by their text.
    mutable QHash<QString, QSqlQuery> statements;
    // The full-text index's mark as last read; the file's may be higher.
    mutable qint64 indexMarkSeen = 0;

    static QString uniqueConnectionName();
    // A time as the file stores it: ISO 8601 in UTC with milliseconds.
    static QString timeText(const QDateTime &time);

    bool openFile();
    bool checkExistingFile();
    bool migrate(int fromVersion);
    std::optional<int> pragmaValue(const QString &name);
    int objectCount();
    void markInterrupted(qint64 owner);
    void recoverInterrupted();

    class Transaction;
    enum class Source { Everything, Index, Scan };
    bool readRows(Source source, const QString &term, qint64 olderThan, qint64 newerThan, int limit,
                  QList<HistoryRecord> *rows) const;
    std::optional<qint64> indexedThrough() const;
    bool indexNewRows(qint64 newestId);

    QSqlQuery *prepared(const QString &sql) const;
    bool exec(QSqlQuery &query) const;
    bool exec(const QString &statement) const;
    void setError(const QString &what, const QSqlError &error) const;
};

// BEGIN IMMEDIATE takes the write lock at once (waiting for the busy
// timeout), so that a transaction never fails half-way because another
// process wrote first. Rolls back unless committed.
class HistoryStore::Private::Transaction
{
public:
    explicit Transaction(const Private &store) : m_store(store)
    {
        m_active = run(QStringLiteral("BEGIN IMMEDIATE"));
    }
    ~Transaction()
    {
        if (m_active)
            run(QStringLiteral("ROLLBACK"));
    }
    Q_DISABLE_COPY_MOVE(Transaction)

    bool isActive() const { return m_active; }
    QSqlError error() const { return m_error; }

    bool commit()
    {
        if (!run(QStringLiteral("COMMIT")))
            return false;
        m_active = false;
        return true;
    }

private:
    bool run(const QString &statement)
    {
        QSqlQuery *query = m_store.prepared(statement);
        if (query && query->exec())
            return true;
        m_error = query ? query->lastError() : QSqlError(m_store.error, QString());
        return false;
    }

    const Private &m_store;
    QSqlError m_error;
    bool m_active = false;
};
