// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/addressbookentries.h"
#include "contacts/contactsfile.h"
#include "contacts/contactsimport.h"
#include "contacts/csv.h"
#include "contacts/phonenumbers.h"
#include "contacts/textinput.h"
#include "contacts/vcard.h"
#include "settings/settingsstore.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace Qt::Literals::StringLiterals;
using Entries = QList<AddressBookEntry>;

namespace {

// A contact as read, in one text: "Name|first number|second number".
QStringList described(const ContactsRead &read)
{
    QStringList result;
    for (const ReadContact &contact : read.contacts)
        result.append((QStringList{contact.name} + contact.numbers).join(u'|'));
    return result;
}

QStringList reasons(const QList<SkippedContact> &skipped)
{
    QStringList result;
    for (const SkippedContact &s : skipped)
        result.append(s.origin.text() + u' ' + s.name + u": " + s.reasonText());
    return result;
}

Entries entriesOf(const AddressBookEntries &book)
{
    return Entries(book.begin(), book.end());
}

QStringList strings(std::initializer_list<const char *> texts)
{
    QStringList result;
    for (const char *text : texts)
        result.append(QString::fromUtf8(text));
    return result;
}

QByteArray crlf(QByteArray text)
{
    return text.replace("\n", "\r\n");
}

} // namespace

class tst_Contacts : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void normalise_data();
    void normalise();
    void readVCard_data();
    void readVCard();
    void readCsv_data();
    void readCsv();
    void refusedFiles_data();
    void refusedFiles();
    void hugeLinesAreLinearAndHarmless();
    void plan_data();
    void plan();
    void fullBookTakesWhatFits();
    void roundTrip_data();
    void roundTrip();
    void vCardLinesAreFoldedWithinUtf8();
    void failedSaveLeavesBookAndFileUnchanged();
    void onlyRegularFilesOfSensibleSizeAreRead();
    void failedExportLeavesNoFile();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<SettingsStore> m_store;
    std::unique_ptr<AddressBookEntries> m_book;
};

void tst_Contacts::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("store")));
    m_store = std::make_unique<SettingsStore>(m_dir->filePath(QStringLiteral("store/KORVANE.conf")));
    m_book = std::make_unique<AddressBookEntries>(*m_store);
}

void tst_Contacts::normalise_data()
{
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("converted"); // the book's form, whether or not it passes
    QTest::addColumn<bool>("valid");

    QTest::newRow("plus") << "+44 7700 900123" << "UK" << "00447700900123" << true;
    QTest::newRow("plus and (0)") << "+44 (0)7700-900123" << "UK" << "00447700900123" << true;
    QTest::newRow("00 and (0)") << "0044 (0)7700 900123" << "UK" << "00447700900123" << true;
    QTest::newRow("double zero") << "0044 7700 900123" << "UK" << "00447700900123" << true;
    QTest::newRow("national UK") << "07700 900123" << "UK" << "00447700900123" << true;
    QTest::newRow("national by culture code") << "07700 900123" << "en-gb" << "00447700900123" << true;
    QTest::newRow("national Ireland") << "085 123 4567" << "Ireland" << "00353851234567" << true;
    QTest::newRow("national Germany, slash") << "0151/23456789" << "de-DE" << "004915123456789" << true;
    QTest::newRow("national Austria") << "0664 1234567" << "Austria" << "00436641234567" << true;
    QTest::newRow("Portugal has no trunk 0") << "912 345 678" << "pt-PT" << "00351912345678" << true;
    // Nine-digit national numbers give 13 characters, which the rule of
    // "Add" refuses; the import must refuse them too, saying so.
    QTest::newRow("national France, dots") << "06.12.34.56.78" << "fr-FR" << "0033612345678" << false;
    QTest::newRow("national Switzerland") << "078 123 45 67" << "de-CH" << "0041781234567" << false;
    QTest::newRow("national Australia") << "0412 345 678" << "en-AU" << "0061412345678" << false;
    QTest::newRow("national Belgium") << "0470 12 34 56" << "Belgium" << "0032470123456" << false;
    QTest::newRow("Spain has no trunk 0") << "612 345 678" << "es-ES" << "0034612345678" << false;
    QTest::newRow("foreign number kept") << "+49 151 23456789" << "UK" << "004915123456789" << true;
    QTest::newRow("tel URI") << "tel:+44-7700-900123" << "UK" << "00447700900123" << true;
    QTest::newRow("other script digits") << QStringLiteral("+٤٤ ٧٧٠٠ ٩٠٠١٢٣") << "UK" << "00447700900123" << true;
    QTest::newRow("too short") << "+44 7700" << "UK" << "00447700" << false;
    QTest::newRow("letters") << "07700 CALL ME" << "UK" << "" << false;
    QTest::newRow("extension") << "+44 20 7946 0000 ext 12" << "UK" << "" << false;
    QTest::newRow("no country and no trunk") << "7700 900123" << "UK" << "" << false;
    QTest::newRow("plus in the middle") << "44+7700900123" << "UK" << "" << false;
    QTest::newRow("only separators") << "( ) -" << "UK" << "" << false;
}

void tst_Contacts::normalise()
{
    QFETCH(QString, written);
    QFETCH(QString, country);
    QFETCH(QString, converted);
    QFETCH(bool, valid);
    const auto home = PhoneNumbers::country(country);
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

void tst_Contacts::readVCard_data()
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

void tst_Contacts::readVCard()
{
    QFETCH(QByteArray, data);
    QFETCH(QStringList, contacts);
    QFETCH(QStringList, unreadable);
    const ContactsRead read = VCard::read(data);
    QCOMPARE(read.error, QString());
    QCOMPARE(described(read), contacts);
    QCOMPARE(reasons(read.unreadable), unreadable);
}

void tst_Contacts::readCsv_data()
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

void tst_Contacts::readCsv()
{
    QFETCH(QByteArray, data);
    QFETCH(QStringList, contacts);
    QFETCH(QStringList, unreadable);
    const ContactsRead read = Csv::read(data);
    QCOMPARE(read.error, QString());
    QCOMPARE(described(read), contacts);
    QCOMPARE(reasons(read.unreadable), unreadable);
}

void tst_Contacts::refusedFiles_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("vCard");
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("error");

    QTest::newRow("vCard with a NUL byte") << QByteArray("BEGIN:VCARD\r\nFN:A\0B\r\nEND:VCARD\r\n", 29) << true << "UK"
                                           << "The file is not a text file: line 2 holds a NUL byte.";
    QTest::newRow("CSV with a NUL byte") << QByteArray("Name,Number\nA,1\n\0", 17) << false << "UK"
                                         << "The file is not a text file: line 3 holds a NUL byte.";
    QTest::newRow("CSV not UTF-8") << QByteArray("Name,Number\nA,1\nR\xE9n\xE9,2\n") << false << "UK"
                                   << "The file is not UTF-8 text: line 3 holds bytes that are not UTF-8. "
                                      "Save it as UTF-8 and import it again.";
    QTest::newRow("overlong UTF-8") << QByteArray("Name,Number\n\xC0\xAF,1\n") << false << "UK"
                                    << "The file is not UTF-8 text: line 2 holds bytes that are not UTF-8. "
                                       "Save it as UTF-8 and import it again.";
    QTest::newRow("no card") << QByteArray("FN:Ann\r\nTEL:1\r\n") << true << "UK"
                             << "The file holds no vCard: none of its lines says BEGIN:VCARD.";
    const QString unknownHeader = QStringLiteral(
        "The first line of the file does not name the columns of a contacts file that KORVANE reads: a column of "
        "names and one of phone numbers, as in \"Name,Number\" or the contacts that Google Contacts, Outlook and "
        "Thunderbird export.");
    QTest::newRow("unknown header") << QByteArray("Vorname,Telefon\nAnn,1\n") << false << "UK" << unknownHeader;
    QTest::newRow("names but no numbers") << QByteArray("Name,E-mail Address\nAnn,a@x\n") << false << "UK"
                                          << unknownHeader;
    QTest::newRow("empty CSV") << QByteArray("\r\n\r\n") << false << "UK" << "The file is empty.";
    QTest::newRow("header only") << QByteArray("Name,Number\r\n") << false << "UK" << "The file holds no contacts.";
    QTest::newRow("unknown country") << QByteArray("Name,Number\nA,1\n") << false << "Narnia"
                                     << "Narnia is not a country that KORVANE knows.";
}

void tst_Contacts::refusedFiles()
{
    QFETCH(QByteArray, data);
    QFETCH(bool, vCard);
    QFETCH(QString, country);
    QFETCH(QString, error);
    const ContactsImport import = ContactsImport::fromData(data, vCard ? ContactsFormat::VCard : ContactsFormat::Csv,
                                                           *m_book, country);
    QCOMPARE(import.error(), error);
    QVERIFY(import.accepted().isEmpty());
    QVERIFY(import.skipped().isEmpty());
}

// A line of 100 MB: passed over when it is a property that is not read,
// refused with its line when it is, and never a freeze.
void tst_Contacts::hugeLinesAreLinearAndHarmless()
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

void tst_Contacts::plan_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("vCard");
    QTest::addColumn<QStringList>("accepted");
    QTest::addColumn<QStringList>("skipped");
    QTest::addColumn<QString>("summary");

    QTest::newRow("CSV")
        << QByteArray("Name,Number\nann,07700 900001\nSTRASSE,07700 900002\nBob,07700 900003\nBOB,07700 900004\n"
                      ",07700 900005\nCy,\nFay,12\nfay,+44 7700 900006\n")
        << false << strings({"Bob|00447700900003", "fay|00447700900006"})
        << strings({"Line 2 ann: is already in the address book", "Line 3 STRASSE: is already in the address book",
                    "Line 5 BOB: was imported from earlier in the file", "Line 6 : has no name",
                    "Line 7 Cy: has no phone number",
                    "Line 8 Fay: has no valid phone number: \"12\" has no country code and does not start with 0, "
                    "so its country is unknown"})
        << "Imported 2 recipients. 6 contacts were skipped: 2 already in the address book, 1 named twice in the "
           "file, 1 without a name, 1 without a phone number and 1 without a valid phone number.";
    QTest::newRow("vCard")
        << crlf("BEGIN:VCARD\nFN:Bob\nTEL:+44 7700 900123\nEND:VCARD\nBEGIN:VCARD\nN:Straße;;;;\nTEL:1\nEND:VCARD\n"
                "BEGIN:VCARD\nFN:Cy\nTEL:+44 7700\nEND:VCARD\nBEGIN:VCARD\nFN:Di\nTEL:07700 900124\n")
        << true << strings({"Bob|00447700900123"})
        << strings({"Card 2 (line 5) Straße: is already in the address book",
                    "Card 3 (line 9) Cy: has no valid phone number: \"+44 7700\" is too short: as 00447700 it has "
                    "fewer than 14 digits",
                    "Card 4 (line 13) Di: could not be read: the file ends before its END:VCARD"})
        << "Imported 1 recipient. 3 contacts were skipped: 1 already in the address book, 1 without a valid phone "
           "number and 1 could not be read.";
    QTest::newRow("nothing new") << QByteArray("Name,Number\nANN,+44 7700 900123\n") << false << QStringList{}
                                 << strings({"Line 2 ANN: is already in the address book"})
                                 << "Imported 0 recipients. 1 contact was skipped: 1 already in the address book.";
}

void tst_Contacts::plan()
{
    QFETCH(QByteArray, data);
    QFETCH(bool, vCard);
    QFETCH(QStringList, accepted);
    QFETCH(QStringList, skipped);
    QFETCH(QString, summary);
    QVERIFY(m_book->AddAll(Entries{{u"Ann"_s, u"00441111111111"_s}, {u"strasse"_s, u"00442222222222"_s}}));
    const Entries before = entriesOf(*m_book);

    const ContactsImport import = ContactsImport::fromData(data, vCard ? ContactsFormat::VCard : ContactsFormat::Csv,
                                                           *m_book, u"en-GB");
    QCOMPARE(import.error(), QString());
    QStringList acceptedText;
    for (const AddressBookEntry &entry : import.accepted())
        acceptedText.append(entry.Name + u'|' + entry.Number);
    QCOMPARE(acceptedText, accepted);
    QCOMPARE(reasons(import.skipped()), skipped);
    QCOMPARE(import.summary(), summary);
    QCOMPARE(entriesOf(*m_book), before); // planning changes nothing

    QVERIFY(import.applyTo(*m_book));
    QCOMPARE(entriesOf(*m_book), before + import.accepted());
}

void tst_Contacts::fullBookTakesWhatFits()
{
    Entries entries;
    for (int i = 1; i <= AddressBookEntries::MaximumCount - 2; ++i)
        entries.append({QString::number(i), QStringLiteral("00440000000000")});
    QVERIFY(m_book->AddAll(entries));

    const QByteArray file = "Name,Number\n1,07700 900001\nA,07700 900002\nB,07700 900003\nC,07700 900004\n"
                            "D,07700 900005\n";
    const ContactsImport import = ContactsImport::fromData(file, ContactsFormat::Csv, *m_book, u"UK");
    QCOMPARE(import.accepted().size(), 2);
    QCOMPARE(import.accepted().last().Name, QStringLiteral("B"));
    QCOMPARE(reasons(import.skipped()),
             strings({"Line 2 1: is already in the address book",
                      "Line 5 C: did not fit: the address book is full",
                      "Line 6 D: did not fit: the address book is full"}));
    QCOMPARE(import.summary(),
             QStringLiteral("Imported 2 recipients. 3 contacts were skipped: 1 already in the address book and 2 left "
                            "out because the address book is full (it keeps 32,767 at most)."));
    QVERIFY(import.applyTo(*m_book));
    QCOMPARE(m_book->Count(), AddressBookEntries::MaximumCount);
}

void tst_Contacts::roundTrip_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::newRow("vCard") << "book.vcf";
    QTest::newRow("CSV") << "book.csv";
}

// Export, an empty book, import: the same book comes back, in memory and
// in the store.
void tst_Contacts::roundTrip()
{
    QFETCH(QString, fileName);
    const Entries book{
        {u"Ann"_s, u"00447700900001"_s},
        {u"Smith, Ann; Jr."_s, u"00447700900002"_s},
        {u"Quote \"Q\" and back\\slash"_s, u"00447700900003"_s},
        {u"Ünïcödé Straße 日本 太郎 😀"_s.repeated(4), u"00447700900004"_s},
        {u"Zoë"_s, u"004915123456789"_s},
    };
    QVERIFY(m_book->AddAll(book));
    const QString path = m_dir->filePath(fileName);
    QCOMPARE(ContactsFile::write(path, m_book->NewEnum()), std::nullopt);

    SettingsStore store(m_dir->filePath(QStringLiteral("other.conf")));
    AddressBookEntries empty(store);
    const ContactsImport import = ContactsImport::fromFile(path, empty, u"UK");
    QCOMPARE(import.error(), QString());
    QCOMPARE(reasons(import.skipped()), QStringList());
    QVERIFY(import.applyTo(empty));
    QCOMPARE(entriesOf(empty), book);

    SettingsStore reopened(store.fileName());
    AddressBookEntries loaded(reopened);
    loaded.Load();
    QCOMPARE(entriesOf(loaded), book);
}

void tst_Contacts::vCardLinesAreFoldedWithinUtf8()
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
        QCOMPARE(described(read), QStringList{TextInput::cleanName(name) + u"|00447700900123"_s});
    }
}

// The store's folder replaced by a plain file stops even root from saving.
void tst_Contacts::failedSaveLeavesBookAndFileUnchanged()
{
    QVERIFY(m_book->AddAll(Entries{{u"Ann"_s, u"00441111111111"_s}}));
    QFile stored(m_store->fileName());
    QVERIFY(stored.open(QIODevice::ReadOnly));
    const QByteArray storedBefore = stored.readAll();
    stored.close();

    const ContactsImport import = ContactsImport::fromData("Name,Number\nBob,07700 900001\nCy,07700 900002\n",
                                                           ContactsFormat::Csv, *m_book, u"UK");
    QCOMPARE(import.accepted().size(), 2);
    QDir dir(m_dir->path());
    QVERIFY(dir.rename(QStringLiteral("store"), QStringLiteral("store.away")));
    QFile blocker(dir.filePath(QStringLiteral("store")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    QVERIFY(!import.applyTo(*m_book));
    QVERIFY(!m_store->errorString().isEmpty());
    QCOMPARE(entriesOf(*m_book), Entries({{u"Ann"_s, u"00441111111111"_s}}));
    QVERIFY(!m_book->Item(u"bob"_s));

    QVERIFY(blocker.remove());
    QVERIFY(dir.rename(QStringLiteral("store.away"), QStringLiteral("store")));
    QVERIFY(stored.open(QIODevice::ReadOnly));
    QCOMPARE(stored.readAll(), storedBefore);
    stored.close();

    // Once the store can be written, the same import goes through.
    QVERIFY(import.applyTo(*m_book));
    SettingsStore reopened(m_store->fileName());
    AddressBookEntries loaded(reopened);
    loaded.Load();
    QCOMPARE(loaded.names(), strings({"Ann", "Bob", "Cy"}));
}

void tst_Contacts::onlyRegularFilesOfSensibleSizeAreRead()
{
    const QString sparse = m_dir->filePath(QStringLiteral("huge.vcf"));
    QFile file(sparse);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.resize(qint64(1) << 30));
    file.close();
    const QString fifo = m_dir->filePath(QStringLiteral("fifo.vcf"));
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);

    const QList<std::pair<QString, QString>> refused{
        {sparse, sparse + u" is too large for a contacts file (1024 MB; KORVANE reads files of up to 128 MB)."_s},
        {fifo, fifo + u" is not a file but a device, a pipe or a socket, so it is not read."_s},
        {u"/dev/zero"_s, u"/dev/zero is not a file but a device, a pipe or a socket, so it is not read."_s},
        {m_dir->path(), m_dir->path() + u" is a folder, not a contacts file."_s},
        {m_dir->filePath(u"missing.csv"_s),
         m_dir->filePath(u"missing.csv"_s) + u" could not be opened: No such file or directory."_s},
    };
    for (const auto &[path, error] : refused) {
        const ContactsImport import = ContactsImport::fromFile(path, *m_book, u"UK");
        QCOMPARE(import.error(), error);
    }

    // Just below the limit is read.
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.write("BEGIN:VCARD\r\nFN:Ann\r\nTEL:07700 900123\r\nEND:VCARD\r\n") > 0);
    QVERIFY(file.resize(ContactsLimits::maximumFileSize));
    file.close();
    QCOMPARE(ContactsFile::read(sparse).data.size(), ContactsLimits::maximumFileSize);
}

void tst_Contacts::failedExportLeavesNoFile()
{
    const Entries book{{u"Ann"_s, u"00441111111111"_s}};
    QFile blocker(m_dir->filePath(u"blocker"_s));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString inBlocker = m_dir->filePath(u"blocker/out.vcf"_s);
    const std::optional<QString> error = ContactsFile::write(inBlocker, book);
    QVERIFY(error);
    QVERIFY2(error->startsWith(inBlocker + u" could not be written: "_s), qPrintable(*error));

    const QString text = m_dir->filePath(u"out.txt"_s);
    QCOMPARE(ContactsFile::write(text, book),
             text + u" was not written: name the file .vcf for vCard or .csv for CSV."_s);
    QVERIFY(!QFile::exists(text));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{u"blocker"_s});

    // An existing file is replaced whole.
    const QString csv = m_dir->filePath(u"out.CSV"_s);
    QFile old(csv);
    QVERIFY(old.open(QIODevice::WriteOnly));
    QVERIFY(old.write(QByteArray(10000, 'x')) > 0);
    old.close();
    QCOMPARE(ContactsFile::write(csv, book), std::nullopt);
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("Name,Number\r\nAnn,00441111111111\r\n"));
}

QTEST_APPLESS_MAIN(tst_Contacts)

#include "tst_contacts.moc"
