// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "contacts/vcard.h"

// Reading cards: physical lines are gathered into properties (unfolded
// where folded), and properties into cards. How one property is read is in
// vcardproperty.cpp, writing in vcardwriter.cpp.

#include "contacts/textinput.h"
#include "contacts/vcardproperty.h"
#include "rules/textrules.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstring>
#include <optional>

namespace VCard {

namespace {

using ContactsLimits::maximumValueLength;
using namespace Detail;

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
    QByteArrayView nextLine(qsizetype &position);
    void continueProperty(QByteArrayView line);
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
        const QByteArrayView line = nextLine(position);
        const bool folded = !line.isEmpty() && (line[0] == ' ' || line[0] == '\t');
        if (m_pending && (m_softBreak || folded)) {
            continueProperty(line);
            continue;
        }
        finishProperty();
        startProperty(line);
    }
    finishProperty();
    if (m_card) {
        if (m_card->problem.isEmpty())
            m_card->problem = QCoreApplication::translate("VCard", "the file ends before its END:VCARD");
        endCard();
    }
    if (!m_sawBegin) {
        m_result.error
            = QCoreApplication::translate("VCard", "The file holds no vCard: none of its lines says BEGIN:VCARD.");
        m_result.contacts.clear();
        m_result.unreadable.clear();
    }
    return std::move(m_result);
}

QByteArrayView Reader::nextLine(qsizetype &position)
{
    const char *start = m_text.data() + position;
    const void *newline = std::memchr(start, '\n', size_t(m_text.size() - position));
    qsizetype end = newline ? static_cast<const char *>(newline) - m_text.data() : m_text.size();
    const qsizetype next = newline ? end + 1 : end;
    if (end > position && m_text[end - 1] == '\r')
        --end;
    const QByteArrayView line = m_text.sliced(position, end - position);
    position = next;
    ++m_lineNumber;
    return line;
}

// A continuation: 3.0 and 4.0 drop the one blank that folding put in; 2.1
// and quoted-printable keep the line as it is.
void Reader::continueProperty(QByteArrayView line)
{
    const bool softBreak = m_softBreak;
    m_softBreak = m_quotedPrintable && line.endsWith('=');
    if (m_property == Property::Other || m_tooLong)
        return;
    if (!m_continued) {
        m_logicalLine.truncate(0);
        m_logicalLine.append(m_firstLine);
        m_continued = true;
    }
    QByteArrayView rest = line;
    if (softBreak)
        m_logicalLine.chop(1);
    else if (!(m_card && m_card->version21))
        rest = rest.sliced(1);
    if (m_logicalLine.size() + rest.size() > maximumValueLength)
        m_tooLong = true;
    else
        m_logicalLine.append(rest);
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
            m_card->problem = QCoreApplication::translate("VCard", "line %1 is longer than %2 bytes")
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
        m_card->problem
            = QCoreApplication::translate("VCard", "line %1 cannot be read: %2").arg(m_propertyLine).arg(problem);
        return;
    }
    if (property == Property::FN) {
        m_card->fn = TextRules::recipientNameForm(unescape(*text));
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
            m_card->problem = QCoreApplication::translate("VCard", "it has no END:VCARD before the card on line %1")
                                  .arg(m_propertyLine);
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
            card.problem
                = QCoreApplication::translate("VCard", "line %1 cannot be read: %2").arg(card.nLineNumber).arg(problem);
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

} // namespace VCard
