// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "soap/authchallenge.h"

#include "soap/ipaddress.h"
#include "soap/messagetext.h"

#include <QHash>
#include <QUrl>

#include <algorithm>
#include <cstring>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

// One challenge as written: its scheme and parameters (names in lower case), or a token68.
struct RawChallenge
{
    QByteArray scheme;
    QHash<QByteArray, QByteArray> parameters;
};

bool isTokenChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')
           || std::strchr("!#$%&'*+-.^_`|~", c) != nullptr;
}

// RFC 7235's grammar: challenges separated by commas, each a scheme followed by a token68 or
// by name=value parameters (the value a token or a quoted string), themselves separated by
// commas. So "Digest realm=a, nonce=b, Basic realm=c" holds two challenges: a name not
// followed by "=" starts the next one.
class ChallengeParser
{
public:
    explicit ChallengeParser(const QByteArray &text)
        : m_text(text)
    {
    }

    QList<RawChallenge> parse()
    {
        QList<RawChallenge> found;
        while (m_at < m_text.size()) {
            skip(" \t,");
            const QByteArray name = token();
            if (name.isEmpty()) {
                ++m_at; // not the grammar: step over the character
                continue;
            }
            skip(" \t");
            if (!found.isEmpty() && peek() == '=' && !isToken68End()) {
                ++m_at;
                skip(" \t");
                const QByteArray value = peek() == '"' ? quotedString() : token();
                found.last().parameters.insert(name.toLower(), value);
                continue;
            }
            found.append({name.toLower(), {}});
            skipToken68();
        }
        return found;
    }

private:
    char peek() const { return m_at < m_text.size() ? m_text.at(m_at) : '\0'; }

    void skip(const char *characters)
    {
        while (m_at < m_text.size() && std::strchr(characters, m_text.at(m_at)) != nullptr)
            ++m_at;
    }

    QByteArray token()
    {
        const qsizetype start = m_at;
        while (m_at < m_text.size() && isTokenChar(m_text.at(m_at)))
            ++m_at;
        return m_text.mid(start, m_at - start);
    }

    QByteArray quotedString()
    {
        QByteArray value;
        ++m_at; // the opening quote
        while (m_at < m_text.size() && m_text.at(m_at) != '"') {
            if (m_text.at(m_at) == '\\' && m_at + 1 < m_text.size())
                ++m_at;
            value += m_text.at(m_at++);
        }
        ++m_at; // the closing quote, when there is one
        return value;
    }

    // At "=": whether the "=" characters end a token68 ("abc==") rather than begin a value.
    bool isToken68End() const
    {
        qsizetype at = m_at;
        while (at < m_text.size() && m_text.at(at) == '=')
            ++at;
        while (at < m_text.size() && (m_text.at(at) == ' ' || m_text.at(at) == '\t'))
            ++at;
        return at == m_text.size() || m_text.at(at) == ',';
    }

    // After a scheme: a token68 (as Negotiate and Bearer send) is passed over; parameters are
    // left for the loop.
    void skipToken68()
    {
        const qsizetype start = m_at;
        while (m_at < m_text.size() && (isTokenChar(m_text.at(m_at)) || m_text.at(m_at) == '/'))
            ++m_at;
        if (m_at > start && isToken68End()) {
            skip("=");
            return;
        }
        m_at = start;
    }

    const QByteArray &m_text;
    qsizetype m_at = 0;
};

bool hasControlCharacter(const QByteArray &text)
{
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; });
}

int defaultPort(const QString &scheme)
{
    return scheme == u"https" ? 443 : 80;
}

int strength(const AuthChallenge &challenge)
{
    if (challenge.scheme == AuthChallenge::Scheme::Basic)
        return 0;
    return challenge.algorithm.startsWith("SHA-256") ? 2 : 1;
}

} // namespace

bool AuthChallenge::sendsPasswordInClear() const
{
    return scheme == Scheme::Basic && urlScheme != u"https" && !isLoopback(host);
}

QString AuthChallenge::where() const
{
    QUrl url;
    url.setScheme(urlScheme);
    url.setHost(host);
    if (port != defaultPort(urlScheme))
        url.setPort(port);
    return MessageText::hostAndPort(url);
}

QString AuthChallenge::whereOf(const QUrl &address)
{
    AuthChallenge service;
    service.urlScheme = address.scheme().toLower();
    service.host = address.host().toLower();
    service.port = address.port(defaultPort(service.urlScheme));
    return service.where();
}

QString AuthChallenge::displayRealm() const
{
    QString shown = realm.simplified();
    for (QChar &c : shown) {
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            c = u' ';
    }
    constexpr qsizetype longest = 100;
    if (shown.size() > longest)
        shown = shown.left(longest - 1) + u'\u2026';
    return shown;
}

bool AuthChallenge::isLoopback(const QString &host)
{
    const QString name = host.toLower();
    if (name == u"localhost" || name.endsWith(u".localhost"))
        return true;
    const std::optional<IpAddress> address = IpAddress::parse(name);
    return address && address->isLoopback();
}

bool AuthChallenge::isSameServiceAs(const AuthChallenge &other) const
{
    return urlScheme == other.urlScheme && host == other.host && port == other.port && realm == other.realm;
}

bool AuthChallenge::isFrom(const QUrl &service) const
{
    const QString scheme = service.scheme().toLower();
    return scheme == urlScheme && service.host().toLower() == host && service.port(defaultPort(scheme)) == port;
}

namespace {

// The Digest side of \a challenge from \a raw; false when this client cannot answer it.
bool readDigest(const RawChallenge &raw, AuthChallenge *challenge)
{
    challenge->scheme = AuthChallenge::Scheme::Digest;
    challenge->nonce = raw.parameters.value("nonce");
    challenge->opaque = raw.parameters.value("opaque");
    const QByteArray algorithm = raw.parameters.value("algorithm", "MD5").toUpper();
    if (algorithm == "MD5" || algorithm == "SHA-256")
        challenge->algorithm = algorithm;
    else if (algorithm == "MD5-SESS" || algorithm == "SHA-256-SESS")
        challenge->algorithm = algorithm.chopped(4) + "sess";
    else
        return false; // SHA-512-256, or a name this client does not know
    if (challenge->nonce.isEmpty() || !raw.parameters.contains("realm"))
        return false;
    // The answer repeats these in a header of the next request, where a line break would
    // start a header of the service's choosing.
    for (const char *name : {"realm", "nonce", "opaque"}) {
        if (hasControlCharacter(raw.parameters.value(name)))
            return false;
    }
    if (raw.parameters.contains("qop")) {
        const QList<QByteArray> offered = raw.parameters.value("qop").split(',');
        challenge->qopAuth = std::any_of(offered.begin(), offered.end(), [](const QByteArray &qop) {
            return qop.trimmed().toLower() == "auth";
        });
        if (!challenge->qopAuth)
            return false; // auth-int alone, which would need the body hashed
    }
    challenge->userhash = raw.parameters.value("userhash").toLower() == "true";
    return true;
}

std::optional<AuthChallenge> challengeOf(const RawChallenge &raw, const QUrl &service)
{
    AuthChallenge challenge;
    challenge.urlScheme = service.scheme().toLower();
    challenge.host = service.host().toLower();
    challenge.port = service.port(defaultPort(challenge.urlScheme));
    challenge.realm = QString::fromUtf8(raw.parameters.value("realm"));
    if (raw.scheme == "basic")
        return challenge;
    if (raw.scheme == "digest" && readDigest(raw, &challenge))
        return challenge;
    return std::nullopt;
}

} // namespace

QList<AuthChallenge> AuthChallenge::parse(const QList<QByteArray> &headers, const QUrl &service)
{
    QList<AuthChallenge> usable;
    for (const QByteArray &header : headers) {
        for (const RawChallenge &raw : ChallengeParser(header).parse()) {
            if (std::optional<AuthChallenge> challenge = challengeOf(raw, service))
                usable.append(*challenge);
        }
    }
    std::stable_sort(usable.begin(), usable.end(), [](const AuthChallenge &a, const AuthChallenge &b) {
        return strength(a) > strength(b);
    });
    return usable;
}
