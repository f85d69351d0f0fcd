// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/historystore.h"

#include "history/historystore_p.h"

#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace {

// A field in double quotes, its quotes doubled, when it holds a comma, a
// quote or a line break (RFC 4180).
QString csvField(const QString &value)
{
    if (!value.contains(u',') && !value.contains(u'"') && !value.contains(u'\n') && !value.contains(u'\r'))
        return value;
    QString quoted = value;
    quoted.replace(u"\""_s, u"\"\""_s);
    return u'"' + quoted + u'"';
}

} // namespace

bool HistoryStore::exportCsv(const QString &fileName, const QString &filter) const
{
    if (!d->open)
        return false;
    d->error.clear();
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        d->error = u"%1 could not be written: %2"_s.arg(fileName, file.errorString());
        return false;
    }
    file.write("id,time,sender_name,sender_number,recipient_name,recipient_number,message,culture,endpoint,"
               "state,reason,duration_ms\r\n");

    // One read transaction: the file shows the history at one moment, even
    // while another process writes.
    if (!d->exec(u"BEGIN"_s))
        return false;
    static constexpr int pageSize = 1000;
    Query page;
    page.filter = filter;
    page.limit = pageSize;
    bool complete = false;
    while (!complete) {
        const std::optional<QList<HistoryRecord>> rows = records(page);
        if (!rows)
            break;
        for (const HistoryRecord &row : *rows) {
            const QStringList fields{
                QString::number(row.id),
                Private::timeText(row.time),
                csvField(row.senderName),
                csvField(row.senderNumber),
                csvField(row.recipientName),
                csvField(row.recipientNumber),
                csvField(row.message),
                csvField(row.culture),
                csvField(row.endpoint),
                csvField(HistoryRecord::stateKey(row.state)),
                csvField(row.reason),
                row.duration ? QString::number(row.duration->count()) : QString(),
            };
            file.write((fields.join(u',') + u"\r\n"_s).toUtf8());
        }
        complete = rows->size() < pageSize;
        if (!rows->isEmpty())
            page.olderThan = rows->constLast().id;
    }
    const QString readError = d->error;
    d->exec(u"COMMIT"_s);
    if (!complete) {
        d->error = readError;
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        d->error = u"%1 could not be written: %2"_s.arg(fileName, file.errorString());
        return false;
    }
    d->error.clear();
    return true;
}
