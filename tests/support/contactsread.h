// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the contacts suites compare: what a file gave, each contact and each
// skipped one in a line of text.

#include "contacts/contactrecords.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <initializer_list>

// A contact as read, in one text: "Name|first number|second number".
inline QStringList described(const ContactsRead &read)
{
    QStringList result;
    for (const ReadContact &contact : read.contacts)
        result.append((QStringList{contact.name} + contact.numbers).join(u'|'));
    return result;
}

inline QStringList reasons(const QList<SkippedContact> &skipped)
{
    QStringList result;
    for (const SkippedContact &s : skipped)
        result.append(s.origin.text() + u' ' + s.name + u": " + s.reasonText());
    return result;
}

inline QStringList strings(std::initializer_list<const char *> texts)
{
    QStringList result;
    for (const char *text : texts)
        result.append(QString::fromUtf8(text));
    return result;
}

inline QByteArray crlf(QByteArray text)
{
    return text.replace("\n", "\r\n");
}
