// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "contacts/csvrecords.h"

#include "common/csvfield.h"

namespace Csv::Detail {

using namespace Qt::Literals::StringLiterals;

// A record is read field by field: a field begins quoted or plain, and
// ends at a separator, a line end or the end of the file; only a separator
// goes on to another field of the same record.
bool Records::next(std::vector<Field> &fields, qsizetype keep)
{
    fields.clear();
    m_blank = true;
    m_recordLine = m_line;
    if (m_position >= m_text.size())
        return false;
    while (true) {
        const Field field = m_text[m_position] == '"' ? quotedField() : plainField();
        if (qsizetype(fields.size()) < keep)
            fields.push_back(field);
        if (m_blank && !m_text.sliced(field.begin, field.end - field.begin).trimmed().isEmpty())
            m_blank = false;
        switch (endOfField()) {
        case FieldEnd::Separator:
            if (m_position < m_text.size())
                continue;
            // A separator was the file's last byte: an empty last field.
            if (qsizetype(fields.size()) < keep)
                fields.push_back({m_position, m_position, false});
            return true;
        case FieldEnd::LineEnd:
        case FieldEnd::FileEnd:
            return true;
        }
    }
}

Field Records::quotedField()
{
    const qsizetype size = m_text.size();
    Field field{m_position + 1, size, true};
    qsizetype i = field.begin;
    while (true) {
        i = nextQuote(i);
        if (i >= size) {
            // The quote is never closed: the rest of the file is this
            // field, and the record cannot be trusted.
            m_unterminated = true;
            m_position = size;
            return field;
        }
        if (i + 1 < size && m_text[i + 1] == '"') {
            i += 2; // a doubled quote is part of the text
            continue;
        }
        field.end = i;
        m_position = i + 1;
        // Anything between the closing quote and the separator is not
        // RFC 4180; it is passed over.
        skipToFieldEnd();
        return field;
    }
}

Field Records::plainField()
{
    Field field{m_position, m_position, false};
    skipToFieldEnd();
    field.end = m_position;
    return field;
}

// The next quote from `from` on, or the end; counts the line breaks passed.
qsizetype Records::nextQuote(qsizetype from)
{
    const char *data = m_text.data();
    const qsizetype size = m_text.size();
    qsizetype i = from;
    for (; i < size && data[i] != '"'; ++i) {
        if (data[i] == '\n' || (data[i] == '\r' && (i + 1 >= size || data[i + 1] != '\n')))
            ++m_line;
    }
    return i;
}

void Records::skipToFieldEnd()
{
    const char *data = m_text.data();
    const qsizetype size = m_text.size();
    while (m_position < size && data[m_position] != m_separator && data[m_position] != '\n'
           && data[m_position] != '\r')
        ++m_position;
}

Records::FieldEnd Records::endOfField()
{
    if (m_position >= m_text.size())
        return FieldEnd::FileEnd;
    const char c = m_text[m_position++];
    if (c == m_separator)
        return FieldEnd::Separator;
    if (c == '\r' && m_position < m_text.size() && m_text[m_position] == '\n')
        ++m_position;
    ++m_line;
    return FieldEnd::LineEnd;
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
    return CsvField::read(result);
}

} // namespace Csv::Detail
