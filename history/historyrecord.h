// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QMetaType>
#include <QString>
#include <QStringView>

#include <chrono>
#include <optional>

// One send as the history keeps it: what was sent, to whom, through which
// service, and how it ended.
struct HistoryRecord
{
    // How a send stands. Sending is the state of a row from the moment before
    // the request leaves until its outcome is known; the other three are the
    // outcomes the user is told.
    enum class State { Sending, Sent, NotSent, NotKnown };

    qint64 id = 0;          // > 0 once stored; ids only grow and are never reused
    QDateTime time;         // when "Send" was pressed, in UTC; show it with toLocalTime()
    QString senderName;
    QString senderNumber;
    QString recipientName;
    QString recipientNumber;
    QString message;
    QString culture;        // e.g. "en-GB"
    QString endpoint;       // the service's address, without a password
    State state = State::Sending;
    QString reason;         // the user's words for the outcome; may be empty for Sent
    std::optional<std::chrono::milliseconds> duration; // none while sending or when interrupted

    // The message up to its first line break.
    QString firstLine() const;
    // The recipient's name, or the number when the row has no name.
    QString recipient() const;

    // The text each state is stored and exported as: "sending", "sent",
    // "not sent", "not known". Stable: files and scripts rely on it.
    static QString stateKey(State state);
    static std::optional<State> stateFromKey(QStringView key);
    // The word shown to the user: "Sending", "Sent", "Not sent", "Not known".
    static QString stateText(State state);

    friend bool operator==(const HistoryRecord &, const HistoryRecord &) = default;
};

Q_DECLARE_METATYPE(HistoryRecord)
