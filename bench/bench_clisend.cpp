// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// `korvane send` as a script runs it, from its exec to its exit, to the local
// gateway on loopback, beside its floor: clisendfloor, a small C program that
// does the same durable work with the bare libraries (a row "sending"
// committed to an SQLite file in WAL mode with synchronous=FULL, the same
// request bytes posted with libcurl, the outcome committed). Two more
// programs send the same message to the same gateway and are reported, with
// no target: curl posting the same bytes with the same headers, and a Python
// script with zeep (what a script would otherwise use). The program also
// reads the settings and the service description, which no floor does.

#include "bench/benchfiles.h"
#include "bench/benchmain.h"
#include "soap/soaprequestwriter.h"
#include "soap/wsdlreader.h"
#include "tests/support/gatewayprocess.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

extern char **environ;

namespace {

using Clock = std::chrono::steady_clock;

const QString message = QStringLiteral("Running late, see you at eight.");

// The gateway, and the user's folders of a korvane that sends to it: the
// sender's details, one recipient and the gateway's description as the
// user's own.
struct Setup
{
    GatewayProcess gateway;
    QTemporaryDir home;
    QString bodyFile;
    QString contentType;
    QString soapAction;
    std::vector<std::string> environment;
    QString error;

    Setup()
    {
        if (!gateway.start()) {
            error = gateway.errorString();
            return;
        }
        const QString config = home.filePath(QStringLiteral("config/KORVANE"));
        QDir().mkpath(config);
        BenchFiles::writeStore(config + QStringLiteral("/KORVANE.conf"), 1);
        QFile::copy(gateway.wsdlFile(), config + QStringLiteral("/SendSMS.wsdl"));

        // The request the program writes, for curl to post.
        WsdlReader description;
        std::optional<SoapOperation> operation;
        if (description.readFile(gateway.wsdlFile()))
            operation = description.operation(QStringLiteral("sendSMS"));
        if (!operation) {
            error = QStringLiteral("the gateway's description has no sendSMS");
            return;
        }
        const SoapRequest request = SoapRequestWriter::write(
            *operation, {BenchFiles::senderName(), BenchFiles::senderNumber(), BenchFiles::recipientNumber(1),
                         message, QStringLiteral("en-GB")});
        bodyFile = home.filePath(QStringLiteral("request.xml"));
        QFile body(bodyFile);
        if (!body.open(QIODevice::WriteOnly) || body.write(request.body) != request.body.size()) {
            error = QStringLiteral("the request could not be written");
            return;
        }
        contentType = QString::fromLatin1(request.contentType);
        soapAction = QString::fromLatin1(request.soapActionHeader);

        // No display and no proxy: loopback goes direct, for every program alike.
        for (char **variable = environ; *variable; ++variable) {
            const std::string entry = *variable;
            const std::string name = entry.substr(0, entry.find('='));
            if (name != "DISPLAY" && name != "WAYLAND_DISPLAY" && name != "QT_QPA_PLATFORM"
                && name.find("proxy") == std::string::npos && name.find("PROXY") == std::string::npos
                && name != "XDG_CONFIG_HOME" && name != "XDG_DATA_HOME")
                environment.push_back(entry);
        }
        environment.push_back("XDG_CONFIG_HOME=" + home.filePath(QStringLiteral("config")).toStdString());
        environment.push_back("XDG_DATA_HOME=" + home.filePath(QStringLiteral("data")).toStdString());
    }
};

std::unique_ptr<Setup> s_setup;

Setup &setup()
{
    if (!s_setup)
        s_setup = std::make_unique<Setup>();
    return *s_setup;
}

// Runs a program to its end with its output thrown away; its exit status,
// or -1 when it could not be run or did not exit.
int runProgram(const QStringList &arguments)
{
    std::vector<std::string> words;
    for (const QString &argument : arguments)
        words.push_back(argument.toStdString());
    std::vector<char *> argv;
    for (std::string &word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    std::vector<char *> envp;
    for (std::string &entry : setup().environment)
        envp.push_back(entry.data());
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return -1;
    int status = 0;
    if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

void timeRuns(benchmark::State &state, const QStringList &arguments)
{
    if (!setup().error.isEmpty()) {
        state.SkipWithError(qPrintable(setup().error));
        return;
    }
    for (auto _ : state) {
        const auto start = Clock::now();
        const int status = runProgram(arguments);
        const auto stop = Clock::now();
        state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
        // Untimed: the gateway prints every message, and blocks once its pipe is full.
        QCoreApplication::processEvents();
        if (status != 0) {
            state.SkipWithError(qPrintable(QStringLiteral("%1 ended with status %2").arg(arguments.first()).arg(status)));
            break;
        }
    }
}

void cli_send_program(benchmark::State &state)
{
    timeRuns(state, {QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("korvane")),
                     QStringLiteral("send"), QStringLiteral("--to"), BenchFiles::recipientName(1), message});
}

void cli_send_floor(benchmark::State &state)
{
    const Setup &s = setup();
    QStringList arguments{QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("clisendfloor")),
                          s.home.filePath(QStringLiteral("floor.sqlite")), s.gateway.endpoint().toString(),
                          s.bodyFile, s.contentType};
    if (!s.soapAction.isEmpty())
        arguments.append(s.soapAction);
    timeRuns(state, arguments);
}

void cli_send_curl(benchmark::State &state)
{
    const Setup &s = setup();
    QStringList arguments{QStringLiteral("/usr/bin/curl"), QStringLiteral("--silent"), QStringLiteral("--fail"),
                          QStringLiteral("--output"), QStringLiteral("/dev/null"), QStringLiteral("--compressed"),
                          QStringLiteral("--header"), QStringLiteral("Content-Type: ") + s.contentType,
                          QStringLiteral("--header"), QStringLiteral("Expect:")};
    if (!s.soapAction.isEmpty())
        arguments += {QStringLiteral("--header"), QStringLiteral("SOAPAction: ") + s.soapAction};
    arguments += {QStringLiteral("--data-binary"), QLatin1Char('@') + s.bodyFile, s.gateway.endpoint().toString()};
    timeRuns(state, arguments);
}

void cli_send_zeep(benchmark::State &state)
{
    timeRuns(state, {QStringLiteral("/usr/bin/python3"), QStringLiteral(KORVANE_SOURCE_DIR "/bench/zeep_send.py"),
                     setup().gateway.wsdlFile(), BenchFiles::senderName(), BenchFiles::senderNumber(),
                     BenchFiles::recipientNumber(1), message, QStringLiteral("en-GB")});
}

void options(benchmark::internal::Benchmark *b)
{
    b->Arg(1)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0)
        ->Repetitions(benchRepetitions)->ReportAggregatesOnly(true);
}

BENCHMARK(cli_send_program)->Apply(options);
BENCHMARK(cli_send_floor)->Apply(options);
BENCHMARK(cli_send_curl)->Apply(options);
BENCHMARK(cli_send_zeep)->Apply(options);

} // namespace

int main(int argc, char **argv)
{
    return runBenchmarks(argc, argv,
                         {{"cli_send_program", "cli_send_floor", 1.3},
                          {"cli_send_program", "cli_send_curl", BenchRatio::reported},
                          {"cli_send_program", "cli_send_zeep", BenchRatio::reported}},
                         [] { s_setup.reset(); });
}
