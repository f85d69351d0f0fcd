// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "contacts/vcard.h"

// Writing cards as vCard 4.0.

namespace VCard {

namespace {

// vCard text: backslash, comma and semicolon escaped, line breaks as \n.
QByteArray escaped(const QString &text)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\\' || c == u',' || c == u';') {
            result.append(u'\\');
            result.append(c);
        } else if (c == u'\r') {
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            result.append(u"\\n");
        } else if (c == u'\n') {
            result.append(u"\\n");
        } else {
            result.append(c);
        }
    }
    return result.toUtf8();
}

// One content line, folded so that no physical line is longer than 75
// octets: never inside a UTF-8 sequence, nor between a backslash and the
// character it escapes.
void appendFolded(QByteArray &out, QByteArrayView line)
{
    constexpr qsizetype limit = 75;
    qsizetype position = 0;
    bool first = true;
    while (true) {
        const qsizetype room = first ? limit : limit - 1;
        if (line.size() - position <= room) {
            if (!first)
                out.append(' ');
            out.append(line.sliced(position));
            out.append("\r\n");
            return;
        }
        qsizetype cut = position + room;
        while (cut > position + 1 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80)
            --cut;
        qsizetype backslashes = 0;
        while (cut - 1 - backslashes > position && line[cut - 1 - backslashes] == '\\')
            ++backslashes;
        if (backslashes % 2 == 1)
            --cut;
        if (!first)
            out.append(' ');
        out.append(line.sliced(position, cut - position));
        out.append("\r\n");
        position = cut;
        first = false;
    }
}

} // namespace

QByteArray write(std::span<const AddressBookEntry> entries)
{
    QByteArray out;
    out.reserve(qsizetype(entries.size()) * 80);
    for (const AddressBookEntry &entry : entries) {
        out.append("BEGIN:VCARD\r\nVERSION:4.0\r\n");
        appendFolded(out, QByteArray("FN:" + escaped(entry.Name)));
        appendFolded(out, QByteArray("TEL;TYPE=cell:" + escaped(entry.Number)));
        out.append("END:VCARD\r\n");
    }
    return out;
}

} // namespace VCard
