// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/historyrecord.h"

#include <QCoreApplication>

#include <array>

namespace {

struct StateName
{
    HistoryRecord::State state;
    QStringView key;
    const char *text; // shown, translated
};

//: How a send ended, in the History window's "Outcome" column and the table of "korvane history".
constexpr std::array stateNames{
    StateName{HistoryRecord::State::Sending, u"sending", QT_TRANSLATE_NOOP("HistoryRecord", "Sending")},
    StateName{HistoryRecord::State::Sent, u"sent", QT_TRANSLATE_NOOP("HistoryRecord", "Sent")},
    StateName{HistoryRecord::State::NotSent, u"not sent", QT_TRANSLATE_NOOP("HistoryRecord", "Not sent")},
    StateName{HistoryRecord::State::NotKnown, u"not known", QT_TRANSLATE_NOOP("HistoryRecord", "Not known")},
};

const StateName &nameOf(HistoryRecord::State state)
{
    return stateNames.at(static_cast<std::size_t>(state));
}

} // namespace

QString HistoryRecord::firstLine() const
{
    for (qsizetype i = 0; i < message.size(); ++i) {
        const QChar c = message.at(i);
        if (c == u'\n' || c == u'\r' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            return message.left(i);
    }
    return message;
}

QString HistoryRecord::recipient() const
{
    return recipientName.isEmpty() ? recipientNumber : recipientName;
}

QString HistoryRecord::stateKey(State state)
{
    return nameOf(state).key.toString();
}

std::optional<HistoryRecord::State> HistoryRecord::stateFromKey(QStringView key)
{
    for (const StateName &name : stateNames) {
        if (name.key == key)
            return name.state;
    }
    return std::nullopt;
}

QString HistoryRecord::stateText(State state)
{
    return QCoreApplication::translate("HistoryRecord", nameOf(state).text);
}
