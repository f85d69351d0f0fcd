// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "soap/messagetext.h"

#include <QRegularExpression>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype s_longest = 200;

QString shortened(QString text)
{
    // Control characters from a hostile header would garble the message box.
    for (QChar &c : text) {
        if (c.category() == QChar::Other_Control)
            c = u' ';
    }
    if (text.size() > s_longest)
        text = text.left(s_longest - 1) + u'\u2026';
    return text;
}

} // namespace

QString MessageText::address(const QString &address)
{
    const QUrl url(address.trimmed(), QUrl::TolerantMode);
    if (url.isValid() && !url.scheme().isEmpty() && !url.host().isEmpty())
        return MessageText::address(url);
    // Not a URL Qt can take apart: strip whatever stands between "//" and "@".
    static const QRegularExpression userInfo(u"//[^/?#]*@"_s);
    return shortened(QString(address.trimmed()).replace(userInfo, u"//"_s));
}

QString MessageText::address(const QUrl &address)
{
    return shortened(address.toDisplayString(QUrl::RemoveUserInfo));
}

QString MessageText::hostAndPort(const QUrl &address)
{
    QString host = address.host();
    if (host.contains(u':'))
        host = u'[' + host + u']';
    return shortened(address.port() > 0 ? u"%1:%2"_s.arg(host).arg(address.port()) : host);
}

QString MessageText::httpStatus(int status, const QByteArray &reasonPhrase)
{
    const QString reason = shortened(QString::fromLatin1(reasonPhrase).simplified()).left(80);
    return reason.isEmpty() ? u"HTTP status %1"_s.arg(status)
                            : u"HTTP status %1 (%2)"_s.arg(QString::number(status), reason);
}

QString MessageText::duration(std::chrono::milliseconds duration)
{
    return duration == std::chrono::seconds(1) ? u"1 second"_s
                                               : u"%1 seconds"_s.arg(double(duration.count()) / 1000.0);
}
