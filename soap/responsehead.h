// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The head of an answer as libcurl hands it over, line by line. Internal to soap/.

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

/// \brief The status line and the headers the SOAP layer reads, of the final response.
///
/// Every line of every response head, CONNECT and 1xx responses included, counts against
/// SoapReplyReader::MaximumHeadSize: a head longer than any real service sends is cut off here,
/// at the same size on every machine.
class ResponseHead final
{
public:
    /// \brief Reads one line of a head, its line end included. \a requestLeft tells whether the
    /// request itself has left, so that a head read before (a proxy's answer to CONNECT) is not
    /// taken for the answer. False once the heads are too large: the transfer must stop.
    bool read(QByteArrayView line, bool requestLeft);

    int status() const { return m_status; }
    const QByteArray &reasonPhrase() const { return m_reasonPhrase; }
    const QByteArray &contentType() const { return m_contentType; }
    const QByteArray &location() const { return m_location; }
    const QList<QByteArray> &authenticate() const { return m_authenticate; }
    /// The head of a final response to the request has ended.
    bool isComplete() const { return m_complete; }
    bool isTooLarge() const { return m_tooLarge; }

private:
    void startResponse(const QByteArray &statusLine);
    void readHeader(const QByteArray &line);

    qint64 m_bytes = 0;
    bool m_tooLarge = false;
    bool m_complete = false;
    int m_status = 0;
    QByteArray m_reasonPhrase;
    QByteArray m_contentType;
    QByteArray m_location;
    QList<QByteArray> m_authenticate;
};
