// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/scriptedhttpserver.h"

#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>
#include <QTcpSocket>
#include <QTimer>

ScriptedHttpServer::ScriptedHttpServer(QObject *parent)
    : QObject(parent)
{
}

ScriptedHttpServer::~ScriptedHttpServer() = default;

bool ScriptedHttpServer::listen()
{
    return listenOn(std::make_unique<QTcpServer>());
}

bool ScriptedHttpServer::listenTls(const QByteArray &certificate, const QByteArray &key)
{
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.setLocalCertificate(QSslCertificate(certificate));
    configuration.setPrivateKey(QSslKey(key, QSsl::Rsa));
    if (configuration.localCertificate().isNull() || configuration.privateKey().isNull())
        return false;
    auto server = std::make_unique<QSslServer>();
    server->setSslConfiguration(configuration);
    return listenOn(std::move(server));
}

bool ScriptedHttpServer::listenOn(std::unique_ptr<QTcpServer> server)
{
    m_server = std::move(server);
    connect(m_server.get(), &QTcpServer::pendingConnectionAvailable, this, &ScriptedHttpServer::accept);
    return m_server->listen(QHostAddress::LocalHost, 0);
}

QByteArray ScriptedHttpServer::url(const QByteArray &path, const QByteArray &scheme) const
{
    return scheme + "://127.0.0.1:" + QByteArray::number(port()) + path;
}

quint16 ScriptedHttpServer::freedPort()
{
    QTcpServer probe;
    return probe.listen(QHostAddress::LocalHost, 0) ? probe.serverPort() : 0;
}

QByteArray ScriptedHttpServer::response(const QByteArray &statusLine, const QByteArray &body,
                                        const QByteArray &contentType, const QByteArray &extraHeaders)
{
    return "HTTP/1.1 " + statusLine + "\r\nContent-Type: " + contentType + "\r\nContent-Length: "
           + QByteArray::number(body.size()) + "\r\n" + extraHeaders + "Connection: close\r\n\r\n" + body;
}

void ScriptedHttpServer::accept()
{
    while (QTcpSocket *socket = m_server->nextPendingConnection()) {
        ++m_connections;
        socket->setParent(this);
        m_scripts.insert(socket, m_sequence.isEmpty() ? m_script : m_sequence.takeFirst());
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readFrom(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            m_buffers.remove(socket);
            m_answered.remove(socket);
            m_scripts.remove(socket);
            socket->deleteLater();
        });
    }
}

void ScriptedHttpServer::readFrom(QTcpSocket *socket)
{
    QByteArray &buffer = m_buffers[socket];
    buffer += socket->readAll();
    if (m_answered.value(socket))
        return;
    if (m_scripts.value(socket).when == When::OnFirstBytes) {
        respond(socket);
        return;
    }
    const qsizetype headEnd = buffer.indexOf("\r\n\r\n");
    if (headEnd < 0)
        return;
    Request request;
    const QList<QByteArray> lines = buffer.left(headEnd).split('\n');
    const QList<QByteArray> requestLine = lines.first().trimmed().split(' ');
    request.method = requestLine.value(0);
    request.target = requestLine.value(1);
    for (const QByteArray &line : lines.mid(1)) {
        const qsizetype colon = line.indexOf(':');
        if (colon > 0)
            request.headers.insert(line.left(colon).trimmed().toLower(), line.mid(colon + 1).trimmed());
    }
    if (request.method == "POST" && !m_answered.contains(socket)) {
        ++m_posts;
        m_answered.insert(socket, false); // counted once per connection's request
    }
    const qsizetype length = request.header("Content-Length").toLongLong();
    if (buffer.size() < headEnd + 4 + length)
        return;
    request.body = buffer.mid(headEnd + 4, length);
    m_requests.append(request);
    if (m_onRequest)
        m_onRequest(request);
    respond(socket);
}

void ScriptedHttpServer::respond(QTcpSocket *socket)
{
    m_answered.insert(socket, true);
    const Script script = m_scripts.value(socket, m_script);
    if (!script.answer.isEmpty())
        socket->write(script.answer);
    if (script.drip > std::chrono::milliseconds::zero()) {
        auto *drip = new QTimer(socket);
        connect(drip, &QTimer::timeout, socket, [socket] { socket->write(" "); });
        drip->start(script.drip);
        return;
    }
    if (script.then == Then::Close)
        socket->disconnectFromHost();
}

void ScriptedHttpServer::answerWaiting(const QByteArray &bytes)
{
    // Collected first: a socket that closes at once leaves m_answered on the spot.
    QList<QTcpSocket *> waiting;
    for (auto it = m_answered.cbegin(); it != m_answered.cend(); ++it) {
        if (it.value() && it.key()->state() == QAbstractSocket::ConnectedState)
            waiting.append(it.key());
    }
    for (QTcpSocket *socket : waiting) {
        socket->write(bytes);
        socket->disconnectFromHost();
    }
}
