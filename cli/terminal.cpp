// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/terminal.h"

#include "rules/textrules.h"

#include <QCoreApplication>
#include <QJsonDocument>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace Terminal {

namespace {

int s_outputErrno = 0;

void write(std::FILE *stream, const QByteArray &bytes)
{
    if (std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream) != size_t(bytes.size())
        && stream == stdout && s_outputErrno == 0)
        s_outputErrno = errno ? errno : EIO;
}

// What a terminal is given in place of one character.
char32_t shown(char32_t c)
{
    if (c == u'\t' || c == u'\n' || c == u'\r' || c == u'\v' || c == u'\f' || c == 0x85 || c == 0x2028
        || c == 0x2029)
        return u' ';
    switch (QChar::category(c)) {
    case QChar::Other_Control:
    // Right-to-left overrides, isolates, zero-width characters, tags: a
    // name can read as another with them, and columns shift.
    case QChar::Other_Format:
    // Half of a pair, such as an argument's byte that was not UTF-8.
    case QChar::Other_Surrogate:
        return QChar::ReplacementCharacter;
    default:
        return c;
    }
}

} // namespace

QString printable(const QString &text)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        result += QChar::fromUcs4(shown(c));
    }
    return result;
}

void print(const QString &line)
{
    write(stdout, line.toUtf8() + '\n');
}

void tell(const QString &line)
{
    // Whatever went before on standard output comes first, as a terminal
    // shows both streams.
    std::fflush(stdout);
    write(stderr, printable(line).toUtf8() + '\n');
    std::fflush(stderr);
}

void printJson(const QJsonDocument &document)
{
    write(stdout, document.toJson(QJsonDocument::Indented));
}

QStringList columns(const QList<QStringList> &rows)
{
    QList<QStringList> cells;
    cells.reserve(rows.size());
    QList<qsizetype> widths;
    for (const QStringList &row : rows) {
        QStringList shown;
        shown.reserve(row.size());
        for (qsizetype i = 0; i < row.size(); ++i) {
            shown.append(printable(row[i]));
            if (widths.size() <= i)
                widths.append(0);
            widths[i] = std::max(widths[i], TextRules::characterCount(shown.last()));
        }
        cells.append(shown);
    }
    QStringList lines;
    lines.reserve(cells.size());
    for (const QStringList &row : std::as_const(cells)) {
        QString line;
        for (qsizetype i = 0; i < row.size(); ++i) {
            line += row[i];
            if (i + 1 < row.size())
                line += QString(widths[i] - TextRules::characterCount(row[i]) + 2, u' ');
        }
        // An empty last cell would leave the padding of the one before.
        while (line.endsWith(u' '))
            line.chop(1);
        lines.append(line);
    }
    return lines;
}

bool flushOutput()
{
    if (std::fflush(stdout) != 0 && s_outputErrno == 0)
        s_outputErrno = errno ? errno : EIO;
    return s_outputErrno == 0;
}

QString outputError()
{
    return QCoreApplication::translate("CommandLine", "The output could not be written: %1.")
        .arg(QString::fromLocal8Bit(std::strerror(s_outputErrno)));
}

} // namespace Terminal
