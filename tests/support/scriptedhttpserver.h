// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QTcpServer>
#include <QUrl>

#include <chrono>
#include <functional>
#include <memory>

class QTcpSocket;

/// \brief An HTTP server on 127.0.0.1 that answers as its script says and counts what it gets.
///
/// It stands in for services, gateways and proxies that misbehave in one way each: it writes
/// the scripted bytes as they are (any status line, broken framing, garbage), then closes the
/// connection or keeps it open, optionally dripping a byte now and then. It runs in the test's
/// thread, so it serves while the test waits in an event loop (SoapClient::invoke() runs one).
class ScriptedHttpServer final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ScriptedHttpServer)

public:
    /// One request as received.
    struct Request
    {
        QByteArray method;
        /// As sent: "/path" to a service, "http://host/path" to a proxy, "host:port" for CONNECT.
        QByteArray target;
        QHash<QByteArray, QByteArray> headers; // names in lower case
        QByteArray body;

        QByteArray header(const QByteArray &name) const { return headers.value(name.toLower()); }
        bool hasHeader(const QByteArray &name) const { return headers.contains(name.toLower()); }
    };

    /// When the scripted answer goes out.
    enum class When {
        AfterRequest, ///< once a whole request (head and Content-Length body) has arrived
        OnFirstBytes, ///< as soon as anything arrives, request or not (a TLS handshake, say)
    };
    /// What happens to the connection after the answer.
    enum class Then { Close, KeepOpen };

    struct Script
    {
        QByteArray answer;
        Then then = Then::Close;
        When when = When::AfterRequest;
        /// Above zero: after the answer, one more space every so often, the connection kept open.
        std::chrono::milliseconds drip{0};
    };

    explicit ScriptedHttpServer(QObject *parent = nullptr);
    ~ScriptedHttpServer() override;

    /// Listens on a free port of 127.0.0.1; false if it cannot.
    bool listen();
    /// Listens as listen() does, speaking TLS with the certificate and key in PEM form; false
    /// if it cannot. url() then wants the scheme "https".
    bool listenTls(const QByteArray &certificate, const QByteArray &key);
    quint16 port() const { return m_server ? m_server->serverPort() : 0; }
    /// "http://127.0.0.1:<port><path>" (or another scheme, for a TLS client that meets plain HTTP).
    QByteArray url(const QByteArray &path = "/sms", const QByteArray &scheme = "http") const;

    /// The script for every connection from now on.
    void setScript(const Script &script)
    {
        m_script = script;
        m_sequence.clear();
    }
    /// One script per connection from now on, in order; the last one for every connection after.
    void setScripts(const QList<Script> &scripts)
    {
        m_sequence = scripts;
        if (!scripts.isEmpty())
            m_script = scripts.last();
    }
    /// Shorthands: answer with \a bytes and close; read the request and close without a word;
    /// read the request and say nothing, the connection kept open.
    void answerWith(const QByteArray &bytes) { setScript({bytes, Then::Close}); }
    void closeAfterRequest() { setScript({QByteArray(), Then::Close}); }
    void stayQuiet() { setScript({QByteArray(), Then::KeepOpen}); }
    /// Calls \a handler with every whole request as it arrives, before its answer goes out: to
    /// look at the client's state at the moment the request reaches the service.
    void setOnRequest(std::function<void(const Request &)> handler) { m_onRequest = std::move(handler); }
    /// Answers every connection still open after its scripted answer (stayQuiet()) with \a bytes
    /// and closes it: a slow service that answers when the test says so.
    void answerWaiting(const QByteArray &bytes);

    /// A port on 127.0.0.1 that a listener has just given up, so that a connection to it is
    /// refused; 0 when no port could be had.
    static quint16 freedPort();

    /// A whole HTTP/1.1 answer with Content-Length and "Connection: close".
    static QByteArray response(const QByteArray &statusLine, const QByteArray &body,
                               const QByteArray &contentType = "text/xml; charset=utf-8",
                               const QByteArray &extraHeaders = QByteArray());

    int connections() const { return m_connections; }
    /// Requests whose head (method, target, headers) has arrived, whole or not.
    int posts() const { return m_posts; }
    /// Whole requests received, oldest first.
    const QList<Request> &requests() const { return m_requests; }
    Request lastRequest() const { return m_requests.isEmpty() ? Request() : m_requests.last(); }

private:
    void accept();
    void readFrom(QTcpSocket *socket);
    void respond(QTcpSocket *socket);

    bool listenOn(std::unique_ptr<QTcpServer> server);

    std::unique_ptr<QTcpServer> m_server;
    std::function<void(const Request &)> m_onRequest;
    Script m_script;
    QList<Script> m_sequence;
    QHash<QTcpSocket *, Script> m_scripts;
    QHash<QTcpSocket *, QByteArray> m_buffers;
    QHash<QTcpSocket *, bool> m_answered;
    QList<Request> m_requests;
    int m_connections = 0;
    int m_posts = 0;
};

Q_DECLARE_METATYPE(ScriptedHttpServer::Script)
