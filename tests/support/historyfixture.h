// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the history suites share: a history file in a fresh temporary folder,
// created with no umask so that a mode the store sets too wide shows, and a
// connection of the test's own to look at or prepare the file behind the
// store's back. A suite derives from QObject and from HistoryFixture, and
// calls setUpHistoryFixture() in init() and tearDownHistoryFixture() in
// cleanup().

#include "history/historystore.h"
#include "tests/support/historysend.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QVariant>

#include <sys/stat.h>
#include <sys/types.h>

#include <memory>

class RawFile
{
public:
    explicit RawFile(const QString &fileName)
    {
        static int s_count = 0;
        m_name = QStringLiteral("raw-%1").arg(++s_count);
        m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        m_db.setDatabaseName(fileName);
        m_db.open();
    }
    ~RawFile()
    {
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_name);
    }
    Q_DISABLE_COPY_MOVE(RawFile)

    QVariant value(const QString &sql)
    {
        QSqlQuery query(m_db);
        return query.exec(sql) && query.next() ? query.value(0) : QVariant();
    }
    bool exec(const QString &sql) { return QSqlQuery(m_db).exec(sql); }

private:
    QString m_name;
    QSqlDatabase m_db;
};

class HistoryFixture
{
protected:
    void setUpHistoryFixture()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_umask = ::umask(0);
    }

    void tearDownHistoryFixture()
    {
        ::umask(m_umask);
        m_dir.reset();
    }

    QString file() const { return m_dir->filePath(QStringLiteral("KORVANE/history.sqlite")); }

    // Begins a send to `name`; returns its id, 0 when it could not.
    static qint64 beginOne(HistoryStore &store, const QString &name = QStringLiteral("Bob"))
    {
        return store.begin(historySend(name, QStringLiteral("00447911123456"), QStringLiteral("Hello")))
            .value_or(0);
    }

    std::unique_ptr<QTemporaryDir> m_dir;

private:
    mode_t m_umask = 0;
};
