// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The rules for recipients: which numbers pass, and the one form and the
// length of their names.

#include "rules/textrules.h"

#include <QTest>

using namespace Qt::StringLiterals;

class tst_TextRules : public QObject
{
    Q_OBJECT

private slots:
    void recipientNumber_data();
    void recipientNumber();
    void recipientNameForm_data();
    void recipientNameForm();
    void newRecipient_data();
    void newRecipient();
};

void tst_TextRules::recipientNumber_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<bool>("valid");

    // 14 characters or more pass as they always did, whatever the plans say.
    QTest::newRow("14 characters") << u"00441234567890"_s << true;
    QTest::newRow("14, invalid in its plan") << u"00441111111111"_s << true;
    QTest::newRow("17 characters") << u"00441234567890123"_s << true;
    QTest::newRow("18 characters") << u"004412345678901234"_s << false;
    QTest::newRow("a hundred thousand zeros") << u"00"_s + QString(100000, u'0') << false;
    QTest::newRow("14 starting 44") << u"44123456789012"_s << false;
    QTest::newRow("14 with a letter") << u"0044123456789a"_s << false;
    QTest::newRow("14 with a space") << u"0044 123456789"_s << false;
    QTest::newRow("plus instead of 00") << u"+33612345678"_s << false;
    QTest::newRow("00 alone") << u"00"_s << false;
    // Shorter: valid in the numbering plan of the country, or not at all.
    QTest::newRow("UK, 13 characters") << u"0044123456789"_s << false;
    QTest::newRow("France, four digits") << u"00331234"_s << false;
    QTest::newRow("France mobile") << u"0033612345678"_s << true;
    QTest::newRow("France mobile less a digit") << u"0033612345"_s << false;
    QTest::newRow("Belgium mobile") << u"0032470123456"_s << true;
    QTest::newRow("Switzerland mobile") << u"0041781234567"_s << true;
    QTest::newRow("Australia mobile") << u"0061412345678"_s << true;
    QTest::newRow("Spain mobile") << u"0034612345678"_s << true;
    QTest::newRow("Austria mobile") << u"0043664123456"_s << true;
    QTest::newRow("Canada mobile") << u"0014182626501"_s << true;
    QTest::newRow("USA less a digit") << u"001201555012"_s << false;
    QTest::newRow("Germany, Berlin") << u"004930123456"_s << true;
    QTest::newRow("Italy, Rome with its leading zero") << u"0039066981234"_s << true;
    QTest::newRow("Italy, Rome cut short") << u"003906698"_s << false;
    QTest::newRow("Norway mobile") << u"004740612345"_s << true;
    QTest::newRow("Norway less a digit") << u"00474061234"_s << false;
    QTest::newRow("freephone of no country") << u"0080012345678"_s << true;
    QTest::newRow("no such country code") << u"0099912345678"_s << false;
}

void tst_TextRules::recipientNumber()
{
    QFETCH(QString, number);
    QFETCH(bool, valid);
    QCOMPARE(TextRules::isValidRecipientNumber(number), valid);
}

void tst_TextRules::recipientNameForm_data()
{
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("form");

    QTest::newRow("line break") << u"Two\nLines"_s << u"Two Lines"_s;
    QTest::newRow("CRLF and tabs are one run") << u"a\r\n\t b"_s << u"a  b"_s;
    QTest::newRow("tab") << u"Tab\there"_s << u"Tab here"_s;
    QTest::newRow("outer spaces") << u" Spaced "_s << u"Spaced"_s;
    QTest::newRow("inner spaces stay") << u"Ann  Lee"_s << u"Ann  Lee"_s;
    QTest::newRow("C1 control and line separator") << u"a\u0085b\u2028c"_s << u"a b c"_s;
    QTest::newRow("bidi and zero-width stay") << u"\u202Eevil\u2066\u200B"_s << u"\u202Eevil\u2066\u200B"_s;
    QTest::newRow("nothing but controls") << u"\n\t\r"_s << QString();
}

void tst_TextRules::recipientNameForm()
{
    QFETCH(QString, written);
    QFETCH(QString, form);
    QCOMPARE(TextRules::recipientNameForm(written), form);
    QCOMPARE(TextRules::recipientNameForm(form), form);
}

void tst_TextRules::newRecipient_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("problem");

    const QString invalid = u" is not a valid phone number, please use a valid country code prefix"_s;
    QTest::newRow("255 characters") << QString(255, u'x') << u"0033612345678"_s << QString();
    QTest::newRow("255 characters beyond 16 bits") << u"😀"_s.repeated(255) << u"0033612345678"_s << QString();
    QTest::newRow("256 characters") << QString(256, u'x') << u"0033612345678"_s
                                    << u"The name has 256 characters; a recipient's name has 255 at most."_s;
    QTest::newRow("255 once line ends are spaces") << u"\n"_s + QString(255, u'x') + u"\r\n"_s
                                                   << u"00441234567890"_s << QString();
    QTest::newRow("the number is told first") << QString(256, u'x') << u"0033"_s << u"0033"_s + invalid;
}

void tst_TextRules::newRecipient()
{
    QFETCH(QString, name);
    QFETCH(QString, number);
    QFETCH(QString, problem);
    const TextRules::NewRecipient recipient = TextRules::newRecipient(name, number);
    QCOMPARE(recipient.problem, problem);
    QCOMPARE(recipient.name, TextRules::recipientNameForm(name));
    QCOMPARE(recipient.number, number);
}

QTEST_APPLESS_MAIN(tst_TextRules)

#include "tst_textrules.moc"
