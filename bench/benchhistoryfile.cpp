// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bench/benchhistoryfile.h"

#include "history/historystore.h"
#include "history/searchterm.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace {

QString benchFolder()
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    QDir().mkpath(data);
    return data + u"/korvane-bench"_s;
}

} // namespace

BenchHistoryFile::BenchHistoryFile(int count)
    : m_dir(std::make_unique<QTemporaryDir>(benchFolder() + u"-XXXXXX"_s)),
      m_fileName(m_dir->filePath(u"history.sqlite"_s)), m_count(count)
{
    {
        // Opening the file gives it the store's schema.
        const HistoryStore schema(m_fileName);
        if (!schema.isOpen())
            qFatal("%s", qPrintable(schema.errorString()));
    }
    const QString connection = u"bench-fill"_s;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, connection);
        db.setDatabaseName(m_fileName);
        db.open();
        fill(db);
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
}

QString BenchHistoryFile::copy(const QString &name) const
{
    const QString target = m_dir->filePath(name);
    QFile::remove(target);
    QFile::copy(m_fileName, target);
    return target;
}

void BenchHistoryFile::fill(QSqlDatabase &db) const
{
    static const QStringList first{u"Ann"_s, u"Bob"_s, u"Chloé"_s, u"Dieter"_s, u"Eve"_s, u"Farid"_s,
                                   u"Greta"_s, u"Hamish"_s, u"Ines"_s, u"Jürgen"_s, u"Kofi"_s, u"Lena"_s};
    static const QStringList last{u"Smith"_s, u"Jones"_s, u"Martin"_s, u"Müller"_s, u"Adams"_s, u"Rossi"_s,
                                  u"Novak"_s, u"García"_s, u"Okafor"_s, u"Berg"_s, u"Dubois"_s, u"Kowalski"_s};
    static const QStringList words{u"meeting"_s, u"tomorrow"_s, u"lunch"_s, u"call"_s, u"me"_s, u"back"_s,
                                   u"please"_s, u"running"_s, u"late"_s, u"see"_s, u"you"_s, u"soon"_s,
                                   u"the"_s, u"train"_s, u"is"_s, u"delayed"_s, u"at"_s, u"home"_s};
    QRandomGenerator random(20260501);
    QSqlQuery(db).exec(u"PRAGMA synchronous=OFF"_s);
    QSqlQuery(db).exec(u"BEGIN"_s);
    QSqlQuery message(db);
    message.prepare(u"INSERT INTO messages (id, time, sender_name, sender_number, recipient_name,"
                    " recipient_number, message, culture, endpoint, state, reason, duration_ms)"
                    " VALUES (?, ?, 'Alice', '00441234567890', ?, ?, ?, 'en-GB',"
                    " 'http://127.0.0.1:47159/', ?, ?, ?)"_s);
    QSqlQuery search(db);
    search.prepare(u"INSERT INTO message_search (id, text) VALUES (?, ?)"_s);
    QSqlQuery index(db);
    index.prepare(u"INSERT INTO message_search_index (rowid, text) VALUES (?, ?)"_s);
    QDateTime time(QDate(2020, 1, 1), QTime(8, 0), Qt::UTC);
    for (int id = 1; id <= m_count; ++id) {
        // 144 recipients in all, each with one number.
        const int person = int(random.bounded(144));
        const QString name = first.at(person % 12) + u' ' + last.at(person / 12);
        const QString number = u"00447700%1"_s.arg(900000 + person);
        QStringList text;
        for (int n = int(random.bounded(3, 25)); n > 0; --n)
            text.append(words.at(int(random.bounded(words.size()))));
        const QString body = text.join(u' ').left(159);
        const bool sent = random.bounded(20) != 0;
        time = time.addSecs(random.bounded(60, 3600));

        message.bindValue(0, id);
        message.bindValue(1, time.toString(Qt::ISODateWithMs));
        message.bindValue(2, name);
        message.bindValue(3, number);
        message.bindValue(4, body);
        message.bindValue(5, sent ? u"sent"_s : u"not known"_s);
        message.bindValue(6, sent ? u""_s : u"the connection dropped"_s);
        message.bindValue(7, random.bounded(200, 3000));
        message.exec();
        const QString folded = SearchTerm::searchText(name, number, body);
        search.bindValue(0, id);
        search.bindValue(1, folded);
        search.exec();
        index.bindValue(0, id);
        index.bindValue(1, folded);
        index.exec();
    }
    QSqlQuery mark(db);
    mark.prepare(u"UPDATE search_index SET indexed_through = ?"_s);
    mark.addBindValue(m_count);
    mark.exec();
    QSqlQuery(db).exec(u"COMMIT"_s);
}
