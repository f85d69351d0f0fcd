// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Contacts files into and out of the address book: files refused whole, the
// import plan against the book, a round trip through the store, and reading
// and writing files that fail.

#include "contacts/contactsfile.h"
#include "contacts/contactsimport.h"
#include "rules/textrules.h"
#include "tests/support/contactsread.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

#include <memory>

using namespace Qt::Literals::StringLiterals;
using Entries = QList<AddressBookEntry>;

namespace {

// A book that holds Ann and strasse, with room for all.
ContactsImport::Book annAndStrasse()
{
    return {{TextRules::nameKey(u"Ann"_s), TextRules::nameKey(u"strasse"_s)}, addressBookCapacity - 2};
}

QStringList acceptedText(const ContactsImport &import)
{
    QStringList text;
    for (const AddressBookEntry &entry : import.accepted())
        text.append(entry.Name + u'|' + entry.Number);
    return text;
}

} // namespace

class tst_ContactsImport : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void refusedFiles_data();
    void refusedFiles();
    void plan_data();
    void plan();
    void fullBookTakesWhatFits();
    void roundTrip_data();
    void roundTrip();
    void onlyRegularFilesOfSensibleSizeAreRead();
    void failedExportLeavesNoFile();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_ContactsImport::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void tst_ContactsImport::refusedFiles_data()
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

void tst_ContactsImport::refusedFiles()
{
    QFETCH(QByteArray, data);
    QFETCH(bool, vCard);
    QFETCH(QString, country);
    QFETCH(QString, error);
    const ContactsImport import = ContactsImport::fromData(data, vCard ? ContactsFormat::VCard : ContactsFormat::Csv,
                                                           annAndStrasse(), country);
    QCOMPARE(import.error(), error);
    QVERIFY(import.accepted().isEmpty());
    QVERIFY(import.skipped().isEmpty());
}

void tst_ContactsImport::plan_data()
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
                    "Line 8 Fay: has no valid phone number: \"12\" is too short for a phone number of its country "
                    "(004412)"})
        << "Imported 2 recipients. 6 contacts were skipped: 2 already in the address book, 1 named twice in the "
           "file, 1 without a name, 1 without a phone number and 1 without a valid phone number.";
    QTest::newRow("vCard")
        << crlf("BEGIN:VCARD\nFN:Bob\nTEL:+44 7700 900123\nEND:VCARD\nBEGIN:VCARD\nN:Straße;;;;\nTEL:1\nEND:VCARD\n"
                "BEGIN:VCARD\nFN:Cy\nTEL:+44 7700\nEND:VCARD\nBEGIN:VCARD\nFN:Di\nTEL:07700 900124\n")
        << true << strings({"Bob|00447700900123"})
        << strings({"Card 2 (line 5) Straße: is already in the address book",
                    "Card 3 (line 9) Cy: has no valid phone number: \"+44 7700\" is too short for a phone number of "
                    "its country (00447700)",
                    "Card 4 (line 13) Di: could not be read: the file ends before its END:VCARD"})
        << "Imported 1 recipient. 3 contacts were skipped: 1 already in the address book, 1 without a valid phone "
           "number and 1 could not be read.";
    QTest::newRow("names at the door")
        << QByteArray("Name,Number\n\"Two\r\nLines\",07700 900001\n\" Spaced \",07700 900002\n"
                      + QByteArray(256, 'x') + ",07700 900003\n")
        << false << strings({"Two Lines|00447700900001", "Spaced|00447700900002"})
        << QStringList{u"Line 5 "_s + QString(256, u'x')
                       + u": has too long a name: the name has 256 characters; a recipient's name has 255 at most"_s}
        << "Imported 2 recipients. 1 contact was skipped: 1 with too long a name.";
    // National numbers are read in the plan of the chosen country (UK here).
    QTest::newRow("numbers of many countries, CSV")
        << QByteArray("Name,Number\nUK,07700 900001\nFrance,+33 6 12 34 56 78\nBelgium,0032 470 12 34 56\n"
                      "Portugal,(+351) 912 345 678\nAustralia,+61 (0)412 345 678\nUSA,+1 (201) 555-0123\n"
                      "Sweden,+46 70 123 45 67\nFrance short,+33 6 12\n")
        << false
        << strings({"UK|00447700900001", "France|0033612345678", "Belgium|0032470123456",
                    "Portugal|00351912345678", "Australia|0061412345678", "USA|0012015550123",
                    "Sweden|0046701234567"})
        << strings({"Line 9 France short: has no valid phone number: \"+33 6 12\" is too short for a phone number "
                    "of its country (0033612)"})
        << "Imported 7 recipients. 1 contact was skipped: 1 without a valid phone number.";
    QTest::newRow("numbers of many countries, vCard")
        << crlf("BEGIN:VCARD\nVERSION:3.0\nFN:Home\nTEL;TYPE=CELL:07700 900001\nEND:VCARD\n"
                "BEGIN:VCARD\nVERSION:3.0\nFN:Spain\nTEL;TYPE=CELL:0034 612 34 56 78\nEND:VCARD\n"
                "BEGIN:VCARD\nVERSION:3.0\nFN:Switzerland\nTEL;TYPE=CELL:+41 78 123 45 67\nEND:VCARD\n"
                "BEGIN:VCARD\nVERSION:3.0\nFN:Austria\nTEL;TYPE=CELL:+43 664 1234567\nEND:VCARD\n"
                "BEGIN:VCARD\nVERSION:3.0\nFN:Ireland\nTEL;TYPE=CELL:+353 85 123 4567\nEND:VCARD\n")
        << true
        << strings({"Home|00447700900001", "Spain|0034612345678", "Switzerland|0041781234567",
                    "Austria|00436641234567", "Ireland|00353851234567"})
        << QStringList{} << "Imported 5 recipients.";
    // The example card of RFC 6350, section 8: the cell number, a tel URI.
    QTest::newRow("RFC 6350 example")
        << crlf("BEGIN:VCARD\nVERSION:4.0\nFN:Simon Perreault\nN:Perreault;Simon;;;ing. jr,M.Sc.\nBDAY:--0203\n"
                "ANNIVERSARY:20090808T1430-0500\nGENDER:M\nLANG;PREF=1:fr\nLANG;PREF=2:en\nORG;TYPE=work:Viagenie\n"
                "ADR;TYPE=work:;Suite D2-630;2875 Laurier;\n Quebec;QC;G1V 2M2;Canada\n"
                "TEL;VALUE=uri;TYPE=\"work,voice\";PREF=1:tel:+1-418-656-9254;ext=102\n"
                "TEL;VALUE=uri;TYPE=\"work,cell,voice,video,text\":tel:+1-418-262-6501\n"
                "EMAIL;TYPE=work:simon.perreault@viagenie.ca\nGEO;TYPE=work:geo:46.772673,-71.282945\n"
                "KEY;TYPE=work;VALUE=uri:\n http://www.viagenie.ca/simon.perreault/simon.asc\nTZ:-0500\n"
                "URL;TYPE=home:http://nomis80.org\nEND:VCARD\n")
        << true << strings({"Simon Perreault|0014182626501"}) << QStringList{} << "Imported 1 recipient.";
    QTest::newRow("nothing new") << QByteArray("Name,Number\nANN,+44 7700 900123\n") << false << QStringList{}
                                 << strings({"Line 2 ANN: is already in the address book"})
                                 << "Imported 0 recipients. 1 contact was skipped: 1 already in the address book.";
}

void tst_ContactsImport::plan()
{
    QFETCH(QByteArray, data);
    QFETCH(bool, vCard);
    QFETCH(QStringList, accepted);
    QFETCH(QStringList, skipped);
    QFETCH(QString, summary);
    const ContactsImport import = ContactsImport::fromData(data, vCard ? ContactsFormat::VCard : ContactsFormat::Csv,
                                                           annAndStrasse(), u"en-GB");
    QCOMPARE(import.error(), QString());
    QCOMPARE(acceptedText(import), accepted);
    QCOMPARE(reasons(import.skipped()), skipped);
    QCOMPARE(import.summary(), summary);
}

void tst_ContactsImport::fullBookTakesWhatFits()
{
    const QByteArray file = "Name,Number\n1,07700 900001\nA,07700 900002\nB,07700 900003\nC,07700 900004\n"
                            "D,07700 900005\n";
    const ContactsImport import
        = ContactsImport::fromData(file, ContactsFormat::Csv, {{TextRules::nameKey(u"1"_s)}, 2}, u"UK");
    QCOMPARE(import.accepted().size(), 2);
    QCOMPARE(import.accepted().last().Name, QStringLiteral("B"));
    QCOMPARE(reasons(import.skipped()),
             strings({"Line 2 1: is already in the address book",
                      "Line 5 C: did not fit: the address book is full",
                      "Line 6 D: did not fit: the address book is full"}));
    QCOMPARE(import.summary(),
             QStringLiteral("Imported 2 recipients. 3 contacts were skipped: 1 already in the address book and 2 left "
                            "out because the address book is full (it keeps 32,767 at most)."));
}

void tst_ContactsImport::roundTrip_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::newRow("vCard") << "book.vcf";
    QTest::newRow("CSV") << "book.csv";
}

// Export, import into an empty book: the same entries come back, and a new
// export file is its owner's alone.
void tst_ContactsImport::roundTrip()
{
    QFETCH(QString, fileName);
    const Entries book{
        {u"Ann"_s, u"00447700900001"_s},
        {u"Smith, Ann; Jr."_s, u"00447700900002"_s},
        {u"Quote \"Q\" and back\\slash"_s, u"00447700900003"_s},
        {u"Ünïcödé Straße 日本 太郎 😀"_s.repeated(4), u"00447700900004"_s},
        {u"Zoë"_s, u"004915123456789"_s},
        {u"=HYPERLINK(\"http://x\"&B2,\"x\")"_s, u"0033612345678"_s},
    };
    const QString path = m_dir->filePath(fileName);
    QCOMPARE(ContactsFile::write(path, book), std::nullopt);
    struct stat status {};
    QCOMPARE(::stat(QFile::encodeName(path).constData(), &status), 0);
    QCOMPARE(status.st_mode & 0777, 0600u);

    const ContactsImport import = ContactsImport::fromFile(path, {{}, addressBookCapacity}, u"UK");
    QCOMPARE(import.error(), QString());
    QCOMPARE(reasons(import.skipped()), QStringList());
    QCOMPARE(import.accepted(), book);
}

void tst_ContactsImport::onlyRegularFilesOfSensibleSizeAreRead()
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
        const ContactsImport import = ContactsImport::fromFile(path, annAndStrasse(), u"UK");
        QCOMPARE(import.error(), error);
    }

    // Just below the limit is read.
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.write("BEGIN:VCARD\r\nFN:Ann\r\nTEL:07700 900123\r\nEND:VCARD\r\n") > 0);
    QVERIFY(file.resize(ContactsLimits::maximumFileSize));
    file.close();
    QCOMPARE(ContactsFile::read(sparse).data.size(), ContactsLimits::maximumFileSize);
}

void tst_ContactsImport::failedExportLeavesNoFile()
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

QTEST_APPLESS_MAIN(tst_ContactsImport)

#include "tst_contactsimport.moc"
