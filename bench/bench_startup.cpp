// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up, over settings files of 0, 1,000 and 32,767 recipients, measured
// two ways:
//   - startup_program: the korvane program as a whole, from its exec to its
//     window mapped on an X server, beside startup_floor, a bare Qt program
//     (barelistwindow) that reads the same file with QSettings and maps a
//     window with a list of the stored names, timed the same way. Both run on
//     the xcb platform; scripts/bench gives them an Xvfb server of their own.
//   - load_program: the store's part of start-up in-process: SettingsStore,
//     the sender's details, AddressBookEntries::Load and the list filled,
//     beside load_floor, a bare QSettings read of every key of the same file
//     and QListWidget::addItems.

#include "addressbook/addressbookentries.h"
#include "bench/benchfiles.h"
#include "bench/benchmain.h"
#include "bench/windowmapwatch.h"
#include "settings/settingskeys.h"
#include "settings/settingsstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QSettings>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>

namespace {

using Clock = std::chrono::steady_clock;

// QSettings keeps parsed files in a process-wide cache, and the program
// holds a lock beside its settings: every run starts from a copy of its own,
// as a start-up reads a file it has never seen.
class StoreCopies
{
public:
    explicit StoreCopies(int count)
        : m_master(BenchFiles::writeStore(m_dir.filePath(QStringLiteral("master.conf")), count))
    {
    }

    // A settings file of its own.
    QString next()
    {
        const QString copy = m_dir.filePath(QStringLiteral("copy%1.conf").arg(m_copies++));
        QFile::copy(m_master, copy);
        return copy;
    }

    // A configuration folder of its own, for $XDG_CONFIG_HOME, with the file
    // where the program looks for it.
    QString nextConfigHome()
    {
        const QString home = m_dir.filePath(QStringLiteral("config%1").arg(m_copies++));
        QDir().mkpath(home + QStringLiteral("/KORVANE"));
        QFile::copy(m_master, home + QStringLiteral("/KORVANE/KORVANE.conf"));
        return home;
    }

private:
    QTemporaryDir m_dir;
    QString m_master;
    int m_copies = 0;
};

WindowMapWatch &watch()
{
    static WindowMapWatch s_watch;
    return s_watch;
}

void timeProgram(benchmark::State &state, const QString &name, const QString &language = QStringLiteral("en"))
{
    if (!watch().isConnected()) {
        state.SkipWithError("no X server: run under xvfb-run, as scripts/bench does");
        return;
    }
    const QString program = QDir(QCoreApplication::applicationDirPath()).filePath(name);
    StoreCopies copies(int(state.range(0)));
    QList<double> residentMiB;
    QList<int> libraries;
    for (auto _ : state) {
        const QString home = copies.nextConfigHome();
        WindowMapWatch::Footprint footprint;
        const auto time = watch().timeToWindow(
            program,
            {QStringLiteral("XDG_CONFIG_HOME=") + home, QStringLiteral("QT_QPA_PLATFORM=xcb"),
             QStringLiteral("LANGUAGE=") + language},
            std::chrono::seconds(60), &footprint);
        if (!time) {
            state.SkipWithError("the program mapped no window");
            break;
        }
        state.SetIterationTime(time->count());
        residentMiB.append(footprint.residentMiB);
        libraries.append(footprint.libraries);
        QDir(home).removeRecursively();
    }
    // Each repetition's median, and the repetitions' median of those.
    if (!residentMiB.isEmpty()) {
        std::sort(residentMiB.begin(), residentMiB.end());
        std::sort(libraries.begin(), libraries.end());
        state.counters["rss_MiB"] = residentMiB.at(residentMiB.size() / 2);
        state.counters["libraries"] = libraries.at(libraries.size() / 2);
    }
}

void startup_floor(benchmark::State &state)
{
    timeProgram(state, QStringLiteral("barelistwindow"));
}

void startup_program(benchmark::State &state)
{
    timeProgram(state, QStringLiteral("korvane"));
}

// The same start in German: the program's catalogue and Qt's loaded and
// every text looked up in them.
void startup_program_german(benchmark::State &state)
{
    timeProgram(state, QStringLiteral("korvane"), QStringLiteral("de"));
}

void load_floor(benchmark::State &state)
{
    StoreCopies copies(int(state.range(0)));
    for (auto _ : state) {
        const QString file = copies.next();
        std::unique_ptr<QSettings> settings;
        std::unique_ptr<QListWidget> list;
        const auto start = Clock::now();
        settings = std::make_unique<QSettings>(file, QSettings::IniFormat);
        QStringList names;
        const QStringList keys = settings->allKeys();
        for (const QString &key : keys) {
            const QString value = settings->value(key).toString();
            if (key.endsWith(QLatin1String(".Name")))
                names.append(value);
        }
        list = std::make_unique<QListWidget>();
        list->addItems(names);
        const auto stop = Clock::now();
        state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
        QFile::remove(file);
    }
}

void load_program(benchmark::State &state)
{
    StoreCopies copies(int(state.range(0)));
    for (auto _ : state) {
        const QString file = copies.next();
        std::unique_ptr<SettingsStore> store;
        std::unique_ptr<AddressBookEntries> book;
        std::unique_ptr<QListWidget> list;
        const auto start = Clock::now();
        store = std::make_unique<SettingsStore>(file);
        // What Form_Load reads, in its order, without the window.
        benchmark::DoNotOptimize(store->getSetting(SettingsKeys::senderSection(), SettingsKeys::fromName()));
        benchmark::DoNotOptimize(store->getSetting(SettingsKeys::senderSection(), SettingsKeys::fromNumber()));
        book = std::make_unique<AddressBookEntries>(*store);
        book->Load();
        list = std::make_unique<QListWidget>();
        book->UpdateScreen(list.get());
        const auto stop = Clock::now();
        state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
        if (book->Count() != state.range(0)) {
            state.SkipWithError("the whole book was not loaded");
            break;
        }
        QFile::remove(file);
    }
}

// Whole programs are at the mercy of whatever else the machine does: more
// repetitions (run in random order with the floor's, as every pair is).
void startupArguments(benchmark::internal::Benchmark *b)
{
    b->Arg(0)->Arg(1000)->Arg(32767)->UseManualTime()->Unit(benchmark::kMillisecond)
        ->Repetitions(2 * benchRepetitions - 1)->ReportAggregatesOnly(true);
}

void languageArguments(benchmark::internal::Benchmark *b)
{
    b->Arg(1000)->UseManualTime()->Unit(benchmark::kMillisecond)->Repetitions(2 * benchRepetitions - 1)
        ->ReportAggregatesOnly(true);
}

void loadArguments(benchmark::internal::Benchmark *b)
{
    b->Arg(1000)->Arg(32767)->UseManualTime()->Unit(benchmark::kMillisecond)
        ->Repetitions(benchRepetitions)->ReportAggregatesOnly(true);
}

BENCHMARK(startup_floor)->Apply(startupArguments);
BENCHMARK(startup_program)->Apply(startupArguments);
BENCHMARK(startup_program_german)->Apply(languageArguments);
BENCHMARK(load_floor)->Apply(loadArguments);
BENCHMARK(load_program)->Apply(loadArguments);

} // namespace

int main(int argc, char **argv)
{
    return runBenchmarks(argc, argv,
                         {{"startup_program", "startup_floor", 1.15, "1000"},
                          {"startup_program", "startup_floor", 1.2, "1000", "rss_MiB"},
                          {"startup_program", "startup_floor", 1.5, "0"},
                          {"startup_program", "startup_floor", 1.5, "32767"},
                          {"startup_program", "startup_floor", BenchRatio::reported, "0", "rss_MiB"},
                          {"startup_program", "startup_floor", BenchRatio::reported, "32767", "rss_MiB"},
                          {"startup_program", "startup_floor", BenchRatio::reported, "1000", "libraries"},
                          {"startup_program_german", "startup_program", 1.05, "1000"},
                          {"load_program", "load_floor", 1.7}});
}
