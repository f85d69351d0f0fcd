// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QTemporaryDir>

#include <memory>

class QSqlDatabase;

// One history of 100,000 rows for a whole benchmark run, in the data
// location (on the disk, as the user's is), written in one transaction
// straight into the store's tables (HistoryStore::begin() commits every row
// on its own): 144 recipients, messages of 3 to 24 common words, one in
// twenty not known.
class BenchHistoryFile
{
public:
    static BenchHistoryFile &instance()
    {
        static BenchHistoryFile file(100000);
        return file;
    }

    QString fileName() const { return m_fileName; }
    int count() const { return m_count; }

    // A copy for a benchmark that writes.
    QString copy(const QString &name) const;

private:
    explicit BenchHistoryFile(int count);
    void fill(QSqlDatabase &db) const;

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_fileName;
    int m_count;
};
