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

#include "bench/benchhistoryfile.h"
#include "bench/benchmain.h"
#include "history/historymodel.h"
#include "history/historystore.h"
#include "history/searchterm.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlQueryModel>

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
    const QString file = BenchHistoryFile::instance().copy(u"record-floor.sqlite"_s);
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
    HistoryStore store(BenchHistoryFile::instance().copy(u"record-program.sqlite"_s));
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
    const QString file = BenchHistoryFile::instance().fileName();
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
    const QString file = BenchHistoryFile::instance().fileName();
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
    BareConnection bare(BenchHistoryFile::instance().fileName());
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
    HistoryStore store(BenchHistoryFile::instance().fileName());
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
