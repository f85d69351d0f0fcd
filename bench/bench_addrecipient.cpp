// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Adding a recipient: "Add" with its save, to a book of 1,000 and of 32,766
// entries (the add makes the 32,767th, the most a book keeps), beside its
// floor, a bare QSettings rewrite of the same keys with sync().

#include "app/frmsms.h"
#include "bench/benchfiles.h"
#include "bench/benchmain.h"
#include "history/historystore.h"
#include "settings/settingsstore.h"

#include <QLineEdit>
#include <QListWidget>
#include <QSettings>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

QString addedName() { return QStringLiteral("Zoe Added"); }
QString addedNumber() { return QStringLiteral("00447911123456"); }

void add_floor(benchmark::State &state)
{
    const int count = int(state.range(0));
    QTemporaryDir dir;
    const QString file = BenchFiles::writeStore(dir.filePath(QStringLiteral("floor.conf")), count);
    // The keys and values the add writes: the book with one more entry.
    QStringList keys{QStringLiteral("Count")};
    QStringList values{QString::number(count + 1)};
    for (int i = 1; i <= count + 1; ++i) {
        keys << QString::number(i) + QStringLiteral(".Name") << QString::number(i) + QStringLiteral(".Number");
        values << (i <= count ? BenchFiles::recipientName(i) : addedName())
               << (i <= count ? BenchFiles::recipientNumber(i) : addedNumber());
    }
    QSettings settings(file, QSettings::IniFormat);
    settings.setAtomicSyncRequired(true);
    for (auto _ : state) {
        const auto start = Clock::now();
        settings.beginGroup(QStringLiteral("AddressBook"));
        for (qsizetype i = 0; i < keys.size(); ++i)
            settings.setValue(keys.at(i), values.at(i));
        settings.endGroup();
        settings.sync();
        const auto stop = Clock::now();
        state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
        if (settings.status() != QSettings::NoError) {
            state.SkipWithError("the file could not be written");
            break;
        }
    }
}

void add_program(benchmark::State &state)
{
    const int count = int(state.range(0));
    QTemporaryDir dir;
    SettingsStore store(BenchFiles::writeStore(dir.filePath(QStringLiteral("program.conf")), count));
    HistoryStore history(dir.filePath(QStringLiteral("history.sqlite")));
    frmSMS window(store, history);
    QString message;
    window.setMessageHandler([&message](const QString &text) { message = text; });
    auto *tbToName = window.findChild<QLineEdit *>(QStringLiteral("tbToName"));
    auto *tbToNumber = window.findChild<QLineEdit *>(QStringLiteral("tbToNumber"));
    auto *lstAddressBook = window.findChild<QListWidget *>(QStringLiteral("lstAddressBook"));
    if (!tbToName || !tbToNumber || !lstAddressBook) {
        state.SkipWithError("the address book panel is missing");
        return;
    }
    tbToNumber->setText(addedNumber());
    for (auto _ : state) {
        tbToName->setText(addedName());
        const auto start = Clock::now();
        window.cmdAdd_Click();
        const auto stop = Clock::now();
        state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
        if (!message.isEmpty() || window.AddressBook->Count() != count + 1
            || lstAddressBook->count() != count + 1) {
            state.SkipWithError(message.isEmpty() ? "the recipient was not added" : qPrintable(message));
            break;
        }
        // Back to the book as it was, on disk too: the next add writes its
        // entry again, rather than finding the file already holding it.
        window.AddressBook->Remove(count + 1);
        window.AddressBook->UpdateScreen(lstAddressBook);
        if (!window.AddressBook->Save()) {
            state.SkipWithError("the book could not be saved back");
            break;
        }
    }
}

void addArguments(benchmark::internal::Benchmark *b)
{
    // Each add waits for its file to reach the disk, which on a shared
    // machine takes as long as other writers make it: more repetitions.
    b->Arg(1000)->Arg(32766)->UseManualTime()->Unit(benchmark::kMillisecond)
        ->Repetitions(2 * benchRepetitions - 1)->ReportAggregatesOnly(true);
}

BENCHMARK(add_floor)->Apply(addArguments);
BENCHMARK(add_program)->Apply(addArguments);

} // namespace

int main(int argc, char **argv)
{
    return runBenchmarks(argc, argv, {{"add_program", "add_floor", 1.2}});
}
