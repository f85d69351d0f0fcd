// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/gatewayprocess.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QProcess>

namespace {

constexpr int s_startTimeoutMs = 20000;
constexpr int s_stopTimeoutMs = 5000;

QString gatewayScript()
{
    return QStringLiteral(KORVANE_SOURCE_DIR "/tools/sms_gateway.py");
}

QLatin1StringView readyPrefix()
{
    return QLatin1StringView("KORVANE SMS gateway listening on ");
}

} // namespace

GatewayProcess::GatewayProcess(QObject *parent)
    : QObject(parent)
{
}

GatewayProcess::~GatewayProcess()
{
    stop();
}

bool GatewayProcess::start(const QStringList &extraArguments)
{
    stop();
    m_errorString.clear();
    if (!m_folder.isValid()) {
        m_errorString = QStringLiteral("No temporary folder: %1").arg(m_folder.errorString());
        return false;
    }
    QFile::remove(outboxFile());
    QFile::remove(wsdlFile());

    m_process = std::make_unique<QProcess>();
    // The gateway's complaints about bad requests belong in the test log.
    m_process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process->setProgram(QStringLiteral("/usr/bin/python3"));
    m_process->setArguments(QStringList{gatewayScript(),
                                        QStringLiteral("--port"), QStringLiteral("0"),
                                        QStringLiteral("--outbox"), outboxFile(),
                                        QStringLiteral("--wsdl-out"), wsdlFile()}
                            + extraArguments);
    m_process->start();
    if (!m_process->waitForStarted(s_startTimeoutMs)) {
        m_errorString = QStringLiteral("Cannot start %1: %2").arg(gatewayScript(), m_process->errorString());
        stop();
        return false;
    }

    const QDeadlineTimer deadline(s_startTimeoutMs);
    QString earlierOutput;
    while (m_endpoint.isEmpty()) {
        while (m_process->canReadLine()) {
            const QString line = QString::fromUtf8(m_process->readLine()).trimmed();
            if (line.startsWith(readyPrefix()))
                m_endpoint = QUrl(line.mid(readyPrefix().size()));
            else
                earlierOutput += line + u'\n';
        }
        if (!m_endpoint.isEmpty())
            break;
        if (m_process->state() != QProcess::Running || deadline.hasExpired()
            || !m_process->waitForReadyRead(int(deadline.remainingTime()))) {
            m_errorString = m_process->state() == QProcess::Running
                ? QStringLiteral("The gateway did not report readiness in time")
                : QStringLiteral("The gateway ended before it was ready (exit code %1)")
                      .arg(m_process->exitCode());
            if (!earlierOutput.isEmpty())
                m_errorString += QStringLiteral(": ") + earlierOutput.trimmed();
            stop();
            return false;
        }
    }
    if (!m_endpoint.isValid() || m_endpoint.port() <= 0) {
        m_errorString = QStringLiteral("The gateway announced an unusable address: %1")
                            .arg(m_endpoint.toString());
        stop();
        return false;
    }

    // Every accepted message is printed too; keep the pipe drained so the gateway never blocks
    // on a full one during a long run.
    connect(m_process.get(), &QProcess::readyReadStandardOutput, this,
            [this] { m_process->readAllStandardOutput(); });
    return true;
}

bool GatewayProcess::startSignedIn(const QString &user, const QString &password,
                                   const QStringList &extraArguments)
{
    const QString passwordFile = m_folder.filePath(QStringLiteral("password"));
    QFile file(passwordFile);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(password.toUtf8() + '\n') < 0) {
        m_errorString = QStringLiteral("Cannot write %1: %2").arg(passwordFile, file.errorString());
        return false;
    }
    file.close();
    return start(QStringList{QStringLiteral("--user"), user, QStringLiteral("--password-file"), passwordFile}
                 + extraArguments);
}

void GatewayProcess::stop()
{
    m_endpoint.clear();
    if (!m_process)
        return;
    if (m_process->state() != QProcess::NotRunning) {
        m_process->terminate();
        if (!m_process->waitForFinished(s_stopTimeoutMs)) {
            m_process->kill();
            m_process->waitForFinished(s_stopTimeoutMs);
        }
    }
    m_process.reset();
}

QString GatewayProcess::wsdlFile() const
{
    return m_folder.filePath(QStringLiteral("SendSMS.wsdl"));
}

QString GatewayProcess::outboxFile() const
{
    return m_folder.filePath(QStringLiteral("outbox.jsonl"));
}

QList<QJsonObject> GatewayProcess::outbox() const
{
    QList<QJsonObject> messages;
    QFile file(outboxFile());
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (line.isEmpty())
            continue;
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(line, &error);
        // A line still being written is left for the next look.
        if (error.error != QJsonParseError::NoError || !document.isObject())
            break;
        messages.append(document.object());
    }
    return messages;
}
