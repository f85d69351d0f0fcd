// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The History window at 100,000 rows, as the user meets it:
// - opening it: the store opened, the window built, shown and painted once,
//   beside its floor, a bare QSqlQueryModel over the same file (newest first)
//   in a bare QTableView of the same size, shown and painted once;
// - a search typed into it, the list painted again, beside the same bare
//   view whose model runs the same full-text query.
// Both paint through QWidget::grab(), so that every cell on the first screen
// is read, on the offscreen platform.

#include "app/frmhistory.h"
#include "app/prompts.h"
#include "bench/benchhistoryfile.h"
#include "bench/benchmain.h"
#include "history/historystore.h"
#include "history/searchterm.h"

#include <QLineEdit>
#include <QPixmap>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QTableView>

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

using Clock = std::chrono::steady_clock;

const QSize windowSize(760, 500);
const QString search = u"smith"_s;
const QString bareColumns = u"m.id, m.time, m.recipient_name, m.message, m.state"_s;

// A bare table of the history: its own connection, a query model, a view.
class BareHistoryView
{
public:
    explicit BareHistoryView(const QString &fileName)
    {
        static int s_count = 0;
        m_name = u"bench-window-bare-%1"_s.arg(++s_count);
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, m_name);
        db.setDatabaseName(fileName);
        db.open();
        m_model = std::make_unique<QSqlQueryModel>();
        m_model->setQuery(u"SELECT "_s + bareColumns + u" FROM messages m ORDER BY m.id DESC"_s, db);
        m_view = std::make_unique<QTableView>();
        m_view->setModel(m_model.get());
        m_view->resize(windowSize);
    }
    ~BareHistoryView()
    {
        m_view.reset();
        m_model.reset();
        QSqlDatabase::database(m_name, false).close();
        QSqlDatabase::removeDatabase(m_name);
    }
    Q_DISABLE_COPY_MOVE(BareHistoryView)

    QTableView &view() { return *m_view; }
    QSqlQueryModel &model() { return *m_model; }
    QSqlDatabase db() const { return QSqlDatabase::database(m_name, false); }

private:
    QString m_name;
    std::unique_ptr<QSqlQueryModel> m_model;
    std::unique_ptr<QTableView> m_view;
};

void openwindow_floor(benchmark::State &state)
{
    const QString file = BenchHistoryFile::instance().fileName();
    for (auto _ : state) {
        std::unique_ptr<BareHistoryView> bare;
        const auto start = Clock::now();
        bare = std::make_unique<BareHistoryView>(file);
        bare->view().show();
        const QPixmap painted = bare->view().grab();
        const auto stop = Clock::now();
        state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
        if (painted.isNull() || bare->model().rowCount() == 0) {
            state.SkipWithError("the bare view shows nothing");
            break;
        }
    }
}

void openwindow_program(benchmark::State &state)
{
    const QString file = BenchHistoryFile::instance().fileName();
    const Prompts prompts;
    for (auto _ : state) {
        std::unique_ptr<HistoryStore> store;
        std::unique_ptr<frmHistory> window;
        const auto start = Clock::now();
        store = std::make_unique<HistoryStore>(file);
        window = std::make_unique<frmHistory>(*store, prompts);
        window->resize(windowSize);
        window->show();
        const QPixmap painted = window->grab();
        const auto stop = Clock::now();
        state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
        if (painted.isNull() || !store->isOpen()) {
            state.SkipWithError(qPrintable(u"the History window shows nothing: "_s + store->errorString()));
            break;
        }
    }
}

void searchwindow_floor(benchmark::State &state)
{
    BareHistoryView bare(BenchHistoryFile::instance().fileName());
    bare.view().show();
    const SearchTerm term(search);
    for (auto _ : state) {
        bare.model().setQuery(u"SELECT "_s + bareColumns + u" FROM messages m ORDER BY m.id DESC"_s, bare.db());
        const auto start = Clock::now();
        QSqlQuery query(bare.db());
        query.prepare(u"SELECT "_s + bareColumns
                      + u" FROM message_search_index f CROSS JOIN messages m ON m.id = f.rowid"
                        " WHERE message_search_index MATCH ? ORDER BY f.rowid DESC"_s);
        query.addBindValue(term.indexQuery());
        const bool ran = query.exec();
        bare.model().setQuery(std::move(query));
        const QPixmap painted = bare.view().grab();
        const auto stop = Clock::now();
        state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
        if (!ran || painted.isNull() || bare.model().rowCount() == 0) {
            state.SkipWithError("the bare search found nothing");
            break;
        }
    }
}

void searchwindow_program(benchmark::State &state)
{
    HistoryStore store(BenchHistoryFile::instance().fileName());
    const Prompts prompts;
    frmHistory window(store, prompts);
    window.resize(windowSize);
    window.show();
    auto *box = window.findChild<QLineEdit *>(u"tbSearch"_s);
    auto *view = window.findChild<QTableView *>(u"lvHistory"_s);
    if (!box || !view) {
        state.SkipWithError("the History window has no search box or list");
        return;
    }
    for (auto _ : state) {
        box->clear();
        const auto start = Clock::now();
        box->setText(search);
        const QPixmap painted = view->grab();
        const auto stop = Clock::now();
        state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
        if (painted.isNull() || view->model()->rowCount() == 0) {
            state.SkipWithError(qPrintable(u"the search found nothing: "_s + store.errorString()));
            break;
        }
    }
}

void atFullHistory(benchmark::internal::Benchmark *b)
{
    b->Arg(100000)->UseManualTime()->Unit(benchmark::kMillisecond)
        ->Repetitions(benchRepetitions)->ReportAggregatesOnly(true);
}

BENCHMARK(openwindow_floor)->Apply(atFullHistory);
BENCHMARK(openwindow_program)->Apply(atFullHistory);
BENCHMARK(searchwindow_floor)->Apply(atFullHistory);
BENCHMARK(searchwindow_program)->Apply(atFullHistory);

} // namespace

int main(int argc, char **argv)
{
    return runBenchmarks(argc, argv,
                         {
                             {"openwindow_program", "openwindow_floor", 1.5},
                             {"searchwindow_program", "searchwindow_floor", 1.5},
                         });
}
