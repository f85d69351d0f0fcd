// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "contacts/csvrecords.h"

namespace Csv::Detail {

using namespace Qt::Literals::StringLiterals;

bool Records::next(std::vector<Field> &fields, qsizetype keep)
{
    fields.clear();
    m_blank = true;
    m_recordLine = m_line;
    const qsizetype size = m_text.size();
    if (m_position >= size)
        return false;
    const char *data = m_text.data();
    while (true) {
        if (m_position >= size) {
            // A separator was the file's last byte: an empty last field.
            if (qsizetype(fields.size()) < keep)
                fields.push_back({size, size, false});
            return true;
        }
        Field field;
        if (data[m_position] == '"') {
            field.quoted = true;
            qsizetype i = m_position + 1;
            field.begin = i;
            while (true) {
                while (i < size && data[i] != '"') {
                    if (data[i] == '\n' || (data[i] == '\r' && (i + 1 >= size || data[i + 1] != '\n')))
                        ++m_line;
                    ++i;
                }
                if (i >= size) {
                    // The quote is never closed: the rest of the file is
                    // this field, and the record cannot be trusted.
                    m_unterminated = true;
                    field.end = size;
                    m_position = size;
                    break;
                }
                if (i + 1 < size && data[i + 1] == '"') {
                    i += 2;
                    continue;
                }
                field.end = i;
                m_position = i + 1;
                break;
            }
            // Anything between the closing quote and the separator is
            // not RFC 4180; it is passed over.
            while (m_position < size && data[m_position] != m_separator && data[m_position] != '\n'
                   && data[m_position] != '\r')
                ++m_position;
        } else {
            field.begin = m_position;
            while (m_position < size && data[m_position] != m_separator && data[m_position] != '\n'
                   && data[m_position] != '\r')
                ++m_position;
            field.end = m_position;
        }
        if (qsizetype(fields.size()) < keep)
            fields.push_back(field);
        if (m_blank && !m_text.sliced(field.begin, field.end - field.begin).trimmed().isEmpty())
            m_blank = false;

        if (m_position >= size)
            return true;
        const char c = data[m_position++];
        if (c == m_separator)
            continue;
        if (c == '\r' && m_position < size && data[m_position] == '\n')
            ++m_position;
        ++m_line;
        return true;
    }
}

char separatorOf(QByteArrayView text)
{
    qsizetype commas = 0;
    qsizetype semicolons = 0;
    bool quoted = false;
    qsizetype start = 0;
    while (start < text.size() && (text[start] == '\r' || text[start] == '\n'))
        ++start;
    for (const char c : text.sliced(start)) {
        if (c == '"')
            quoted = !quoted;
        else if (quoted)
            continue;
        else if (c == ',')
            ++commas;
        else if (c == ';')
            ++semicolons;
        else if (c == '\n' || c == '\r')
            break;
    }
    return semicolons > commas ? ';' : ',';
}

QString fieldText(QByteArrayView text, const Field &field)
{
    const QByteArrayView bytes = text.sliced(field.begin, field.end - field.begin);
    QString result = QString::fromUtf8(bytes);
    if (field.quoted)
        result.replace(u"\"\""_s, u"\""_s);
    return result;
}

} // namespace Csv::Detail
