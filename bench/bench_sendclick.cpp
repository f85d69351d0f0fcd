// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// One send on loopback, from the click on "Send" (which records the message
// in the history, reads the service description and starts the exchange on
// a thread of its own, while the window goes on) to the outcome told and
// recorded, beside its floor: a bare INSERT committed into an SQLite file,
// a bare libcurl POST of the same request bytes with the same headers to the
// same gateway, on a fresh connection, as every send has, and a bare UPDATE
// committed. Both files are in WAL mode with synchronous=FULL, as the
// history is: the row must be on the disk before the request leaves.

#include "app/frmsms.h"
#include "bench/benchmain.h"
#include "history/historystore.h"
#include "settings/settingsstore.h"
#include "soap/soaprequestwriter.h"
#include "soap/wsdlreader.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <curl/curl.h>

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
        for (const char *name : {"http_proxy", "all_proxy", "ALL_PROXY"})
            qunsetenv(name);
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
    const QByteArray url = operation->endpoint.toEncoded();
    const QByteArray contentType = "Content-Type: " + request.contentType;
    const QByteArray soapAction = "SOAPAction: " + request.soapActionHeader;

    QTemporaryDir dir;
    const QString connection = QStringLiteral("bench-send-floor");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(dir.filePath(QStringLiteral("floor.sqlite")));
        db.open();
        QSqlQuery(db).exec(QStringLiteral("PRAGMA journal_mode=WAL"));
        QSqlQuery(db).exec(QStringLiteral("PRAGMA synchronous=FULL"));
        QSqlQuery(db).exec(QStringLiteral("CREATE TABLE messages (id INTEGER PRIMARY KEY, time TEXT, sender_name TEXT,"
                                          " sender_number TEXT, recipient_number TEXT, message TEXT, culture TEXT,"
                                          " state TEXT, duration_ms INTEGER)"));
    }
    QSqlDatabase db = QSqlDatabase::database(connection);
    QSqlQuery insert(db);
    insert.prepare(QStringLiteral("INSERT INTO messages (time, sender_name, sender_number, recipient_number, message,"
                                  " culture, state) VALUES (?, ?, ?, ?, ?, ?, 'sending')"));
    QSqlQuery update(db);
    update.prepare(QStringLiteral("UPDATE messages SET state = 'sent', duration_ms = ? WHERE id = ?"));

    curl_global_init(CURL_GLOBAL_DEFAULT);
    for (auto _ : state) {
        const auto start = Clock::now();
        insert.addBindValue(QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs));
        for (const QString &text : sendArguments())
            insert.addBindValue(text);
        const bool inserted = insert.exec();
        CURL *curl = curl_easy_init();
        curl_slist *headers = curl_slist_append(nullptr, contentType.constData());
        if (!request.soapActionHeader.isEmpty())
            headers = curl_slist_append(headers, soapAction.constData());
        headers = curl_slist_append(headers, "Expect:");
        QByteArray body;
        curl_easy_setopt(curl, CURLOPT_URL, url.constData());
        curl_easy_setopt(curl, CURLOPT_POSTFIELDS, request.body.constData());
        curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE_LARGE, curl_off_t(request.body.size()));
        curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
        curl_easy_setopt(curl, CURLOPT_FRESH_CONNECT, 1L);
        curl_easy_setopt(curl, CURLOPT_FORBID_REUSE, 1L);
        curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(curl, CURLOPT_PROXY, "");
        curl_easy_setopt(curl, CURLOPT_WRITEDATA, &body);
        curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, +[](char *data, size_t size, size_t count, void *user) {
            static_cast<QByteArray *>(user)->append(data, qsizetype(size * count));
            return size * count;
        });
        const CURLcode code = curl_easy_perform(curl);
        long status = 0;
        curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
        curl_slist_free_all(headers);
        curl_easy_cleanup(curl);
        update.addBindValue(1);
        update.addBindValue(insert.lastInsertId());
        const bool updated = update.exec();
        const auto stop = Clock::now();
        state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
        // Untimed: the gateway prints every message, and blocks once its pipe is full.
        QCoreApplication::processEvents();
        if (code != CURLE_OK || status != 200 || !body.contains("sendSMSResponse") || !inserted || !updated) {
            state.SkipWithError("the gateway did not accept the request, or the row was not written");
            break;
        }
    }
    insert.finish();
    update.finish();
    insert = QSqlQuery();
    update = QSqlQuery();
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(connection);
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
    HistoryStore history(dir.filePath(QStringLiteral("history.sqlite")));
    frmSMS window(store, history);
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
    QEventLoop outcome;
    QObject::connect(&window, &frmSMS::sendFinished, &outcome, &QEventLoop::quit);
    for (auto _ : state) {
        const auto start = Clock::now();
        window.cmdSend_Click();
        if (window.isSending())
            outcome.exec();
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
