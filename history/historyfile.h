// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "history/ownerlock.h"

#include <QCoreApplication>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>

#include <functional>
#include <optional>

class QDateTime;

// One history file as a database connection: opened at its first use, after
// the checks that keep every other file untouched, brought to the current
// schema, with the sends that a program's end cut off marked. It holds the
// statements prepared for the file, runs its transactions and keeps the
// last error for the store.
//
// A file is refused, without a write to it, when it is not a regular file
// (a symbolic link included), not an SQLite database, another program's
// database, of a newer version, or when it holds a trigger, view, table or
// index that KORVANE did not create. Its SQL is not trusted (PRAGMA
// trusted_schema=OFF), so that a function in it runs only where it cannot
// change anything.
class HistoryFile final
{
    Q_DECLARE_TR_FUNCTIONS(HistoryFile)

public:
    // Where what the open found and mended on its own is told (files that
    // others could read); called at most once per open.
    using NoticeHandler = std::function<void(const QString &)>;

    HistoryFile(const QString &fileName, NoticeHandler tell);
    ~HistoryFile();
    Q_DISABLE_COPY_MOVE(HistoryFile)

    QString fileName() const { return m_fileName; }

    // Opens the file at the first call, and again after a write found it
    // read-only (its mode may have been mended since); whether it can be
    // used. A refused file is not tried again.
    bool use();
    // Whether the file is open now; use() opens it.
    bool isOpen() const { return m_state == State::Open; }

    QSqlDatabase database() const { return m_db; }
    // The byte of the lock file that marks this file's sends as alive.
    qint64 ownerToken() const { return m_ownerLock.token(); }

    // The statement for `sql`, prepared at its first use; null (and the
    // error set) when it cannot be prepared. A caller that reads rows calls
    // finish() when done, so that no read transaction stays open.
    QSqlQuery *prepared(const QString &sql) const;
    bool exec(QSqlQuery &query) const;
    bool exec(const QString &statement) const;

    // Why the last failed call failed; empty after a success.
    QString errorString() const { return m_error; }
    void clearError() const { m_error.clear(); }
    void setError(const QString &text) const { m_error = text; }
    // How much of SQLite's own words an error may carry: none at all where
    // what the user typed went into the statement (the search), which SQLite
    // would only quote back at them.
    enum class Detail { Any, Plain };
    // `what` failed because of `error`: said in plain words where SQLite's
    // code has them, naming the file that cannot be written where the file
    // was found read-only.
    void setError(const QString &what, const QSqlError &error, Detail detail = Detail::Any) const;

    // Marks the rows still "sending" that `owner` began as "not known".
    void markInterrupted(qint64 owner);

    // A time as the file stores it: ISO 8601 in UTC with milliseconds.
    static QString timeText(const QDateTime &time);

    class Transaction;

private:
    enum class State { Unopened, Open, Refused };

    bool open();
    bool checkFiles();
    bool checkExisting();
    bool openConnection();
    bool checkDatabase(bool *isNew, int *version);
    bool prepareFile(int version);
    bool migrate(int fromVersion);
    std::optional<int> pragmaValue(const QString &name);
    std::optional<int> objectCount();
    void recoverInterrupted();
    void close();

    QString m_fileName;
    QString m_connectionName;
    NoticeHandler m_tell;
    QSqlDatabase m_db;
    OwnerLock m_ownerLock;
    State m_state = State::Unopened;
    mutable bool m_foundReadOnly = false;
    mutable QString m_error;
    mutable QHash<QString, QSqlQuery> m_statements;
};

// BEGIN IMMEDIATE takes the write lock at once (waiting for the busy
// timeout), so that a transaction never fails half-way because another
// process wrote first. Rolls back unless committed.
class HistoryFile::Transaction final
{
public:
    explicit Transaction(const HistoryFile &file);
    ~Transaction();
    Q_DISABLE_COPY_MOVE(Transaction)

    bool isActive() const { return m_active; }
    QSqlError error() const { return m_error; }
    bool commit();

private:
    bool run(const QString &statement);

    const HistoryFile &m_file;
    QSqlError m_error;
    bool m_active = false;
};
