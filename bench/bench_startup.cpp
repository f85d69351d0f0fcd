// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up: the main window over a settings file of 0, 1,000 and 32,767
// recipients, beside its floor, a bare QSettings read of every key of the
// same file plus QListWidget::addItems of the same names.

#include "app/frmsms.h"
#include "bench/benchfiles.h"
#include "bench/benchmain.h"
#include "settings/settingsstore.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QSettings>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

namespace {

using Clock = std::chrono::steady_clock;

// QSettings keeps parsed files in a process-wide cache; a start-up reads a
// file it has never seen. Every iteration therefore opens its own copy.
class StoreCopies
{
public:
    explicit StoreCopies(int count)
        : m_master(BenchFiles::writeStore(m_dir.filePath(QStringLiteral("master.conf")), count))
    {
    }

    QString next()
    {
        const QString copy = m_dir.filePath(QStringLiteral("copy%1.conf").arg(m_copies++));
        QFile::copy(m_master, copy);
        return copy;
    }

private:
    QTemporaryDir m_dir;
    QString m_master;
    int m_copies = 0;
};

void startup_floor(benchmark::State &state)
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

void startup_program(benchmark::State &state)
{
    StoreCopies copies(int(state.range(0)));
    for (auto _ : state) {
        const QString file = copies.next();
        std::unique_ptr<SettingsStore> store;
        std::unique_ptr<frmSMS> window;
        const auto start = Clock::now();
        store = std::make_unique<SettingsStore>(file);
        window = std::make_unique<frmSMS>(*store);
        const auto stop = Clock::now();
        state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
        if (window->AddressBook->Count() != state.range(0)) {
            state.SkipWithError("the window did not load the whole book");
            break;
        }
        window.reset();
        QFile::remove(file);
    }
}

void startupArguments(benchmark::internal::Benchmark *b)
{
    b->Arg(0)->Arg(1000)->Arg(32767)->UseManualTime()->Unit(benchmark::kMillisecond)
        ->Repetitions(benchRepetitions)->ReportAggregatesOnly(true);
}

BENCHMARK(startup_floor)->Apply(startupArguments);
BENCHMARK(startup_program)->Apply(startupArguments);

} // namespace

int main(int argc, char **argv)
{
    return runBenchmarks(argc, argv, {{"startup_program", "startup_floor", 1.2}});
}
