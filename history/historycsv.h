// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "history/historyrecord.h"

#include <QByteArray>

// The history as CSV (RFC 4180): UTF-8 without a byte-order mark, CRLF line
// ends, a header row, and every text through CsvField::written(), so that a
// spreadsheet never runs a name or a message as a formula. Columns: id,
// time (ISO 8601 in UTC with milliseconds, e.g. 2026-05-01T12:03:04.123Z),
// sender_name, sender_number, recipient_name, recipient_number, message,
// culture, endpoint, state (the state key), reason, duration_ms (empty when
// none).
namespace HistoryCsv {

QByteArray headerLine();
QByteArray line(const HistoryRecord &record);

} // namespace HistoryCsv
