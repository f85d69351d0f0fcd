// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "soap/responsehead.h"

#include "soap/soapreplyreader.h"

bool ResponseHead::read(QByteArrayView data, bool requestLeft)
{
    m_bytes += data.size();
    if (m_bytes > SoapReplyReader::MaximumHeadSize) {
        m_tooLarge = true;
        return false;
    }
    const QByteArray line = data.toByteArray().trimmed();
    if (line.startsWith("HTTP/"))
        startResponse(line);
    else if (line.isEmpty())
        m_complete = m_complete || (requestLeft && m_status >= 200);
    else if (!m_complete)
        readHeader(line);
    return true;
}

// A new response begins (after 100 Continue, or after the proxy's tunnel answer).
void ResponseHead::startResponse(const QByteArray &statusLine)
{
    const QList<QByteArray> words = statusLine.split(' ');
    m_status = words.size() > 1 ? words.at(1).toInt() : 0;
    const qsizetype reasonAt = words.size() > 2 ? statusLine.indexOf(' ', statusLine.indexOf(' ') + 1) : -1;
    m_reasonPhrase = reasonAt < 0 ? QByteArray() : statusLine.mid(reasonAt + 1);
    m_contentType.clear();
    m_location.clear();
    m_authenticate.clear();
    m_complete = false;
}

void ResponseHead::readHeader(const QByteArray &line)
{
    const qsizetype colon = line.indexOf(':');
    const QByteArray name = line.left(colon).trimmed().toLower();
    const QByteArray value = line.mid(colon + 1).trimmed();
    if (name == "content-type")
        m_contentType = value;
    else if (name == "location")
        m_location = value;
    else if (name == "www-authenticate")
        m_authenticate.append(value);
}
