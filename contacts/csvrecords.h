// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>

#include <vector>

// RFC 4180 records of a CSV file, read without copying the bytes.
namespace Csv::Detail {

// One field of a record: a stretch of the file's bytes.
struct Field
{
    qsizetype begin = 0;
    qsizetype end = 0;
    bool quoted = false;
};

// RFC 4180 records, one at a time, as stretches of the bytes: nothing is
// copied until a field is used.
class Records
{
public:
    Records(QByteArrayView text, char separator)
        : m_text(text)
        , m_separator(separator)
    {
    }

    // The next record, with at most `keep` fields kept; false at the end.
    bool next(std::vector<Field> &fields, qsizetype keep);
    int recordLine() const { return m_recordLine; }
    // Whether every field of the record, kept or not, is empty or blank.
    bool blank() const { return m_blank; }
    bool unterminated() const { return m_unterminated; }

private:
    // How a field ends: with a separator (another field follows), with a
    // line end (the record ends), or with the file.
    enum class FieldEnd { Separator, LineEnd, FileEnd };

    Field quotedField();
    Field plainField();
    qsizetype nextQuote(qsizetype from);
    void skipToFieldEnd();
    FieldEnd endOfField();

    QByteArrayView m_text;
    char m_separator;
    qsizetype m_position = 0;
    int m_line = 1;
    int m_recordLine = 1;
    bool m_blank = true;
    bool m_unterminated = false;
};

// The separator the header row uses more: comma or semicolon.
char separatorOf(QByteArrayView text);

// A field's text, its doubled quotes undone and the apostrophe that guards
// a formula taken off (CsvField::read).
QString fieldText(QByteArrayView text, const Field &field);

} // namespace Csv::Detail
