// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A program that begins a send in a history and waits, so that tests can end
// it mid-send as a crash or a kill would.
//   historysender FILE
// Prints the new row's id on a line (0 when it could not begin one, with the
// reason on standard error), then reads lines from standard input: "finish"
// records the outcome "sent" and prints "finished"; "begin" begins another
// send and prints its id in the same way.

#include "history/historystore.h"
#include "tests/support/historysend.h"

#include <QCoreApplication>

#include <cstdio>
#include <iostream>
#include <string>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: historysender FILE\n");
        return 64;
    }
    HistoryStore store(QString::fromLocal8Bit(argv[1]));
    const auto begin = [&store] {
        const std::optional<qint64> id
            = store.begin(historySend(u"Bob"_s, u"00447911123456"_s, u"Sent from another process"_s));
        if (!id)
            std::fprintf(stderr, "%s\n", qPrintable(store.errorString()));
        std::printf("%lld\n", static_cast<long long>(id.value_or(0)));
        std::fflush(stdout);
        return id;
    };
    std::optional<qint64> id = begin();

    for (std::string line; std::getline(std::cin, line);) {
        if (line == "begin") {
            id = begin();
        } else if (line == "finish") {
            if (!id || !store.finish(*id, HistoryRecord::State::Sent, QString(), 42ms)) {
                std::fprintf(stderr, "%s\n", qPrintable(store.errorString()));
                return 1;
            }
            std::printf("finished\n");
            std::fflush(stdout);
        }
    }
    return 0;
}
