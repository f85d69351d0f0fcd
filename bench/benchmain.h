// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

// A target for one benchmark pair: the program's path must cost at most
// `limit` times its floor, the bare library work that it cannot avoid.
// Benchmark names are "<program>/<arg>" and "<floor>/<arg>"; every argument
// that both ran is compared, or only `argument` when given. A ratio whose
// limit is `reported` is printed without a target and cannot fail. With
// `counter` the medians of that user counter (such as "rss") are compared
// instead of the times.
struct BenchRatio
{
    static constexpr double reported = 0;

    BenchRatio(std::string program, std::string floor, double limit, std::string argument = {},
               std::string counter = {})
        : program(std::move(program))
        , floor(std::move(floor))
        , limit(limit)
        , argument(std::move(argument))
        , counter(std::move(counter))
    {
    }

    std::string program;
    std::string floor;
    double limit = reported;
    std::string argument;
    std::string counter;
};

// Sets up an offscreen QApplication, runs the registered benchmarks (each
// repeated, the repetitions of all of them in random order, compared by
// median) and prints one line per ratio. Returns 0
// when every ratio meets its limit, 1 when one does not, 2 when a benchmark
// failed. `cleanUp` runs after the benchmarks, while the application lives.
int runBenchmarks(int argc, char **argv, const std::vector<BenchRatio> &ratios,
                  const std::function<void()> &cleanUp = {});

// The repetitions every pair runs, so that medians can be compared.
inline constexpr int benchRepetitions = 5;
