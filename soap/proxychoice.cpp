// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "soap/proxychoice.h"

#include "soap/ipaddress.h"
#include "soap/messagetext.h"

#include <QRegularExpression>
#include <QUrl>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

// The variable's value, or nothing when it is unset or empty (curl reads both alike).
std::optional<QByteArray> variable(const char *name)
{
    const QByteArray value = qgetenv(name).trimmed();
    if (value.isEmpty())
        return std::nullopt;
    return value;
}

std::optional<QByteArray> firstSet(std::initializer_list<const char *> names)
{
    for (const char *name : names) {
        if (auto value = variable(name))
            return value;
    }
    return std::nullopt;
}

bool hostMatches(const QString &host, const QString &entry)
{
    if (const std::optional<IpAddress> hostAddress = IpAddress::parse(host)) {
        const qsizetype slash = entry.indexOf(u'/');
        if (slash < 0)
            return IpAddress::parse(entry) == hostAddress;
        bool ok = false;
        const int bits = entry.mid(slash + 1).toInt(&ok);
        const std::optional<IpAddress> network = IpAddress::parse(entry.left(slash));
        return ok && network && hostAddress->isIn(*network, bits);
    }
    QString name = entry.toLower();
    if (name.startsWith(u'.'))
        name.remove(0, 1);
    if (name.endsWith(u'.'))
        name.chop(1);
    if (name.isEmpty())
        return false;
    return host == name || host.endsWith(u'.' + name);
}

bool bypassed(const QUrl &url)
{
    const QByteArray list = firstSet({"no_proxy", "NO_PROXY"}).value_or(QByteArray());
    if (list.isEmpty())
        return false;
    QString host = url.host(QUrl::FullyEncoded).toLower();
    if (host.endsWith(u'.'))
        host.chop(1);
    static const QRegularExpression separators(u"[,\\s]+"_s);
    const QStringList entries = QString::fromLatin1(list).split(separators, Qt::SkipEmptyParts);
    for (const QString &entry : entries) {
        if (entry == u"*" || hostMatches(host, entry))
            return true;
    }
    return false;
}

} // namespace

ProxyChoice ProxyChoice::forUrl(const QUrl &url)
{
    ProxyChoice choice;
    const bool secure = url.scheme().compare(u"https", Qt::CaseInsensitive) == 0;
    const QByteArray proxy = (secure ? firstSet({"https_proxy", "HTTPS_PROXY"}) : variable("http_proxy"))
                                 .value_or(firstSet({"all_proxy", "ALL_PROXY"}).value_or(QByteArray()));
    if (proxy.isEmpty() || bypassed(url))
        return choice;

    choice.proxy = proxy;
    // A proxy written without a scheme is an HTTP proxy, on port 1080 unless it names one.
    const QString text = QString::fromLatin1(proxy);
    const QUrl parsed(text.contains(u"://") ? text : u"http://"_s + text, QUrl::TolerantMode);
    // A host Qt refuses (a double dot, a leading hyphen) is shown from the text itself.
    choice.where = parsed.isValid() && !parsed.host().isEmpty() ? MessageText::hostAndPort(parsed)
                                                                : MessageText::address(text);
    if (choice.where.isEmpty())
        choice.where = u"\"\""_s; // a variable that names no host at all
    const QString scheme = parsed.scheme().toLower();
    choice.forwardsRequests = !secure && (scheme == u"http" || scheme == u"https");
    return choice;
}
