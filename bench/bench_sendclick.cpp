// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// One send on loopback, from the click on "Send" (which reads the service
// description and calls the gateway) to the reply, beside its floor, a bare
// QNetworkAccessManager POST of the same request bytes with the same headers
// to the same gateway.

#include "app/frmsms.h"
#include "bench/benchmain.h"
#include "settings/settingsstore.h"
#include "soap/soaprequestwriter.h"
#include "soap/wsdlreader.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

namespace {

using Clock = std::chrono::steady_clock;

const QStringList &sendArguments()
{
    static const QStringList arguments{QStringLiteral("Alice"), QStringLiteral("00441234567890"),
                                       QStringLiteral("00447911123456"),
                                       QStringLiteral("Running late, see you at eight."), QStringLiteral("en-GB")};
    return arguments;
}

// The local gateway on a free port of 127.0.0.1, with its description
// written beside its outbox; stopped when this ends.
class Gateway
{
public:
    Gateway()
    {
        m_process.setProgram(QStringLiteral("/usr/bin/python3"));
        m_process.setArguments({QStringLiteral(KORVANE_SOURCE_DIR "/tools/sms_gateway.py"), QStringLiteral("--port"),
                                QStringLiteral("0"), QStringLiteral("--outbox"),
                                m_dir.filePath(QStringLiteral("outbox.jsonl")), QStringLiteral("--wsdl-out"),
                                wsdlFile()});
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start();
        // Each accepted message is printed on stdout; only the ready line matters.
        QByteArray output;
        const QDeadlineTimer deadline(std::chrono::seconds(30));
        while (!output.contains("listening on") && !deadline.hasExpired()
               && m_process.waitForReadyRead(int(deadline.remainingTime())))
            output += m_process.readAllStandardOutput();
        m_ready = output.contains("listening on");
        QObject::connect(&m_process, &QProcess::readyReadStandardOutput, &m_process,
                         [this] { m_process.readAllStandardOutput(); });
    }

    ~Gateway()
    {
        m_process.terminate();
        if (!m_process.waitForFinished(5000)) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }

    bool isReady() const { return m_ready; }
    QString wsdlFile() const { return m_dir.filePath(QStringLiteral("SendSMS.wsdl")); }

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    bool m_ready = false;
};

std::unique_ptr<Gateway> s_gateway;

// Started on first use, so that a run that filters out both sends starts none.
Gateway &gateway()
{
    if (!s_gateway) {
        // Loopback traffic never goes through a proxy, for the floor as for the program.
        QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
        s_gateway = std::make_unique<Gateway>();
    }
    return *s_gateway;
}

void send_floor(benchmark::State &state)
{
    if (!gateway().isReady()) {
        state.SkipWithError("the gateway did not start");
        return;
    }
    // The request the window sends, written once.
    WsdlReader description;
    std::optional<SoapOperation> operation;
    if (description.readFile(gateway().wsdlFile()))
        operation = description.operation(QStringLiteral("sendSMS"));
    if (!operation) {
        state.SkipWithError("the gateway's description has no sendSMS");
        return;
    }
    const SoapRequest request = SoapRequestWriter::write(*operation, sendArguments());
    QNetworkRequest httpRequest(operation->endpoint);
    httpRequest.setHeader(QNetworkRequest::ContentTypeHeader, request.contentType);
    if (!request.soapActionHeader.isEmpty())
        httpRequest.setRawHeader("SOAPAction", request.soapActionHeader);
    httpRequest.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);

    QNetworkAccessManager network;
    for (auto _ : state) {
        const auto start = Clock::now();
        QNetworkReply *reply = network.post(httpRequest, request.body);
        QEventLoop loop;
        QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(std::chrono::seconds(30), &loop, &QEventLoop::quit);
        if (!reply->isFinished())
            loop.exec(QEventLoop::ExcludeUserInputEvents);
        const QByteArray body = reply->readAll();
        const auto stop = Clock::now();
        state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        reply->deleteLater();
        if (status != 200 || !body.contains("sendSMSResponse")) {
            state.SkipWithError("the gateway did not accept the request");
            break;
        }
    }
}

void send_program(benchmark::State &state)
{
    if (!gateway().isReady()) {
        state.SkipWithError("the gateway did not start");
        return;
    }
    QTemporaryDir dir;
    SettingsStore store(dir.filePath(QStringLiteral("program.conf")));
    if (!store.saveSettings(QStringLiteral("KORVANE"), {{QStringLiteral("FromName"), sendArguments().at(0)},
                                                        {QStringLiteral("FromNumber"), sendArguments().at(1)}})) {
        state.SkipWithError("the sender's details could not be stored");
        return;
    }
    frmSMS window(store);
    QString message;
    window.setMessageHandler([&message](const QString &text) { message = text; });
    window.setServiceDescriptionFile(gateway().wsdlFile());
    window.ToName = QStringLiteral("Bob");
    window.ToNumber = sendArguments().at(2);
    window.culture = sendArguments().at(4);
    auto *tbMessage = window.findChild<QPlainTextEdit *>(QStringLiteral("tbMessage"));
    if (!tbMessage) {
        state.SkipWithError("the message box is missing");
        return;
    }
    tbMessage->setPlainText(sendArguments().at(3));
    for (auto _ : state) {
        const auto start = Clock::now();
        window.cmdSend_Click();
        const auto stop = Clock::now();
        state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
        if (!message.isEmpty()) {
            state.SkipWithError(qPrintable(message));
            break;
        }
    }
}

void sendOptions(benchmark::internal::Benchmark *b)
{
    b->Arg(1)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0)
        ->Repetitions(benchRepetitions)->ReportAggregatesOnly(true);
}

BENCHMARK(send_floor)->Apply(sendOptions);
BENCHMARK(send_program)->Apply(sendOptions);

} // namespace

int main(int argc, char **argv)
{
    return runBenchmarks(argc, argv, {{"send_program", "send_floor", 1.5}}, [] { s_gateway.reset(); });
}
