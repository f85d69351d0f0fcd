// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The recipient rule on one number, once the numbering plans are loaded (the
// first check loads them, before the timing): numbers shorter than 14
// characters, which the plans decide, beside the floor, libphonenumber's own
// Parse and IsValidNumber of the same numbers. Each check must also stay
// under 50 µs of processor time; a benchmark that misses it fails. Numbers of
// 14 characters or more, which never reach the plans, are timed alone.

#include "bench/benchmain.h"
#include "rules/textrules.h"

#include <phonenumbers/phonenumberutil.h>

#include <benchmark/benchmark.h>

#include <QStringList>

#include <ctime>
#include <string>

namespace {

using i18n::phonenumbers::PhoneNumber;
using i18n::phonenumbers::PhoneNumberUtil;

// Mobile numbers of France, Belgium, Switzerland, Australia, Spain, Austria
// and Canada, and a UK number one digit short.
const QStringList &shortNumbers()
{
    static const QStringList numbers{
        QStringLiteral("0033612345678"), QStringLiteral("0032470123456"), QStringLiteral("0041781234567"),
        QStringLiteral("0061412345678"), QStringLiteral("0034612345678"), QStringLiteral("0043664123456"),
        QStringLiteral("0014182626501"), QStringLiteral("0044123456789")};
    return numbers;
}

constexpr double ceilingSeconds = 50e-6;

double processorSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

// Runs `check` over the numbers, one per iteration, and fails the benchmark
// when a check took 50 µs of processor time or more on average.
template <typename Check>
void timeChecks(benchmark::State &state, const QStringList &numbers, Check check)
{
    check(numbers.first()); // loads the plans
    qsizetype next = 0;
    qint64 accepted = 0;
    const double start = processorSeconds();
    for (auto _ : state) {
        accepted += check(numbers.at(next));
        next = (next + 1) % numbers.size();
    }
    const double perCheck = (processorSeconds() - start) / double(state.iterations());
    benchmark::DoNotOptimize(accepted);
    if (perCheck >= ceilingSeconds)
        state.SkipWithError("a check took 50 µs or more");
}

void rule_program(benchmark::State &state)
{
    timeChecks(state, shortNumbers(), [](const QString &number) { return TextRules::isValidRecipientNumber(number); });
}

void rule_floor(benchmark::State &state)
{
    QList<std::string> international;
    for (const QString &number : shortNumbers())
        international.append("+" + number.sliced(2).toStdString());
    const PhoneNumberUtil &util = *PhoneNumberUtil::GetInstance();
    qsizetype next = 0;
    timeChecks(state, shortNumbers(), [&](const QString &) {
        PhoneNumber parsed;
        const std::string &text = international.at(next);
        next = (next + 1) % international.size();
        return util.Parse(text, "ZZ", &parsed) == PhoneNumberUtil::NO_PARSING_ERROR && util.IsValidNumber(parsed);
    });
}

void rule_fourteen(benchmark::State &state)
{
    const QStringList numbers{QStringLiteral("00447700900123"), QStringLiteral("00441111111111"),
                              QStringLiteral("004915123456789")};
    timeChecks(state, numbers, [](const QString &number) { return TextRules::isValidRecipientNumber(number); });
}

void ruleArguments(benchmark::internal::Benchmark *b)
{
    b->Arg(0)->Iterations(5000)->Repetitions(benchRepetitions)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);
}

BENCHMARK(rule_floor)->Apply(ruleArguments);
BENCHMARK(rule_program)->Apply(ruleArguments);
BENCHMARK(rule_fourteen)->Apply(ruleArguments);

} // namespace

int main(int argc, char **argv)
{
    return runBenchmarks(argc, argv, {{"rule_program", "rule_floor", 1.25}});
}
