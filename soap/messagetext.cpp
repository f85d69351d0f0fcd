// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "soap/messagetext.h"

#include <QCoreApplication>
#include <QUrl>

#include <algorithm>
#include <optional>

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

// Where the user information of one address lies, from `from` up to `to`.
struct UserInfo
{
    qsizetype from = 0;
    qsizetype to = 0;
};

// Whether \a text is a URL scheme: a letter, then letters, digits, '+', '-' or '.'.
bool isScheme(QStringView text)
{
    const auto schemeCharacter = [](QChar c) {
        return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'+'
               || c == u'-' || c == u'.';
    };
    return !text.isEmpty() && text.front().isLetter() && std::all_of(text.begin(), text.end(), schemeCharacter);
}

// From the start of the authority (after "scheme://", else the start of the text) to just
// after the last '@'. In text that is no valid address, a password may hold '/', '?' or '#'
// unencoded, so the last '@' of all counts.
std::optional<UserInfo> userInfoOf(QStringView address)
{
    const qsizetype at = address.lastIndexOf(u'@');
    if (at < 0)
        return std::nullopt;
    // "://" counts only after a scheme: "user:pa://ss@host" has none, and all of it up to '@' goes.
    const qsizetype scheme = address.left(at).indexOf(u"://");
    const bool schemeFirst = scheme > 0 && isScheme(address.left(scheme));
    return UserInfo{schemeFirst ? scheme + 3 : 0, at + 1};
}

enum class Leave { AnyUserInfo, Passwords };

QString withoutUserInfoOf(QStringView address, Leave leave)
{
    const std::optional<UserInfo> info = userInfoOf(address);
    if (!info || (leave == Leave::Passwords && !address.mid(info->from, info->to - info->from).contains(u':')))
        return address.toString();
    return address.left(info->from) + address.mid(info->to);
}

QString withoutUserInfoInWords(const QString &text, Leave leave)
{
    QString out;
    out.reserve(text.size());
    qsizetype at = 0;
    while (at < text.size()) {
        qsizetype end = at;
        const bool space = text.at(at).isSpace();
        while (end < text.size() && text.at(end).isSpace() == space)
            ++end;
        const QStringView piece = QStringView(text).mid(at, end - at);
        out += space ? piece.toString() : withoutUserInfoOf(piece, leave);
        at = end;
    }
    return out;
}

} // namespace

QString MessageText::address(const QString &address)
{
    const QString trimmed = address.trimmed();
    const QUrl url(trimmed, QUrl::TolerantMode);
    if (url.isValid() && !url.scheme().isEmpty() && !url.host().isEmpty())
        return MessageText::address(url);
    // Not a URL Qt can take apart (a host it refuses, no scheme): the whole text is one address.
    return shortened(withoutUserInfoOf(trimmed, Leave::AnyUserInfo));
}

QString MessageText::withoutUserInfo(const QString &text)
{
    return withoutUserInfoInWords(text, Leave::AnyUserInfo);
}

QString MessageText::quoted(const QString &text)
{
    return shortened(withoutUserInfo(text));
}

QString MessageText::withoutPasswords(const QString &text)
{
    return withoutUserInfoInWords(text, Leave::Passwords);
}

QString MessageText::address(const QUrl &address)
{
    // Without a host (no "//", so that Qt took the user name for a scheme) the user information
    // is no part of the authority Qt would remove: read the text instead.
    if (!address.isValid() || address.host().isEmpty())
        return MessageText::address(address.toString());
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
    //: %1 the HTTP status code, %2 the reason phrase the server sent with it, in its own words (often English).
    return reason.isEmpty()
        ? QCoreApplication::translate("MessageText", "HTTP status %1").arg(status)
        : QCoreApplication::translate("MessageText", "HTTP status %1 (%2)").arg(QString::number(status), reason);
}

QString MessageText::duration(std::chrono::milliseconds duration)
{
    //: How long a wait was: %1 a number of seconds, possibly with a decimal point.
    return duration == std::chrono::seconds(1)
        ? QCoreApplication::translate("MessageText", "1 second")
        : QCoreApplication::translate("MessageText", "%1 seconds").arg(double(duration.count()) / 1000.0);
}
