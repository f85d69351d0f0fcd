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
                if (run.aggregate_name == "median")
                    m_medians[name] = time;
            } else {
                // Without repetitions there is no median: the last run stands in.
                m_single[name] = time;
            }
        }
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
    std::map<std::string, double> m_medians;
    std::map<std::string, double> m_single;
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
            const double program = reporter.time(name);
            const double floor = reporter.time(ratio.floor + "/" + argument);
            if (program <= 0 || floor <= 0)
                continue;
            const double value = program / floor;
            const bool met = value <= ratio.limit;
            std::printf("RATIO %s/%s vs %s: %.3f (target <= %.2f) %s\n", ratio.program.c_str(),
                        argument.c_str(), ratio.floor.c_str(), value, ratio.limit, met ? "met" : "MISSED");
            if (!met && result == 0)
                result = 1;
        }
    }
    std::fflush(stdout);
    return result;
}
