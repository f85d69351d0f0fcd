// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/settingskeys.h"
#include "settings/settingsstore.h"

#include <QFile>
#include <QSet>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class tst_SettingsStore : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void absentValueYieldsDefault();
    void valueSurvivesReopening_data();
    void valueSurvivesReopening();
    void readSectionAgreesWithQSettings_data();
    void readSectionAgreesWithQSettings();
    void laterSaveReplacesEarlier();
    void keysLandInTheirSections();
    void unwritableStoreReportsWhyAndRecovers();
    void deletedKeysAreGoneFromFile();

private:
    QString storeFile() const { return m_dir->filePath(QStringLiteral("KORVANE/KORVANE.conf")); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_SettingsStore::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void tst_SettingsStore::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void tst_SettingsStore::absentValueYieldsDefault()
{
    SettingsStore store(storeFile());
    QCOMPARE(store.getSetting(QStringLiteral("AddressBook"), QStringLiteral("Count"), QStringLiteral("0")),
             QStringLiteral("0"));
    QCOMPARE(store.getSetting(QStringLiteral("KORVANE"), QStringLiteral("FromName")), QString());
    QVERIFY(!QFile::exists(storeFile()));
}

void tst_SettingsStore::valueSurvivesReopening_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("plain") << QStringLiteral("Ann Smith");
    QTest::newRow("equals and semicolon") << QStringLiteral("a=b; c=d");
    QTest::newRow("quotes") << QStringLiteral("\"quoted\" and 'single'");
    QTest::newRow("newlines") << QStringLiteral("line one\nline two\r\n");
    QTest::newRow("comment starters") << QStringLiteral("#not a comment ;nor this");
    QTest::newRow("brackets") << QStringLiteral("[General]");
    QTest::newRow("backslash and percent") << QStringLiteral("C:\\path %1 %%");
    QTest::newRow("non-latin") << QStringLiteral("Ölaf Ζωή Мария 李小龍");
    QTest::newRow("outside the BMP") << QStringLiteral("\U0001F600 \U00010348");
    QTest::newRow("surrounding spaces") << QStringLiteral("  padded  ");
    QTest::newRow("looks like a list") << QStringLiteral("a, b, c");
    QTest::newRow("looks like a number") << QStringLiteral("0044123456789");
    QTest::newRow("at sign type marker") << QStringLiteral("@Variant(abc)");
}

void tst_SettingsStore::valueSurvivesReopening()
{
    QFETCH(QString, value);
    {
        SettingsStore store(storeFile());
        QVERIFY(store.saveSetting(QStringLiteral("KORVANE"), QStringLiteral("FromName"), value));
    }
    // A fresh store over the same file, as at the next start.
    SettingsStore reopened(storeFile());
    QCOMPARE(reopened.getSetting(QStringLiteral("KORVANE"), QStringLiteral("FromName")), value);
    // The one-pass read of a section gives what QSettings gives.
    QCOMPARE(reopened.readSection(QStringLiteral("KORVANE")).value(QStringLiteral("FromName")), value);
}

void tst_SettingsStore::readSectionAgreesWithQSettings_data()
{
    QTest::addColumn<QByteArray>("file");
    const auto row = [](const char *name, const char *text) { QTest::newRow(name) << QByteArray(text); };
    row("plain", "[AddressBook]\nCount=2\n1.Name=Ann Smith\n1.Number=0044\n2.Name=Zoë\n");
    row("crlf and spaces", "[AddressBook]\r\nCount = 1 \r\n  1.Name  =  Ann  \r\n");
    row("other sections around", "[KORVANE]\nFromName=X\n[AddressBook]\nCount=1\n[Other]\nCount=9\n");
    row("section twice", "[AddressBook]\nCount=1\n[Other]\nx=1\n[AddressBook]\nCount=2\n1.Name=B\n");
    row("key twice", "[AddressBook]\nCount=1\nCount=2\n");
    row("quoted and escaped", "[AddressBook]\n1.Name=\"  padded, \\\"q\\\"  \"\n2.Name=a\\nb\n");
    row("list", "[AddressBook]\n1.Name=Smith, Ann\n");
    row("type markers", "[AddressBook]\n1.Name=@@at\n2.Name=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)\n");
    row("escaped key", "[AddressBook]\n1%2ENa%6De=Escaped\n%55nicode=x\n");
    row("escaped section name", "[Address%42ook]\nCount=3\n");
    row("comments", "; a comment\n[AddressBook]\n# another\nCount=1\n;1.Name=hidden\n");
    row("continued line", "[AddressBook]\n1.Name=\"one \\\ntwo\"\n");
    row("no equals sign", "[AddressBook]\nCount\n1.Name=Ann\n");
    row("byte order mark", "\xEF\xBB\xBF[AddressBook]\nCount=1\n");
    row("invalid utf-8", "[AddressBook]\n1.Name=\xff\xfe" "Ann\n2.Name=B\xc3\n");
    row("keys before any section", "Count=7\n[AddressBook]\nCount=1\n");
    row("percent and equals in value", "[AddressBook]\n1.Name=100% a=b\n");
    row("empty value", "[AddressBook]\n1.Name=\n");
    row("binary garbage", "[AddressBook]\nCount=1\n\x01\x02\x03\x00zz\n1.Name=Ann\n");
    row("unclosed header", "[AddressBook\nCount=1\n");
}

// Whatever a hand-edited or damaged file holds, the one-pass read of a
// section must give every key exactly what QSettings gives for it.
void tst_SettingsStore::readSectionAgreesWithQSettings()
{
    QFETCH(QByteArray, file);
    const QString path = m_dir->filePath(QStringLiteral("hand-edited.conf"));
    {
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(file);
    }
    SettingsStore store(path);
    QSettings settings(path, QSettings::IniFormat);
    settings.beginGroup(QStringLiteral("AddressBook"));
    const QStringList keys = settings.childKeys();
    settings.endGroup();

    const QHash<QString, QString> read = store.readSection(QStringLiteral("AddressBook"));
    QCOMPARE(QSet<QString>(read.keyBegin(), read.keyEnd()), QSet<QString>(keys.begin(), keys.end()));
    for (const QString &key : keys)
        QCOMPARE(read.value(key), store.getSetting(QStringLiteral("AddressBook"), key));
}

void tst_SettingsStore::laterSaveReplacesEarlier()
{
    SettingsStore store(storeFile());
    QVERIFY(store.saveSetting(QStringLiteral("KORVANE"), QStringLiteral("FromNumber"), QStringLiteral("0044")));
    QVERIFY(store.saveSetting(QStringLiteral("KORVANE"), QStringLiteral("FromNumber"), QStringLiteral("0049")));
    SettingsStore reopened(storeFile());
    QCOMPARE(reopened.getSetting(QStringLiteral("KORVANE"), QStringLiteral("FromNumber")), QStringLiteral("0049"));
}

// Another program reading the file sees the groups and keys by their own names.
void tst_SettingsStore::keysLandInTheirSections()
{
    SettingsStore store(storeFile());
    QVERIFY(store.saveSetting(SettingsKeys::senderSection(), SettingsKeys::fromName(), QStringLiteral("Ann")));
    QVERIFY(store.saveSettings(SettingsKeys::addressBookSection(),
                               {{SettingsKeys::count(), QStringLiteral("1")},
                                {SettingsKeys::entryName(1), QStringLiteral("Bob")},
                                {SettingsKeys::entryNumber(1), QStringLiteral("00441234567890")}}));
    QFile file(storeFile());
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const QString text = QString::fromUtf8(file.readAll());
    QVERIFY2(text.contains(QStringLiteral("[KORVANE]\nFromName=Ann\n")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("[AddressBook]\n")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("\n1.Name=Bob\n")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("\n1.Number=00441234567890\n")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("\nCount=1\n")), qPrintable(text));
}

// A plain file where the settings folder should be stops even root.
void tst_SettingsStore::unwritableStoreReportsWhyAndRecovers()
{
    const QString blocker = m_dir->filePath(QStringLiteral("KORVANE"));
    {
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    SettingsStore store(storeFile());
    QVERIFY(!store.saveSetting(QStringLiteral("KORVANE"), QStringLiteral("FromName"), QStringLiteral("Ann")));
    QVERIFY2(store.errorString().contains(blocker), qPrintable(store.errorString()));
    QVERIFY2(store.errorString().contains(QStringLiteral("file where a folder should be")),
             qPrintable(store.errorString()));
    // The value still holds for this run.
    QCOMPARE(store.getSetting(QStringLiteral("KORVANE"), QStringLiteral("FromName")), QStringLiteral("Ann"));

    QVERIFY(QFile::remove(blocker));
    QVERIFY(store.saveSetting(QStringLiteral("KORVANE"), QStringLiteral("FromNumber"), QStringLiteral("0044")));
    QCOMPARE(store.errorString(), QString());
    SettingsStore reopened(storeFile());
    QCOMPARE(reopened.getSetting(QStringLiteral("KORVANE"), QStringLiteral("FromNumber")), QStringLiteral("0044"));
}

void tst_SettingsStore::deletedKeysAreGoneFromFile()
{
    SettingsStore store(storeFile());
    QVERIFY(store.saveSettings(QStringLiteral("AddressBook"),
                               {{QStringLiteral("2.Name"), QStringLiteral("Secret Person")},
                                {QStringLiteral("2.Number"), QStringLiteral("00449999999999")}}));
    QVERIFY(store.deleteSettings(QStringLiteral("AddressBook"),
                                 {QStringLiteral("2.Name"), QStringLiteral("2.Number")}));
    QFile file(storeFile());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY2(!bytes.contains("Secret Person"), bytes.constData());
    QVERIFY2(!bytes.contains("00449999999999"), bytes.constData());
}

QTEST_GUILESS_MAIN(tst_SettingsStore)
#include "tst_settingsstore.moc"
