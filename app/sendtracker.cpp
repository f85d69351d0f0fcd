// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/sendtracker.h"

#include "app/frmfinishing.h"
#include "history/historystore.h"
#include "sending/outgoingmessage.h"

#include <QLabel>
#include <QLocale>
#include <QRegularExpression>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace {

QString sendingPattern()
{
    //: The status line while a message is on its way; %1 is the recipient.
    return SendTracker::tr("Sending to %1…");
}

// %1 is the recipient, %2 the time the message was sent.
QString outcomePattern(MessageSend::Outcome outcome)
{
    switch (outcome) {
    case MessageSend::Outcome::Sent:
        return SendTracker::tr("Sent to %1 at %2");
    case MessageSend::Outcome::NotSent:
        return SendTracker::tr("Not sent to %1 at %2");
    case MessageSend::Outcome::NotKnown:
        break;
    }
    return SendTracker::tr("Not known whether sent to %1 at %2");
}

// The hour and minute in the user's own form ("14:05", "2:05 PM"): the
// locale's short time, less any seconds that its form carries.
QString timeText(const QDateTime &time)
{
    static const QRegularExpression seconds(u"[:.]s+|s+[:.]?"_s);
    QString format = QLocale().timeFormat(QLocale::ShortFormat);
    format.remove(seconds);
    return QLocale().toString(time.toLocalTime().time(), format.trimmed());
}

// A name on one line: the status line has room for no more.
QString oneLine(const QString &name)
{
    return name.simplified();
}

} // namespace

SendTracker::SendTracker(HistoryStore &history, QLabel &statusLine, QObject *parent)
    : QObject(parent)
    , m_history(history)
    , m_statusLine(statusLine)
{
}

SendTracker::~SendTracker() = default;

bool SendTracker::isSending() const
{
    return m_send && !m_send->isFinished();
}

void SendTracker::start(const OutgoingMessage &message, const QString &descriptionFile,
                        std::chrono::milliseconds timeout)
{
    Q_ASSERT(!isSending());
    if (m_send)
        m_send->deleteLater();
    m_send = new MessageSend(message, descriptionFile, &m_history, this);
    m_send->setTimeout(timeout);
    if (m_prompt)
        m_send->setSignIn(m_credentialStore, m_prompt);
    m_timeout = timeout;
    m_clock.start();
    connect(m_send, &MessageSend::finished, this, &SendTracker::sendEnded);
    showStatus(sendingPattern(), message.toName, QString());
    m_send->start();
}

void SendTracker::sendEnded(const MessageSend::Result &result)
{
    showStatus(outcomePattern(result.outcome), m_send->message().toName, timeText(m_send->startedAt()));
    // A close that waited for this outcome goes ahead once it has been told.
    QPointer<QWidget> closing;
    if (m_finishing) {
        closing = m_finishing->parentWidget();
        m_finishing->accept();
        m_finishing->deleteLater();
        m_finishing.clear();
    }
    emit finished(result);
    if (closing)
        closing->close();
}

QString SendTracker::historyProblem(const MessageSend::Result &result) const
{
    if (result.historyError.isEmpty())
        return QString();
    // A row the user deleted, or cleared with the rest, while its message
    // was on its way has nowhere to take the outcome; that is no fault.
    if (result.historyId && !m_history.record(*result.historyId) && m_history.errorString().isEmpty())
        return QString();
    return result.historyError;
}

QString SendTracker::sendingText(const QString &recipient)
{
    return sendingPattern().arg(oneLine(recipient));
}

QString SendTracker::outcomeText(MessageSend::Outcome outcome, const QString &recipient, const QDateTime &time)
{
    return outcomePattern(outcome).arg(oneLine(recipient), timeText(time));
}

// The recipient's name gives way where the line is too short for it; the
// words around it and the time always show.
void SendTracker::showStatus(const QString &pattern, const QString &recipient, const QString &time)
{
    const auto fill = [&pattern, &time](const QString &name) {
        return time.isEmpty() ? pattern.arg(name) : pattern.arg(name, time);
    };
    const QString name = oneLine(recipient);
    const QFontMetrics metrics = m_statusLine.fontMetrics();
    const int room = m_statusLine.contentsRect().width() - metrics.horizontalAdvance(fill(QString())) - 2;
    const QString shown = metrics.elidedText(name, Qt::ElideRight, std::max(room, 0));
    m_statusLine.setText(fill(shown));
    m_statusLine.setToolTip(shown == name ? QString() : fill(name));
    m_statusLine.setAccessibleName(fill(name));
}

std::chrono::milliseconds SendTracker::timeLeft() const
{
    return std::max(m_timeout - std::chrono::milliseconds(m_clock.elapsed()), 0ms);
}

bool SendTracker::holdsClose(QWidget &window)
{
    if (!isSending() || m_closeNow)
        return false;
    if (!m_finishing) {
        m_finishing = new frmFinishing(timeLeft(), &window);
        connect(m_finishing, &QDialog::rejected, &window, [this, &window] {
            m_closeNow = true;
            m_finishing->deleteLater();
            m_finishing.clear();
            window.close();
        });
        m_finishing->open();
    }
    return true;
}
