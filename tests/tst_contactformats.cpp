// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The contacts files themselves: phone numbers brought to the book's form,
// vCard and CSV read as phones and mail programs write them, and vCard lines
// folded as written.

#include "contacts/csv.h"
#include "contacts/phonenumbers.h"
#include "contacts/vcard.h"
#include "rules/textrules.h"
#include "tests/support/contactsread.h"

#include <QStringEncoder>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using Entries = QList<AddressBookEntry>;

class tst_ContactFormats : public QObject
{
    Q_OBJECT

private slots:
    void normalise_data();
    void normalise();
    void readVCard_data();
    void readVCard();
    void readCsv_data();
    void readCsv();
    void hugeLinesAreLinearAndHarmless();
    void vCardLinesAreFoldedWithinUtf8();
};

void tst_ContactFormats::normalise_data()
{
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("converted"); // the book's form, whether or not it passes
    QTest::addColumn<bool>("valid");

    QTest::newRow("plus") << "+44 7700 900123" << "UK" << "00447700900123" << true;
    QTest::newRow("plus and (0)") << "+44 (0)7700-900123" << "UK" << "00447700900123" << true;
    QTest::newRow("00 and (0)") << "0044 (0)7700 900123" << "UK" << "00447700900123" << true;
    QTest::newRow("national UK") << "07700 900123" << "UK" << "00447700900123" << true;
    QTest::newRow("national by culture code") << "07700 900123" << "en-gb" << "00447700900123" << true;
    QTest::newRow("national Ireland") << "085 123 4567" << "Ireland" << "00353851234567" << true;
    QTest::newRow("national Germany, slash") << "0151/23456789" << "de-DE" << "004915123456789" << true;
    QTest::newRow("national Austria") << "0664 1234567" << "Austria" << "00436641234567" << true;
    QTest::newRow("Portugal has no trunk 0") << "912 345 678" << "pt-PT" << "00351912345678" << true;
    QTest::newRow("national France, dots") << "06.12.34.56.78" << "fr-FR" << "0033612345678" << true;
    QTest::newRow("national Switzerland") << "078 123 45 67" << "de-CH" << "0041781234567" << true;
    QTest::newRow("national Australia") << "0412 345 678" << "en-AU" << "0061412345678" << true;
    QTest::newRow("national Belgium") << "0470 12 34 56" << "Belgium" << "0032470123456" << true;
    QTest::newRow("Spain has no trunk 0") << "612 345 678" << "es-ES" << "0034612345678" << true;
    // Australia dials 0011 abroad; the book's 00 is international there too.
    QTest::newRow("00 in Australia") << "0044 7700 900123" << "en-AU" << "00447700900123" << true;
    QTest::newRow("0011 in Australia") << "0011 44 7700 900123" << "en-AU" << "00447700900123" << true;
    QTest::newRow("foreign number kept") << "+49 151 23456789" << "UK" << "004915123456789" << true;
    QTest::newRow("Italian leading zero") << "+39 06 6982 1234" << "UK" << "00390669821234" << true;
    QTest::newRow("tel URI") << "tel:+1-418-262-6501" << "UK" << "0014182626501" << true;
    QTest::newRow("extension") << "+44 20 7946 0000 ext 12" << "UK" << "00442079460000" << true;
    QTest::newRow("extension after x") << "07700 900123x12" << "UK" << "00447700900123" << true;
    QTest::newRow("other script digits") << QStringLiteral("+٤٤ ٧٧٠٠ ٩٠٠١٢٣") << "UK" << "00447700900123" << true;
    QTest::newRow("too short") << "+44 7700" << "UK" << "00447700" << false;
    QTest::newRow("too short for France") << "06 12 34" << "France" << "0033061234" << false;
    QTest::newRow("too long") << "+44 7700 900123 456789 0" << "UK" << "" << false;
    QTest::newRow("letters for keypad digits") << "0800 FLOWERS" << "UK" << "" << false;
    QTest::newRow("letters between digits") << "0770 ab 0900123" << "UK" << "" << false;
    QTest::newRow("no such country code") << "+999 1234 5678" << "UK" << "" << false;
    QTest::newRow("plus in the middle") << "44+7700900123" << "UK" << "" << false;
    QTest::newRow("only separators") << "( ) -" << "UK" << "" << false;
}

void tst_ContactFormats::normalise()
{
    QFETCH(QString, written);
    QFETCH(QString, country);
    QFETCH(QString, converted);
    QFETCH(bool, valid);
    const auto home = Countries::find(country);
    QVERIFY(home);
    const PhoneNumbers::Normalised result = PhoneNumbers::normalise(written, *home);
    QCOMPARE(result.isValid(), valid);
    if (valid) {
        QCOMPARE(result.number, converted);
        return;
    }
    QVERIFY(result.number.isEmpty());
    // The reason names the number as written, and what it became if anything.
    QVERIFY2(result.problem.contains(written.left(10)), qPrintable(result.problem));
    if (!converted.isEmpty())
        QVERIFY2(result.problem.contains(converted), qPrintable(result.problem));
}

void tst_ContactFormats::readVCard_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QStringList>("contacts"); // "Name|number|number"
    QTest::addColumn<QStringList>("unreadable");

    QTest::newRow("2.1 quoted-printable, soft break, CHARSET")
        << crlf("BEGIN:VCARD\nVERSION:2.1\nN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:M=C3=BCller;J=C3=BCr=\n"
                "gen;;;\nTEL;CELL;PREF:+49 151 23456789\nEND:VCARD\n")
        << strings({"Jürgen Müller|+49 151 23456789"}) << QStringList{};
    QTest::newRow("2.1 Latin-1 and a bare encoding")
        << crlf("BEGIN:VCARD\nVERSION:2.1\nFN;CHARSET=ISO-8859-1;QUOTED-PRINTABLE:Ren=E9e\nTEL;HOME:0044111\n"
                "TEL;CELL:07700 900123\nEND:VCARD\n")
        << strings({"Renée|07700 900123|0044111"}) << QStringList{};
    QTest::newRow("2.1 folding keeps the blank; photo block")
        << crlf("BEGIN:VCARD\nVERSION:2.1\nFN:Ann\n Lee\nPHOTO;ENCODING=BASE64;TYPE=JPEG:/9j/4AAQSkZJRg\n"
                " ABAQEASABIAAD:/2wBD\nAAMCAgMCAgMDAwMEAwMEBQgFBQQE\n\nTEL;CELL:+44 7700 900123\nEND:VCARD\n")
        << strings({"Ann Lee|+44 7700 900123"}) << QStringList{};
    QTest::newRow("3.0 folded, TYPE list, group prefix, LF only")
        << QByteArray("BEGIN:VCARD\nVERSION:3.0\nFN:Bartholomew\n  Smith\nitem1.TEL;TYPE=WORK,VOICE:+44 20 7946 0000\n"
                      "item2.TEL;TYPE=CELL,VOICE:+44 7700\n 900123\nitem2.X-ABLabel:mobile\nEND:VCARD\n")
        << strings({"Bartholomew Smith|+44 7700900123|+44 20 7946 0000"}) << QStringList{};
    QTest::newRow("4.0 quoted TYPE, PREF=1, tel URI, BOM")
        << QByteArray("\xEF\xBB\xBF" "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Cy\r\nTEL;VALUE=uri;TYPE=\"voice,home\":tel:+44-20-7946-0001\r\n"
                      "TEL;VALUE=uri;PREF=1;TYPE=\"voice,cell\":tel:+44-7700-900124\r\n"
                      "TEL;TYPE=cell:+44 7700 900125\r\nEND:VCARD\r\n")
        << strings({"Cy|tel:+44-7700-900124|+44 7700 900125|tel:+44-20-7946-0001"}) << QStringList{};
    QTest::newRow("escapes; name from N when FN is empty")
        << crlf("BEGIN:VCARD\nVERSION:3.0\nFN:Smith\\, Ann\\; Jr\\nSecond\nTEL:1\nEND:VCARD\n"
                "BEGIN:VCARD\nVERSION:3.0\nFN:\nN:Lee;Bo,Al;Kim;Dr.;\nTEL:2\nEND:VCARD\n")
        << strings({"Smith, Ann; Jr Second|1", "Bo Al Kim Lee|2"}) << QStringList{};
    QTest::newRow("fax last, lower-case names, blank lines between cards")
        << crlf("begin:vcard\nversion:3.0\nfn:Di\ntel;type=fax:5\ntel;type=home:6\nend:vcard\n\n\n"
                "BEGIN:VCARD\nVERSION:3.0\nFN:Ed\nEND:VCARD\n")
        << strings({"Di|6|5", "Ed"}) << QStringList{};
    QTest::newRow("card inside a card")
        << crlf("BEGIN:VCARD\nVERSION:2.1\nFN:Outer\nAGENT:\nBEGIN:VCARD\nVERSION:2.1\nFN:Inner\nTEL:1\nEND:VCARD\n"
                "TEL:2\nEND:VCARD\n")
        << strings({"Inner|1"}) << strings({"Card 1 (line 1) Outer: could not be read: it has no END:VCARD "
                                                 "before the card on line 5"});
    QTest::newRow("BEGIN without END")
        << crlf("BEGIN:VCARD\nFN:Ann\nTEL:1\nEND:VCARD\nBEGIN:VCARD\nFN:Bob\nTEL:2\n")
        << strings({"Ann|1"})
        << strings({"Card 2 (line 5) Bob: could not be read: the file ends before its END:VCARD"});
    QTest::newRow("invalid UTF-8 in the name; harmless in a note")
        << crlf("BEGIN:VCARD\nFN:Bad\xC3\x28\nTEL:1\nEND:VCARD\nBEGIN:VCARD\nFN:Good\nNOTE:\xFF\xFE\nTEL:2\nEND:VCARD\n")
        << strings({"Good|2"})
        << strings({"Card 1 (line 1) : could not be read: line 2 cannot be read: it is not UTF-8 text"});
    QTest::newRow("unknown character set")
        << crlf("BEGIN:VCARD\nFN;CHARSET=X-NOPE:Ann\nTEL:1\nEND:VCARD\n") << QStringList{}
        << strings({"Card 1 (line 1) : could not be read: line 2 cannot be read: its character set X-NOPE is not known"});
}

void tst_ContactFormats::readVCard()
{
    QFETCH(QByteArray, data);
    QFETCH(QStringList, contacts);
    QFETCH(QStringList, unreadable);
    const ContactsRead read = VCard::read(data);
    QCOMPARE(read.error, QString());
    QCOMPARE(described(read), contacts);
    QCOMPARE(reasons(read.unreadable), unreadable);
}

void tst_ContactFormats::readCsv_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QStringList>("contacts");
    QTest::addColumn<QStringList>("unreadable");

    QTest::newRow("Name,Number with quoting")
        << QByteArray("Name,Number\r\n\"Smith, Ann \"\"Nan\"\"\",07700 900123\r\n\"Two\r\nLines\",\"+44 1\"\r\n")
        << strings({"Smith, Ann \"Nan\"|07700 900123", "Two Lines|+44 1"}) << QStringList{};
    QTest::newRow("semicolons, BOM, blank lines, columns swapped")
        << QByteArray("\xEF\xBB\xBF\r\n\nnumber;NAME\n\n0151 1;M\xC3\xBCller, Jo\n;;\n")
        << strings({"Müller, Jo|0151 1"}) << QStringList{};
    QStringEncoder utf16(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
    QTest::newRow("UTF-16 with its mark") << QByteArray(utf16(u"Name,Number\r\nZoë,1\r\n"_s))
                                          << strings({"Zoë|1"}) << QStringList{};
    QTest::newRow("Google Contacts")
        << QByteArray("First Name,Middle Name,Last Name,Phonetic First Name,Nickname,File As,Organization Name,Labels,"
                      "E-mail 1 - Label,E-mail 1 - Value,Phone 1 - Label,Phone 1 - Value,Phone 2 - Label,Phone 2 - Value\n"
                      "Ann,B,Lee,,,,,* myContacts,,a@x,Home,020 1,* Mobile,07700 1 ::: 07700 2\n"
                      ",,,,,,Acme Ltd,,,,Work,020 3,,\n")
        << strings({"Ann B Lee|07700 1|07700 2|020 1", "Acme Ltd|020 3"}) << QStringList{};
    QTest::newRow("Google Contacts, older layout")
        << QByteArray("Name,Given Name,Additional Name,Family Name,Group Membership,Phone 1 - Type,Phone 1 - Value\n"
                      ",Bo,,Kim,* myContacts,Mobile,+44 7700 900123\n")
        << strings({"Bo Kim|+44 7700 900123"}) << QStringList{};
    QTest::newRow("Outlook")
        << QByteArray("\"Title\",\"First Name\",\"Middle Name\",\"Last Name\",\"Suffix\",\"Company\",\"Business Fax\","
                      "\"Business Phone\",\"Home Phone\",\"Mobile Phone\",\"Pager\",\"Primary Phone\",\"Notes\"\r\n"
                      "\"Mr.\",\"Cy\",\"\",\"Ray\",\"\",\"\",\"5\",\"1\",\"2\",\"3\",\"6\",\"4\",\"a\r\nlong, note\"\r\n")
        << strings({"Cy Ray|3|4|1|2"}) << QStringList{};
    QTest::newRow("Thunderbird")
        << QByteArray("First Name,Last Name,Display Name,Nickname,Primary Email,Secondary Email,Screen Name,Work Phone,"
                      "Home Phone,Fax Number,Pager Number,Mobile Number,Organisation,Notes\n"
                      "Di,Fox,Dee Fox,,d@x,,,1,2,3,4,5,,\n,,,,e@x,,,,,,,,,\n")
        << strings({"Dee Fox|5|1|2", ""}) << QStringList{};
    QTest::newRow("a separator ends the file") << QByteArray("Number,Name\n1,Ann\n2,") << strings({"Ann|1", "|2"})
                                               << QStringList{};
    QTest::newRow("a field that is read is too long")
        << QByteArray("Name,Number,Notes\nA," + QByteArray(70000, '1') + ",n\nB,2," + QByteArray(70000, 'x') + "\n")
        << strings({"B|2"})
        << strings({"Line 2 : could not be read: its field in the column \"Number\" is longer than 65,536 bytes"});
    QTest::newRow("a quote that is never closed")
        << QByteArray("Name,Number\nA,1\n\"B,2\nC,3\n") << strings({"A|1"})
        << strings({"Line 3 : could not be read: a quoted field begins on it and is never closed, so the rest of "
                       "the file could not be read"});
}

void tst_ContactFormats::readCsv()
{
    QFETCH(QByteArray, data);
    QFETCH(QStringList, contacts);
    QFETCH(QStringList, unreadable);
    const ContactsRead read = Csv::read(data);
    QCOMPARE(read.error, QString());
    QCOMPARE(described(read), contacts);
    QCOMPARE(reasons(read.unreadable), unreadable);
}

// A line of 100 MB: passed over when it is a property that is not read,
// refused with its line when it is, and never a freeze.
void tst_ContactFormats::hugeLinesAreLinearAndHarmless()
{
    const QByteArray huge(100 * 1024 * 1024, 'x');
    const QByteArray card = "BEGIN:VCARD\r\nFN:Ann\r\nTEL:07700 900123\r\nEND:VCARD\r\n";

    ContactsRead read = VCard::read(QByteArray("BEGIN:VCARD\r\nNOTE:" + huge + "\r\nFN:Bob\r\nTEL:1\r\nEND:VCARD\r\n" + card));
    QCOMPARE(described(read), strings({"Bob|1", "Ann|07700 900123"}));

    read = VCard::read(QByteArray("BEGIN:VCARD\r\nFN:" + huge + "\r\nEND:VCARD\r\n" + card));
    QCOMPARE(described(read), strings({"Ann|07700 900123"}));
    QCOMPARE(reasons(read.unreadable),
             strings({"Card 1 (line 1) : could not be read: line 2 is longer than 65,536 bytes"}));

    QCOMPARE(VCard::read(huge).error, QStringLiteral("The file holds no vCard: none of its lines says BEGIN:VCARD."));
    QVERIFY(Csv::read(huge).error.startsWith(QStringLiteral("The first line of the file does not name")));
    read = Csv::read(QByteArray("Name,Number,Notes\r\nAnn,1," + huge + "\r\nBob,2,\r\n"));
    QCOMPARE(described(read), strings({"Ann|1", "Bob|2"}));

    // Past the most contacts that are read, the rest of the file is not.
    QByteArray rows = "Name,Number\n";
    for (int i = 0; i <= ContactsLimits::maximumContacts; ++i)
        rows += "a,1\n";
    read = Csv::read(rows);
    QVERIFY(read.truncated);
    QCOMPARE(read.contacts.size(), ContactsLimits::maximumContacts);
}

void tst_ContactFormats::vCardLinesAreFoldedWithinUtf8()
{
    for (const QString &name : {u"é"_s.repeated(100), u"😀"_s.repeated(50), u"ab\\"_s.repeated(60),
                                u"a"_s.repeated(72), u"x\n,;"_s.repeated(40)}) {
        const QByteArray text = VCard::write(Entries{{name, u"00447700900123"_s}});
        for (const QByteArray &line : text.split('\n')) {
            QVERIFY2(line.size() <= 76, line.constData()); // 75 and the CR
            QCOMPARE(QString::fromUtf8(line).toUtf8(), line);
            const QByteArray content = line.endsWith('\r') ? line.chopped(1) : line;
            qsizetype backslashes = 0;
            while (backslashes < content.size() && content[content.size() - 1 - backslashes] == '\\')
                ++backslashes;
            QVERIFY2(backslashes % 2 == 0, line.constData()); // no escape split by a fold
        }
        const ContactsRead read = VCard::read(text);
        QCOMPARE(described(read), QStringList{TextRules::recipientNameForm(name) + u"|00447700900123"_s});
    }
}

QTEST_APPLESS_MAIN(tst_ContactFormats)

#include "tst_contactformats.moc"
