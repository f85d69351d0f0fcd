// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// korvane history: the messages sent, from the window and from the command
// line alike, newest first.

#include "cli/commands.h"
#include "cli/exitstatus.h"
#include "cli/terminal.h"
#include "history/historystore.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace Qt::StringLiterals;

namespace {

// The context of the command's texts for translators.
struct HistoryCommand {
    Q_DECLARE_TR_FUNCTIONS(HistoryCommand)
};

const QString command = u"korvane history"_s;

// The fields of the history's CSV export, under the same names.
QJsonObject jsonOf(const HistoryRecord &record)
{
    return QJsonObject{
        {u"id"_s, record.id},
        {u"time"_s, record.time.toUTC().toString(Qt::ISODateWithMs)},
        {u"sender_name"_s, record.senderName},
        {u"sender_number"_s, record.senderNumber},
        {u"recipient_name"_s, record.recipientName},
        {u"recipient_number"_s, record.recipientNumber},
        {u"message"_s, record.message},
        {u"culture"_s, record.culture},
        {u"endpoint"_s, record.endpoint},
        {u"state"_s, HistoryRecord::stateKey(record.state)},
        {u"reason"_s, record.reason},
        {u"duration_ms"_s, record.duration ? QJsonValue(qint64(record.duration->count())) : QJsonValue()},
    };
}

} // namespace

namespace Commands {

int history(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption json(u"json"_s);
    const QCommandLineOption limit(u"limit"_s, QString(), u"N"_s);
    parser.addOptions({json, limit});
    if (const std::optional<int> done = parse(parser, command, u"history"_s, arguments))
        return *done;
    if (!parser.positionalArguments().isEmpty())
        return usageError(command, HistoryCommand::tr("It takes no arguments but --json and --limit N."));
    int count = -1;
    if (parser.isSet(limit)) {
        bool ok = false;
        count = parser.value(limit).toInt(&ok);
        if (!ok || count < 0 || parser.values(limit).size() > 1)
            return usageError(
                command, HistoryCommand::tr("Give --limit once, with a whole number of messages, such as --limit 10."));
    }

    // A history that was never written is empty; reading it makes no file.
    QList<HistoryRecord> records;
    const QString file = HistoryStore::defaultFileName();
    if (QFileInfo::exists(file) && count != 0) {
        HistoryStore store(file);
        QObject::connect(&store, &HistoryStore::noticed, &store, &Terminal::tell);
        if (!store.isOpen()) {
            Terminal::tell(store.errorString());
            return Failure;
        }
        const std::optional<QList<HistoryRecord>> newest = store.newest(count);
        if (!newest) {
            Terminal::tell(store.errorString());
            return Failure;
        }
        records = *newest;
    }

    if (parser.isSet(json)) {
        QJsonArray rows;
        for (const HistoryRecord &record : std::as_const(records))
            rows.append(jsonOf(record));
        Terminal::printJson(QJsonDocument(rows));
        return Success;
    }
    if (records.isEmpty())
        return Success;
    QList<QStringList> rows{{HistoryCommand::tr("Time"), HistoryCommand::tr("State"), HistoryCommand::tr("To"),
                             HistoryCommand::tr("Number"), HistoryCommand::tr("Message")}};
    for (const HistoryRecord &record : std::as_const(records)) {
        rows.append({record.time.toLocalTime().toString(u"yyyy-MM-dd HH:mm:ss"_s),
                     HistoryRecord::stateText(record.state), record.recipient(), record.recipientNumber,
                     record.message});
    }
    for (const QString &line : Terminal::columns(rows))
        Terminal::print(line);
    return Success;
}

} // namespace Commands
