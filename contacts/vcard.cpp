// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "contacts/vcard.h"

#include "contacts/textinput.h"

#include <QStringDecoder>

#include <algorithm>
#include <cstring>
#include <optional>

namespace VCard {

namespace {

using ContactsLimits::maximumValueLength;

bool equalsUpper(QByteArrayView text, QByteArrayView upper)
{
    return text.size() == upper.size() && text.compare(upper, Qt::CaseInsensitive) == 0;
}

bool containsUpper(QByteArrayView text, QByteArrayView upper)
{
    const char first = upper.front();
    const char firstLower = char(first - 'A' + 'a');
    for (qsizetype i = 0; i + upper.size() <= text.size(); ++i) {
        if ((text[i] == first || text[i] == firstLower) && equalsUpper(text.sliced(i, upper.size()), upper))
            return true;
    }
    return false;
}

bool isNameByte(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_'
        || c == '.';
}

// Where the value begins: the first ':' outside a quoted parameter value.
qsizetype valueColon(QByteArrayView line)
{
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == '"')
            quoted = !quoted;
        else if (line[i] == ':' && !quoted)
            return i;
    }
    return -1;
}

// The properties a card is read for.
enum class Property { Other, Begin, End, Version, FN, N, Tel };

// The property's name (group prefix dropped) on the first physical line of
// a property, and where its parameters or value begin; nothing when the
// line is not a property at all (a photo's unfolded base64, say).
struct PropertyStart
{
    Property property = Property::Other;
    bool quotedPrintable = false;
};

std::optional<PropertyStart> propertyStart(QByteArrayView line)
{
    qsizetype i = 0;
    while (i < line.size() && isNameByte(line[i]))
        ++i;
    if (i == 0 || i == line.size() || (line[i] != ';' && line[i] != ':'))
        return std::nullopt;
    QByteArrayView name = line.first(i);
    if (const qsizetype dot = name.lastIndexOf('.'); dot >= 0)
        name = name.sliced(dot + 1);

    PropertyStart start;
    if (equalsUpper(name, "BEGIN"))
        start.property = Property::Begin;
    else if (equalsUpper(name, "END"))
        start.property = Property::End;
    else if (equalsUpper(name, "VERSION"))
        start.property = Property::Version;
    else if (equalsUpper(name, "FN"))
        start.property = Property::FN;
    else if (equalsUpper(name, "N"))
        start.property = Property::N;
    else if (equalsUpper(name, "TEL"))
        start.property = Property::Tel;
    if (line[i] == ';') {
        const qsizetype colon = valueColon(line);
        const QByteArrayView parameters = line.sliced(i, (colon < 0 ? line.size() : colon) - i);
        start.quotedPrintable = containsUpper(parameters, "QUOTED-PRINTABLE");
    }
    return start;
}

// What a property's parameters say, as views into its line.
struct Parameters
{
    enum class Encoding { None, QuotedPrintable, Base64 };
    Encoding encoding = Encoding::None;
    QByteArrayView charset;
    bool mobile = false;    // TYPE=cell (CELL in 2.1), mobile or iPhone
    bool faxOrPager = false;
    bool preferred = false; // TYPE=pref, PREF in 2.1, PREF=n in 4.0
};

QByteArrayView unquoted(QByteArrayView value)
{
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        return value.sliced(1, value.size() - 2);
    return value;
}

void addType(Parameters &result, QByteArrayView type)
{
    type = unquoted(type.trimmed());
    if (equalsUpper(type, "CELL") || equalsUpper(type, "MOBILE") || equalsUpper(type, "IPHONE"))
        result.mobile = true;
    else if (equalsUpper(type, "FAX") || equalsUpper(type, "PAGER"))
        result.faxOrPager = true;
    else if (equalsUpper(type, "PREF"))
        result.preferred = true;
}

Parameters parseParameters(QByteArrayView text)
{
    Parameters result;
    qsizetype start = 0;
    bool quoted = false;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] == '"')
            quoted = !quoted;
        if (i < text.size() && (text[i] != ';' || quoted))
            continue;
        const QByteArrayView parameter = text.sliced(start, i - start).trimmed();
        start = i + 1;
        if (parameter.isEmpty())
            continue;
        const qsizetype equals = parameter.indexOf('=');
        const QByteArrayView key = equals < 0 ? QByteArrayView() : parameter.first(equals).trimmed();
        const QByteArrayView value = equals < 0 ? parameter : unquoted(parameter.sliced(equals + 1).trimmed());
        // vCard 2.1 names types and encodings bare: TEL;CELL;PREF;QUOTED-PRINTABLE
        if (equals < 0 || equalsUpper(key, "ENCODING")) {
            if (equalsUpper(value, "QUOTED-PRINTABLE"))
                result.encoding = Parameters::Encoding::QuotedPrintable;
            else if (equalsUpper(value, "BASE64") || equalsUpper(value, "B"))
                result.encoding = Parameters::Encoding::Base64;
            else if (equals < 0)
                addType(result, value);
        } else if (equalsUpper(key, "CHARSET")) {
            result.charset = value;
        } else if (equalsUpper(key, "PREF")) {
            result.preferred = true; // vCard 4.0: PREF=1 is the most preferred
        } else if (equalsUpper(key, "TYPE")) {
            qsizetype from = 0;
            for (qsizetype j = 0; j <= value.size(); ++j) {
                if (j == value.size() || value[j] == ',') {
                    addType(result, value.sliced(from, j - from));
                    from = j + 1;
                }
            }
        }
    }
    return result;
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

QByteArray decodeQuotedPrintable(QByteArrayView text)
{
    QByteArray result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '=' && i + 2 < text.size()) {
            const int high = hexValue(text[i + 1]);
            const int low = hexValue(text[i + 2]);
            if (high >= 0 && low >= 0) {
                result.append(char(high * 16 + low));
                i += 2;
                continue;
            }
        }
        result.append(text[i]);
    }
    return result;
}

// A value's text after its transfer encoding and character set; nothing
// and a reason when it is not text.
std::optional<QString> decodeValue(QByteArrayView raw, const Parameters &parameters, QString *problem)
{
    QByteArray decoded;
    QByteArrayView bytes = raw;
    if (parameters.encoding == Parameters::Encoding::QuotedPrintable) {
        decoded = decodeQuotedPrintable(raw);
        bytes = decoded;
    } else if (parameters.encoding == Parameters::Encoding::Base64) {
        auto result = QByteArray::fromBase64Encoding(raw.toByteArray(), QByteArray::AbortOnBase64DecodingErrors);
        if (!result) {
            *problem = QStringLiteral("its base64 text is damaged");
            return std::nullopt;
        }
        decoded = *result;
        bytes = decoded;
    }
    if (bytes.contains('\0')) {
        *problem = QStringLiteral("it holds a NUL character");
        return std::nullopt;
    }

    const QByteArrayView charset = parameters.charset;
    if (charset.isEmpty() || equalsUpper(charset, "UTF-8") || equalsUpper(charset, "UTF8")
        || equalsUpper(charset, "US-ASCII")) {
        if (TextInput::firstInvalidUtf8(bytes) >= 0) {
            *problem = QStringLiteral("it is not UTF-8 text");
            return std::nullopt;
        }
        return QString::fromUtf8(bytes);
    }
    const QString charsetName = QString::fromLatin1(charset.first(std::min<qsizetype>(charset.size(), 40)));
    const QByteArray charsetBytes = charset.toByteArray();
    QStringDecoder decoder(charsetBytes.constData(), QStringDecoder::Flag::Stateless);
    if (!decoder.isValid()) {
        *problem = QStringLiteral("its character set %1 is not known").arg(charsetName);
        return std::nullopt;
    }
    QString text = decoder(bytes);
    if (decoder.hasError()) {
        *problem = QStringLiteral("it is not valid %1 text").arg(charsetName);
        return std::nullopt;
    }
    return text;
}

// The value of a whole property line whose value begins after `colon`,
// with its parameters.
std::optional<QString> propertyValue(QByteArrayView line, qsizetype colon, Parameters *parameters, QString *problem)
{
    qsizetype nameEnd = 0;
    while (nameEnd < colon && line[nameEnd] != ';')
        ++nameEnd;
    *parameters = parseParameters(line.sliced(nameEnd, colon - nameEnd));
    return decodeValue(line.sliced(colon + 1), *parameters, problem);
}

// Splits at every `separator` that is not escaped with a backslash.
QList<QStringView> splitUnescaped(QStringView text, QChar separator)
{
    QList<QStringView> parts;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\\') {
            ++i;
        } else if (text[i] == separator) {
            parts.append(text.sliced(start, i - start));
            start = i + 1;
        }
    }
    parts.append(text.sliced(start));
    return parts;
}

QString unescape(const QString &text)
{
    if (!text.contains(u'\\'))
        return text;
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\\' && i + 1 < text.size()) {
            const QChar next = text[i + 1];
            if (next == u'n' || next == u'N') {
                result.append(u'\n');
                ++i;
                continue;
            }
            if (next == u'\\' || next == u',' || next == u';' || next == u':') {
                result.append(next);
                ++i;
                continue;
            }
        }
        result.append(text[i]);
    }
    return result;
}

// The name that N gives: given, additional and family names, each of which
// may hold several comma-separated values.
QString nameFromN(QStringView value)
{
    const QList<QStringView> parts = splitUnescaped(value, u';');
    QStringList words;
    for (const int component : {1, 2, 0}) {
        if (component >= parts.size())
            continue;
        for (QStringView word : splitUnescaped(parts[component], u',')) {
            const QString text = TextInput::cleanName(unescape(word.toString()));
            if (!text.isEmpty())
                words.append(text);
        }
    }
    return words.join(u' ');
}

struct Telephone
{
    QString number;
    int rank = 1; // 0 mobile, 1 any other, 2 fax or pager
    bool preferred = false;
};

int rankOf(const Parameters &parameters)
{
    return parameters.mobile ? 0 : parameters.faxOrPager ? 2 : 1;
}

// The card being read.
struct Card
{
    ContactOrigin origin;
    bool version21 = false;
    QString fn;
    QByteArray nLine; // the first N property, read when there is no FN
    int nLineNumber = 0;
    QList<Telephone> telephones;
    QString problem;
};

class Reader
{
public:
    explicit Reader(QByteArrayView text)
        : m_text(text)
    {
    }

    ContactsRead run();

private:
    void startProperty(QByteArrayView line);
    void finishProperty();
    void handle(Property property, QByteArrayView line);
    void beginCard();
    void endCard();

    QByteArrayView m_text;
    int m_lineNumber = 0;
    ContactsRead m_result;
    bool m_sawBegin = false;
    int m_cards = 0;
    std::optional<Card> m_card;

    // The property whose physical lines are being gathered.
    bool m_pending = false;
    Property m_property = Property::Other;
    bool m_quotedPrintable = false;
    bool m_softBreak = false; // the last line ended in a quoted-printable '='
    bool m_tooLong = false;
    int m_propertyLine = 0;
    QByteArrayView m_firstLine;
    bool m_continued = false;
    QByteArray m_logicalLine;
};

ContactsRead Reader::run()
{
    qsizetype position = 0;
    while (position < m_text.size() && !m_result.truncated) {
        const char *start = m_text.data() + position;
        const void *newline = std::memchr(start, '\n', size_t(m_text.size() - position));
        qsizetype end = newline ? static_cast<const char *>(newline) - m_text.data() : m_text.size();
        const qsizetype next = newline ? end + 1 : end;
        if (end > position && m_text[end - 1] == '\r')
            --end;
        QByteArrayView line = m_text.sliced(position, end - position);
        position = next;
        ++m_lineNumber;

        const bool folded = !line.isEmpty() && (line[0] == ' ' || line[0] == '\t');
        if (m_pending && (m_softBreak || folded)) {
            // A continuation: 3.0 and 4.0 drop the one blank that folding
            // put in; 2.1 and quoted-printable keep the line as it is.
            if (m_property != Property::Other && !m_tooLong) {
                if (!m_continued) {
                    m_logicalLine.truncate(0);
                    m_logicalLine.append(m_firstLine);
                    m_continued = true;
                }
                QByteArrayView rest = line;
                if (m_softBreak)
                    m_logicalLine.chop(1);
                else if (!(m_card && m_card->version21))
                    rest = rest.sliced(1);
                if (m_logicalLine.size() + rest.size() > maximumValueLength)
                    m_tooLong = true;
                else
                    m_logicalLine.append(rest);
            }
            m_softBreak = m_quotedPrintable && line.endsWith('=');
            continue;
        }
        finishProperty();
        startProperty(line);
    }
    finishProperty();
    if (m_card) {
        if (m_card->problem.isEmpty())
            m_card->problem = QStringLiteral("the file ends before its END:VCARD");
        endCard();
    }
    if (!m_sawBegin) {
        m_result.error = QStringLiteral("The file holds no vCard: none of its lines says BEGIN:VCARD.");
        m_result.contacts.clear();
        m_result.unreadable.clear();
    }
    return std::move(m_result);
}

void Reader::startProperty(QByteArrayView line)
{
    const std::optional<PropertyStart> start = propertyStart(line);
    if (!start)
        return; // a blank line, or a stray line of a photo
    m_pending = true;
    m_property = start->property;
    m_quotedPrintable = start->quotedPrintable;
    m_softBreak = m_quotedPrintable && line.endsWith('=');
    m_propertyLine = m_lineNumber;
    m_tooLong = line.size() > maximumValueLength;
    m_continued = false;
    // Most properties are one line, read where it lies; only a folded one
    // is gathered into m_logicalLine.
    m_firstLine = line;
}

void Reader::finishProperty()
{
    if (!m_pending)
        return;
    m_pending = false;
    if (m_property == Property::Other)
        return;
    if (m_tooLong) {
        // BEGIN, END and VERSION that long say nothing that is read.
        if (m_card && m_card->problem.isEmpty()
            && (m_property == Property::FN || m_property == Property::N || m_property == Property::Tel)) {
            m_card->problem = QStringLiteral("line %1 is longer than %2 bytes")
                                  .arg(m_propertyLine)
                                  .arg(TextInput::grouped(maximumValueLength));
        }
        return;
    }
    handle(m_property, m_continued ? QByteArrayView(m_logicalLine) : m_firstLine);
}

void Reader::handle(Property property, QByteArrayView line)
{
    const qsizetype colon = valueColon(line);
    if (colon < 0)
        return;
    const QByteArrayView value = line.sliced(colon + 1);

    if (property == Property::Begin) {
        if (equalsUpper(value.trimmed(), "VCARD"))
            beginCard();
        return;
    }
    if (!m_card)
        return;
    if (property == Property::End) {
        if (equalsUpper(value.trimmed(), "VCARD"))
            endCard();
        return;
    }
    if (!m_card->problem.isEmpty())
        return;
    if (property == Property::Version) {
        m_card->version21 = value.trimmed() == "2.1";
        return;
    }

    if (property == Property::FN && !m_card->fn.isEmpty())
        return;
    if (property == Property::N) {
        // Needed only when there is no FN, which is seldom: kept until the
        // card ends rather than read now.
        if (m_card->nLine.isEmpty()) {
            m_card->nLine = line.toByteArray();
            m_card->nLineNumber = m_propertyLine;
        }
        return;
    }
    Parameters parameters;
    QString problem;
    const std::optional<QString> text = propertyValue(line, colon, &parameters, &problem);
    if (!text) {
        m_card->problem = QStringLiteral("line %1 cannot be read: %2").arg(m_propertyLine).arg(problem);
        return;
    }
    if (property == Property::FN) {
        m_card->fn = TextInput::cleanName(unescape(*text));
    } else if (property == Property::Tel) {
        if (QString number = unescape(*text).trimmed(); !number.isEmpty())
            m_card->telephones.append({number, rankOf(parameters), parameters.preferred});
    }
}

void Reader::beginCard()
{
    m_sawBegin = true;
    if (m_card) {
        if (m_card->problem.isEmpty())
            m_card->problem = QStringLiteral("it has no END:VCARD before the card on line %1").arg(m_propertyLine);
        endCard();
    }
    if (m_cards == ContactsLimits::maximumContacts) {
        m_result.truncated = true;
        return;
    }
    ++m_cards;
    m_card = Card{};
    m_card->origin = {m_cards, m_propertyLine};
}

void Reader::endCard()
{
    Card card = std::move(*m_card);
    m_card.reset();
    QString name = card.fn;
    if (name.isEmpty() && !card.nLine.isEmpty()) {
        Parameters parameters;
        QString problem;
        const std::optional<QString> text
            = propertyValue(card.nLine, valueColon(card.nLine), &parameters, &problem);
        if (text)
            name = nameFromN(*text);
        else if (card.problem.isEmpty())
            card.problem = QStringLiteral("line %1 cannot be read: %2").arg(card.nLineNumber).arg(problem);
    }
    if (!card.problem.isEmpty()) {
        m_result.unreadable.append({card.origin, name, SkipReason::Unreadable, card.problem});
        return;
    }
    std::stable_sort(card.telephones.begin(), card.telephones.end(), [](const Telephone &a, const Telephone &b) {
        return a.rank != b.rank ? a.rank < b.rank : a.preferred > b.preferred;
    });
    ReadContact contact{card.origin, name, {}};
    for (const Telephone &telephone : card.telephones)
        contact.numbers.append(telephone.number);
    m_result.contacts.append(std::move(contact));
}

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

ContactsRead read(QByteArrayView data)
{
    const TextInput::Utf8Bytes bytes(data);
    // Only the values that are read must be UTF-8 (or in their CHARSET);
    // a photo or a note in another encoding does no harm.
    if (const QString problem = bytes.problem(false); !problem.isEmpty()) {
        ContactsRead result;
        result.error = problem;
        return result;
    }
    return Reader(bytes.text()).run();
}

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
