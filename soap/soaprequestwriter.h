// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

struct SoapOperation;

/// \brief The bytes and HTTP headers of one SOAP request, or why it could not be written.
struct SoapRequest
{
    QByteArray body;
    /// The full Content-Type header value, charset (and for SOAP 1.2 the action) included.
    QByteArray contentType;
    /// The SOAPAction header value, quotes included; empty when no such header is sent (SOAP 1.2).
    QByteArray soapActionHeader;
    /// Set when the request could not be written; nothing must be sent then.
    QString errorString;

    bool isValid() const { return errorString.isEmpty() && !body.isEmpty(); }
};

/// \brief Writes the SOAP envelope of a call: pure, no network.
///
/// The positional \a arguments map in order onto the operation's parameters; a different
/// count, or an argument holding a character XML cannot carry, is an error.
class SoapRequestWriter final
{
public:
    static SoapRequest write(const SoapOperation &operation, const QStringList &arguments);

    /// \brief UTF-16 index of the first character of \a text that a request cannot carry, or -1.
    ///
    /// XML 1.0 cannot carry control characters other than tab, line feed and carriage return,
    /// unpaired surrogates, U+FFFE or U+FFFF; write() refuses an argument that holds one.
    static qsizetype firstCharacterNotCarried(const QString &text);
};
