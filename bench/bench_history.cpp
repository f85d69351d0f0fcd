// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The history of sent messages at 100,000 rows:
// - recording one send (begin() before the request leaves, finish() with the
//   outcome) beside its floor, a bare INSERT and UPDATE in one transaction on
//   a copy of the same file with the same WAL and synchronous settings;
// - opening the history (store and model) and reading its first screen, and
//   one search as the user types it, beside a bare QSqlQueryModel over the
//   same file running the same kind of query.
// The files live where the history does (the data location), so the disk's
// cost of a durable commit is part of the figures.

#include "bench/benchmain.h"
#include "history/historymodel.h"
#include "history/historystore.h"
#include "history/searchterm.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace {

using Clock = std::chrono::steady_clock;

// Lines a table view shows at once in a window of ordinary size.
constexpr int screenRows = 30;

// A search that names a recipient, answered from the trigram index, and a
// two-letter one that matches nothing: the slowest kind, read row by row.
const QString indexedSearch = u"smith"_s;
const QString scannedSearch = u"qx"_s;

QString benchFolder()
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    QDir().mkpath(data);
    return data + u"/korvane-bench"_s;
}

// One history of `count` rows for the whole run, written in one transaction
// straight into the store's tables (begin() commits every row on its own).
class HistoryFile
{
public:
    static HistoryFile &instance()
    {
        static HistoryFile file(100000);
        return file;
    }

    QString fileName() const { return m_fileName; }
    int count() const { return m_count; }

    // A copy for a benchmark that writes.
    QString copy(const QString &name) const
    {
        const QString target = m_dir->filePath(name);
        QFile::remove(target);
        QFile::copy(m_fileName, target);
        return target;
    }

private:
    explicit HistoryFile(int count)
        : m_dir(std::make_unique<QTemporaryDir>(benchFolder() + u"-XXXXXX"_s)),
          m_fileName(m_dir->filePath(u"history.sqlite"_s)), m_count(count)
    {
        {
            const HistoryStore schema(m_fileName);
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

    void fill(QSqlDatabase &db) const
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

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_fileName;
    int m_count;
};

HistoryRecord oneSend()
{
    HistoryRecord send;
    send.senderName = u"Alice"_s;
    send.senderNumber = u"00441234567890"_s;
    send.recipientName = u"Ann Smith"_s;
    send.recipientNumber = u"00447700900000"_s;
    send.message = u"Running late, see you at the station in twenty minutes"_s;
    send.culture = u"en-GB"_s;
    send.endpoint = u"http://127.0.0.1:47159/"_s;
    return send;
}

// A bare connection of its own to a file, removed when done.
class BareConnection
{
public:
    explicit BareConnection(const QString &fileName)
    {
        static int s_count = 0;
        m_name = u"bench-bare-%1"_s.arg(++s_count);
        m_db = QSqlDatabase::addDatabase(u"QSQLITE"_s, m_name);
        m_db.setDatabaseName(fileName);
        m_db.open();
    }
    ~BareConnection()
    {
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_name);
    }
    Q_DISABLE_COPY_MOVE(BareConnection)

    QSqlDatabase &db() { return m_db; }

private:
    QString m_name;
    QSqlDatabase m_db;
};

// What a view does to paint its first screen: the text of every cell.
int readScreen(const QAbstractItemModel &model, int columns)
{
    int characters = 0;
    for (int row = 0; row < std::min(screenRows, model.rowCount()); ++row) {
        for (int column = 0; column < columns; ++column)
            characters += int(model.index(row, column).data().toString().size());
    }
    return characters;
}

void record_floor(benchmark::State &state)
{
    const QString file = HistoryFile::instance().copy(u"record-floor.sqlite"_s);
    BareConnection bare(file);
    QSqlQuery(bare.db()).exec(u"PRAGMA journal_mode=WAL"_s);
    QSqlQuery(bare.db()).exec(u"PRAGMA synchronous=FULL"_s);
    const HistoryRecord send = oneSend();
    QSqlQuery insert(bare.db());
    insert.prepare(u"INSERT INTO messages (time, sender_name, sender_number, recipient_name, recipient_number,"
                   " message, culture, endpoint, state) VALUES (?, ?, ?, ?, ?, ?, ?, ?, 'sending')"_s);
    QSqlQuery update(bare.db());
    update.prepare(u"UPDATE messages SET state = 'sent', reason = '', duration_ms = ? WHERE id = ?"_s);
    for (auto _ : state) {
        const auto start = Clock::now();
        QSqlQuery(bare.db()).exec(u"BEGIN"_s);
        insert.addBindValue(QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs));
        insert.addBindValue(send.senderName);
        insert.addBindValue(send.senderNumber);
        insert.addBindValue(send.recipientName);
        insert.addBindValue(send.recipientNumber);
        insert.addBindValue(send.message);
        insert.addBindValue(send.culture);
        insert.addBindValue(send.endpoint);
        const bool inserted = insert.exec();
        update.addBindValue(1);
        update.addBindValue(insert.lastInsertId());
        const bool updated = update.exec();
        const bool committed = QSqlQuery(bare.db()).exec(u"COMMIT"_s);
        const auto stop = Clock::now();
        state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
        if (!inserted || !updated || !committed) {
            state.SkipWithError("the bare insert and update failed");
            break;
        }
    }
}

void record_program(benchmark::State &state)
{
    HistoryStore store(HistoryFile::instance().copy(u"record-program.sqlite"_s));
    const HistoryRecord send = oneSend();
    for (auto _ : state) {
        const auto start = Clock::now();
        const std::optional<qint64> id = store.begin(send);
        const bool finished = id && store.finish(*id, HistoryRecord::State::Sent, QString(), 1ms);
        const auto stop = Clock::now();
        state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
        if (!finished) {
            state.SkipWithError(qPrintable(store.errorString()));
            break;
        }
    }
}

const QString bareColumns = u"m.id, m.time, m.recipient_name, m.recipient_number, m.message, m.state"_s;

void open_floor(benchmark::State &state)
{
    const QString file = HistoryFile::instance().fileName();
    for (auto _ : state) {
        std::unique_ptr<BareConnection> bare;
        std::unique_ptr<QSqlQueryModel> model;
        const auto start = Clock::now();
        bare = std::make_unique<BareConnection>(file);
        model = std::make_unique<QSqlQueryModel>();
        model->setQuery(u"SELECT "_s + bareColumns + u" FROM messages m ORDER BY m.id DESC"_s, bare->db());
        const int characters = readScreen(*model, 4);
        const auto stop = Clock::now();
        state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
        if (characters == 0) {
            state.SkipWithError("the bare model shows nothing");
            break;
        }
    }
}

void open_program(benchmark::State &state)
{
    const QString file = HistoryFile::instance().fileName();
    for (auto _ : state) {
        std::unique_ptr<HistoryStore> store;
        std::unique_ptr<HistoryModel> model;
        const auto start = Clock::now();
        store = std::make_unique<HistoryStore>(file);
        model = std::make_unique<HistoryModel>(*store);
        const int characters = readScreen(*model, HistoryModel::ColumnCount);
        const auto stop = Clock::now();
        state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
        if (characters == 0) {
            state.SkipWithError(qPrintable(u"the history shows nothing: "_s + store->errorString()));
            break;
        }
    }
}

// The floor runs the query the program runs for the term, through a bare
// QSqlQueryModel on an open connection.
void searchFloor(benchmark::State &state, const QString &filter)
{
    BareConnection bare(HistoryFile::instance().fileName());
    QSqlQueryModel model;
    const SearchTerm term(filter);
    const bool indexed = term.kind() == SearchTerm::Kind::Indexed;
    const QString sql = indexed
        ? u"SELECT "_s + bareColumns + u" FROM message_search_index f CROSS JOIN messages m ON m.id = f.rowid"
                                       " WHERE message_search_index MATCH ? ORDER BY f.rowid DESC"_s
        : u"SELECT "_s + bareColumns + u" FROM message_search s CROSS JOIN messages m ON m.id = s.id"
                                       " WHERE s.text GLOB ? ORDER BY s.id DESC"_s;
    for (auto _ : state) {
        model.setQuery(u"SELECT "_s + bareColumns + u" FROM messages m ORDER BY m.id DESC"_s, bare.db());
        const auto start = Clock::now();
        QSqlQuery query(bare.db());
        query.prepare(sql);
        query.addBindValue(indexed ? term.indexQuery() : term.scanPattern());
        const bool ran = query.exec();
        model.setQuery(std::move(query));
        const int characters = readScreen(model, 4);
        const auto stop = Clock::now();
        state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
        if (!ran || (indexed && characters == 0)) {
            state.SkipWithError("the bare search failed");
            break;
        }
    }
}

void searchProgram(benchmark::State &state, const QString &filter)
{
    HistoryStore store(HistoryFile::instance().fileName());
    HistoryModel model(store);
    for (auto _ : state) {
        model.setFilter(QString());
        const auto start = Clock::now();
        model.setFilter(filter);
        const int characters = readScreen(model, HistoryModel::ColumnCount);
        const auto stop = Clock::now();
        state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
        if (!store.isOpen() || !model.errorString().isEmpty()
            || (SearchTerm(filter).kind() == SearchTerm::Kind::Indexed && characters == 0)) {
            state.SkipWithError(qPrintable(u"the search failed: "_s + store.errorString()));
            break;
        }
    }
}

void search_floor(benchmark::State &state) { searchFloor(state, indexedSearch); }
void search_program(benchmark::State &state) { searchProgram(state, indexedSearch); }
void shortsearch_floor(benchmark::State &state) { searchFloor(state, scannedSearch); }
void shortsearch_program(benchmark::State &state) { searchProgram(state, scannedSearch); }

// The argument is the history's size; every pair runs at 100,000 rows.
void atFullHistory(benchmark::internal::Benchmark *b)
{
    b->Arg(100000)->UseManualTime()->Unit(benchmark::kMillisecond)
        ->Repetitions(benchRepetitions)->ReportAggregatesOnly(true);
}

BENCHMARK(record_floor)->Apply(atFullHistory);
BENCHMARK(record_program)->Apply(atFullHistory);
BENCHMARK(open_floor)->Apply(atFullHistory);
BENCHMARK(open_program)->Apply(atFullHistory);
BENCHMARK(search_floor)->Apply(atFullHistory);
BENCHMARK(search_program)->Apply(atFullHistory);
BENCHMARK(shortsearch_floor)->Apply(atFullHistory);
BENCHMARK(shortsearch_program)->Apply(atFullHistory);

} // namespace

int main(int argc, char **argv)
{
    return runBenchmarks(argc, argv,
                         {
                             // begin() and finish() are two durable commits (the
                             // row must be in the file before the request leaves),
                             // the floor's one transaction a single one: 2 at best.
                             {"record_program", "record_floor", 3.0},
                             {"open_program", "open_floor", 1.5},
                             {"search_program", "search_floor", 1.5},
                             {"shortsearch_program", "shortsearch_floor", 1.5},
                         });
}
