// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "soap/httpauthorization.h"

#include <QCryptographicHash>
#include <QRandomGenerator>
#include <QUrl>

#include <array>

namespace {

QByteArray quoted(const QByteArray &value)
{
    QByteArray out = "\"";
    for (const char c : value) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    return out + '"';
}

bool isPlainToken(const QByteArray &text)
{
    for (const char c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) > 0x7e || c == '"' || c == '\\')
            return false;
    }
    return true;
}

class Digest
{
public:
    explicit Digest(const QByteArray &algorithm)
        : m_algorithm(algorithm.startsWith("SHA-256") ? QCryptographicHash::Sha256 : QCryptographicHash::Md5)
    {
    }

    QByteArray operator()(const QByteArray &data) const
    {
        return QCryptographicHash::hash(data, m_algorithm).toHex();
    }

private:
    QCryptographicHash::Algorithm m_algorithm;
};

QByteArray digestHeader(const AuthChallenge &challenge, const HttpCredentials &credentials, const QByteArray &method,
                        const QByteArray &uri, const QByteArray &clientNonce)
{
    const Digest h(challenge.algorithm);
    const QByteArray user = credentials.user.toUtf8();
    const QByteArray realm = challenge.realm.toUtf8();
    const QByteArray nonceCount = "00000001";
    QByteArray ha1 = h(user + ':' + realm + ':' + credentials.password.toUtf8());
    if (challenge.algorithm.endsWith("-sess"))
        ha1 = h(ha1 + ':' + challenge.nonce + ':' + clientNonce);
    const QByteArray ha2 = h(method + ':' + uri);
    const QByteArray response = challenge.qopAuth
                                    ? h(ha1 + ':' + challenge.nonce + ':' + nonceCount + ':' + clientNonce
                                        + ":auth:" + ha2)
                                    : h(ha1 + ':' + challenge.nonce + ':' + ha2);

    QByteArray header = "Digest ";
    if (challenge.userhash)
        header += "username=" + quoted(h(user + ':' + realm)) + ", userhash=true";
    else if (isPlainToken(user))
        header += "username=" + quoted(user);
    else
        header += "username*=UTF-8''" + user.toPercentEncoding();
    header += ", realm=" + quoted(realm) + ", uri=" + quoted(uri) + ", algorithm=" + challenge.algorithm
              + ", nonce=" + quoted(challenge.nonce);
    if (challenge.qopAuth)
        header += ", nc=" + nonceCount + ", cnonce=" + quoted(clientNonce) + ", qop=auth";
    header += ", response=" + quoted(response);
    if (!challenge.opaque.isEmpty())
        header += ", opaque=" + quoted(challenge.opaque);
    return header;
}

} // namespace

QByteArray HttpAuthorization::header(const AuthChallenge &challenge, const HttpCredentials &credentials,
                                     const QByteArray &method, const QByteArray &uri, const QByteArray &clientNonce)
{
    if (challenge.scheme == AuthChallenge::Scheme::Basic)
        return "Basic " + (credentials.user + u':' + credentials.password).toUtf8().toBase64();
    return digestHeader(challenge, credentials, method, uri, clientNonce);
}

QByteArray HttpAuthorization::newClientNonce()
{
    std::array<quint32, 4> random{};
    QRandomGenerator::system()->fillRange(random.data(), random.size());
    return QByteArray(reinterpret_cast<const char *>(random.data()), sizeof(random)).toHex();
}

QByteArray HttpAuthorization::requestTarget(const QUrl &url)
{
    QByteArray target = url.toEncoded(QUrl::RemoveScheme | QUrl::RemoveAuthority | QUrl::RemoveFragment);
    if (!target.startsWith('/'))
        target.prepend('/');
    return target;
}
