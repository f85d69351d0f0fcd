// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bench/benchmain.h"

#include <QApplication>
#include <QStandardPaths>

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <vector>

namespace {

// Keeps the console output and remembers each benchmark's median time.
class RatioReporter final : public benchmark::ConsoleReporter
{
public:
    // Colours only on a terminal, so that logs stay plain text.
    RatioReporter()
        : ConsoleReporter(isatty(fileno(stdout)) ? OO_Defaults : OO_None)
    {
    }

    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            if (run.error_occurred) {
                m_failed = true;
                continue;
            }
            // Options such as "repeats:5" stay out of the name, so that a
            // program and its floor meet under the same argument.
            const std::string name = run.run_name.args.empty()
                ? run.run_name.function_name
                : run.run_name.function_name + "/" + run.run_name.args;
            const double time = run.GetAdjustedRealTime();
            if (run.run_type == Run::RT_Aggregate) {
                if (run.aggregate_name == "median") {
                    m_medians[name] = time;
                    keepCounters(m_medianCounters[name], run);
                }
            } else {
                // Without repetitions there is no median: the last run stands in.
                m_single[name] = time;
                keepCounters(m_singleCounters[name], run);
            }
        }
    }

    // The time, or the counter when one is named; -1 when not measured.
    double value(const std::string &name, const std::string &counter) const
    {
        if (counter.empty())
            return time(name);
        for (const auto *counters : {&m_medianCounters, &m_singleCounters}) {
            const auto it = counters->find(name);
            if (it == counters->end())
                continue;
            const auto found = it->second.find(counter);
            if (found != it->second.end())
                return found->second;
        }
        return -1;
    }

    double time(const std::string &name) const
    {
        if (const auto it = m_medians.find(name); it != m_medians.end())
            return it->second;
        if (const auto it = m_single.find(name); it != m_single.end())
            return it->second;
        return -1;
    }

    std::vector<std::string> names() const
    {
        std::vector<std::string> result;
        for (const auto &[name, time] : m_medians)
            result.push_back(name);
        for (const auto &[name, time] : m_single) {
            if (!m_medians.contains(name))
                result.push_back(name);
        }
        return result;
    }

    bool failed() const { return m_failed; }

private:
    using Counters = std::map<std::string, double>;

    static void keepCounters(Counters &kept, const Run &run)
    {
        for (const auto &[counter, value] : run.counters)
            kept[counter] = value.value;
    }

    std::map<std::string, double> m_medians;
    std::map<std::string, double> m_single;
    std::map<std::string, Counters> m_medianCounters;
    std::map<std::string, Counters> m_singleCounters;
    bool m_failed = false;
};

} // namespace

int runBenchmarks(int argc, char **argv, const std::vector<BenchRatio> &ratios,
                  const std::function<void()> &cleanUp)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);

    // Repetitions of a program and of its floor run in random order, so that
    // a busy spell of the machine (other builds, another disk's syncs) weighs
    // on both alike rather than on whichever happened to run then.
    std::vector<char *> arguments(argv, argv + argc);
    char interleave[] = "--benchmark_enable_random_interleaving=true";
    arguments.insert(arguments.begin() + 1, interleave);
    argc = int(arguments.size());
    arguments.push_back(nullptr);
    argv = arguments.data();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    if (cleanUp)
        cleanUp();

    int result = reporter.failed() ? 2 : 0;
    std::printf("\n");
    for (const BenchRatio &ratio : ratios) {
        const std::string prefix = ratio.program + "/";
        for (const std::string &name : reporter.names()) {
            if (name.rfind(prefix, 0) != 0)
                continue;
            const std::string argument = name.substr(prefix.size());
            if (!ratio.argument.empty() && argument != ratio.argument)
                continue;
            const double program = reporter.value(name, ratio.counter);
            const double floor = reporter.value(ratio.floor + "/" + argument, ratio.counter);
            if (program <= 0 || floor <= 0)
                continue;
            const double value = program / floor;
            const std::string what = ratio.counter.empty() ? std::string() : " " + ratio.counter;
            if (ratio.limit == BenchRatio::reported) {
                std::printf("RATIO %s/%s%s vs %s: %.3f (reported, no target)\n", ratio.program.c_str(),
                            argument.c_str(), what.c_str(), ratio.floor.c_str(), value);
                continue;
            }
            const bool met = value <= ratio.limit;
            std::printf("RATIO %s/%s%s vs %s: %.3f (target <= %.2f) %s\n", ratio.program.c_str(), argument.c_str(),
                        what.c_str(), ratio.floor.c_str(), value, ratio.limit, met ? "met" : "MISSED");
            if (!met && result == 0)
                result = 1;
        }
    }
    std::fflush(stdout);
    return result;
}
