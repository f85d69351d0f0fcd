// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "history/historyrecord.h"

#include <QList>
#include <QObject>
#include <QSet>
#include <QString>

#include <chrono>
#include <memory>
#include <optional>

class HistoryFile;
class HistoryReader;

// The record of sent messages: one SQLite file, read and written through Qt
// SQL's QSQLITE driver. It knows nothing of windows; the History window (over
// HistoryModel) and the command line both use it.
//
// Opened when first needed. Constructing a store touches no file: the first
// call that needs the file (isOpen() included) opens it, so that a program
// that sends nothing never loads the SQLite driver or opens the history.
//
// The file. $XDG_DATA_HOME/KORVANE/history.sqlite by default. Folders that
// the store creates are 0700 and a file it creates is 0600; a mode the user
// gave an existing file or folder is kept, except that the history and its
// -wal and -shm files lose every right that others have (0644 becomes 0600),
// which noticed() tells once. Beside it live SQLite's -wal and -shm files and
// "history.sqlite-senders", the lock file described below. The schema's
// version is PRAGMA user_version, and PRAGMA application_id marks the file as
// a KORVANE history: an empty file (version 0) is given the current schema, a
// file of the current version is used as it is. The store refuses, without
// writing to it, anything but a regular file (a symbolic link included, as
// for -wal and -shm), a history of a newer version, a file that is not an
// SQLite database (SQLite itself would take a file shorter than its header
// for an empty database and write over it), another program's SQLite
// database, and a history that holds a trigger, view, table or index that
// KORVANE did not create; isOpen() is then false and errorString() says why.
// The file's SQL is not trusted (PRAGMA trusted_schema=OFF).
//
// Durability. The file is in WAL mode with synchronous=FULL. Each step of a
// send (begin(), finish()) is one transaction, and a COMMIT has written its
// pages into the WAL file before it returns: a program killed at any moment
// leaves every committed row in the file, and SQLite ignores a half-written
// transaction at the next open. FULL also flushes the WAL to the disk at each
// commit, so that a power cut right after "Sent" does not roll the row back.
// (Where the file system cannot hold a WAL, SQLite keeps its rollback
// journal, which is just as safe against a kill.) secure_delete overwrites
// deleted rows in the file.
//
// Sends in flight. begin() writes a row in state "sending" before the request
// leaves and finish() gives it its outcome. Every store holds, for as long as
// it is open, an exclusive lock on one byte of the lock file at a random
// offset that its rows record as their owner. The kernel drops that lock when
// the process ends in any way, SIGKILL included. When a store opens, each row
// still "sending" whose owner's byte nobody holds any more becomes "not known"
// with the reason "the program ended during the send"; a row of another live
// process (the command line sending while the window runs) keeps its state.
// A store that is destroyed with sends it began and did not finish marks them
// the same way, since nobody can finish them afterwards.
//
// Several stores (in one process or several) may use one file at once; each
// write waits up to 5 s for another's to end. A store signals only its own
// changes: call HistoryModel::refresh() to take in what another process
// wrote or deleted.
//
// Threads. A store, and any model over it, is used from the thread that
// created it (a Qt SQL connection belongs to one thread). Each store has a
// connection name of its own and removes it when it is destroyed.
//
// Errors. A call that fails returns false, an empty optional or no id, and
// errorString() then says why in plain words. A write that finds the file
// read-only names the file that cannot be written, and the next call opens
// the file again, so that a history made writable again is used at once.
class HistoryStore final : public QObject
{
    Q_OBJECT

public:
    // The schema this build writes and reads, stored as PRAGMA user_version.
    static constexpr int schemaVersion = 1;

    // $XDG_DATA_HOME/KORVANE/history.sqlite (usually ~/.local/share/KORVANE/).
    static QString defaultFileName();

    // Loads Qt SQL's SQLite driver, and SQLite with it, without opening any
    // file, so that a store opened afterwards loads no library: for a caller
    // that has another library loaded in the background meanwhile, as every
    // library's loading waits for another's to end.
    static void loadDriver();

    // The user's own history, at defaultFileName().
    explicit HistoryStore(QObject *parent = nullptr);
    // A history in the given file, for tests and tools.
    explicit HistoryStore(const QString &fileName, QObject *parent = nullptr);
    ~HistoryStore() override;

    Q_DISABLE_COPY_MOVE(HistoryStore)

    QString fileName() const;
    // Opens the file unless it is open; false when it could not be opened or
    // was refused, and every other call then fails.
    bool isOpen() const;
    // Why the last failed call failed; empty after a success.
    QString errorString() const;

    // Records a send that is about to leave, in state "sending": the sender,
    // recipient, message, culture and endpoint of `send`, and its time when
    // valid (otherwise now). A password in the endpoint is not recorded.
    // Returns the new row's id. When it fails, the caller decides whether to
    // send anyway; the message then goes unrecorded.
    [[nodiscard]] std::optional<qint64> begin(const HistoryRecord &send);

    // Gives a row begun by begin() its outcome (Sent, NotSent or NotKnown),
    // the reason in the user's words and how long the send took. Fails when
    // the row is no longer "sending" (already finished, marked "not known" or
    // deleted meanwhile), so an outcome is never written twice.
    [[nodiscard]] bool finish(qint64 id, HistoryRecord::State outcome, const QString &reason,
                              std::chrono::milliseconds duration);

    // The row with the given id; no value when there is none or on an error
    // (errorString() is empty in the first case).
    std::optional<HistoryRecord> record(qint64 id) const;

    // Which rows records() reads.
    struct Query
    {
        // Only rows whose recipient name, recipient number or message holds
        // this text, ignoring letter case (Unicode case folding). It is
        // matched literally: no character, % _ * ? " included, is a wildcard.
        // Leading and trailing white space and NUL characters are ignored, and
        // only the first SearchTerm::maximumLength characters count; empty
        // matches every row.
        QString filter;
        qint64 olderThan = 0; // only ids below this; 0: no bound
        qint64 newerThan = 0; // only ids above this; 0: no bound
        int limit = -1;       // at most this many rows; negative: all
    };

    // Rows newest first (in the order their sends began, which is their id's
    // order). A filter of three characters or more is answered from a
    // trigram full-text index (which takes new rows in batches of 64; the
    // few newer rows are read directly); a shorter one reads the folded
    // search text of row after row until `limit` rows are found, at worst
    // every row (about 15 ms of CPU at 100,000 rows).
    std::optional<QList<HistoryRecord>> records(const Query &query) const;
    // The newest `limit` rows (all when negative), newest first.
    std::optional<QList<HistoryRecord>> newest(int limit) const;

    // Deletes the rows with these ids (ids that do not exist are skipped).
    [[nodiscard]] bool remove(const QList<qint64> &ids);
    // Deletes every row. Ids go on growing from where they were.
    [[nodiscard]] bool clear();

    // Writes the rows that match `filter` (every row when empty), newest
    // first, as CSV in the layout of HistoryCsv. The file is written through
    // QSaveFile: it is replaced only when the whole export succeeded. A new
    // file is readable by its owner alone (PrivateFile).
    [[nodiscard]] bool exportCsv(const QString &fileName, const QString &filter = QString()) const;

signals:
    // This store's own changes, for HistoryModel and other views.
    void recordAdded(qint64 id);
    void recordChanged(qint64 id);
    void recordsRemoved(const QList<qint64> &ids);
    void cleared();
    // What the store mended on its own when it opened the file and the user
    // is to be told (others could read the history), once per open.
    void noticed(const QString &text);

private:
    bool indexNewRows(qint64 newestId);

    std::unique_ptr<HistoryFile> m_file;
    std::unique_ptr<HistoryReader> m_reader;
    QSet<qint64> m_inFlight; // begun here and not finished yet
};
