// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/historycsv.h"

#include "common/csvfield.h"
#include "history/historyfile.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace HistoryCsv {

QByteArray headerLine()
{
    return "id,time,sender_name,sender_number,recipient_name,recipient_number,message,culture,endpoint,"
           "state,reason,duration_ms\r\n";
}

QByteArray line(const HistoryRecord &record)
{
    const QStringList fields{
        QString::number(record.id),
        HistoryFile::timeText(record.time),
        CsvField::written(record.senderName),
        CsvField::written(record.senderNumber),
        CsvField::written(record.recipientName),
        CsvField::written(record.recipientNumber),
        CsvField::written(record.message),
        CsvField::written(record.culture),
        CsvField::written(record.endpoint),
        CsvField::written(HistoryRecord::stateKey(record.state)),
        CsvField::written(record.reason),
        record.duration ? QString::number(record.duration->count()) : QString(),
    };
    return (fields.join(u',') + u"\r\n"_s).toUtf8();
}

} // namespace HistoryCsv
