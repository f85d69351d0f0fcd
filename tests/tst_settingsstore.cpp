#include "settings/settingskeys.h"
#include "settings/settingsstore.h"

#include <QFile>
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
    void laterSaveReplacesEarlier();
    void keysLandInTheirSections();
    void unwritableStoreReportsWhyAndRecovers();
    void replacedSectionKeepsNothingOfBefore();

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

// Keys that the new values do not name go with the same write; other
// sections stay as they were.
void tst_SettingsStore::replacedSectionKeepsNothingOfBefore()
{
    SettingsStore store(storeFile());
    QVERIFY(store.saveSetting(QStringLiteral("KORVANE"), QStringLiteral("FromName"), QStringLiteral("Ann")));
    QVERIFY(store.saveSettings(QStringLiteral("AddressBook"),
                               {{QStringLiteral("1.Name"), QStringLiteral("Kept Person")},
                                {QStringLiteral("2.Name"), QStringLiteral("Secret Person")},
                                {QStringLiteral("2.Number"), QStringLiteral("00449999999999")},
                                {QStringLiteral("Hand Added"), QStringLiteral("x")}}));
    QVERIFY(store.replaceSection(QStringLiteral("AddressBook"),
                                 {{QStringLiteral("Count"), QStringLiteral("1")},
                                  {QStringLiteral("1.Name"), QStringLiteral("Kept Person")}}));
    QFile file(storeFile());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY2(!bytes.contains("Secret Person"), bytes.constData());
    QVERIFY2(!bytes.contains("00449999999999"), bytes.constData());
    QVERIFY2(!bytes.contains("Hand"), bytes.constData());

    SettingsStore reopened(storeFile());
    QCOMPARE(reopened.getSetting(QStringLiteral("AddressBook"), QStringLiteral("Count")), QStringLiteral("1"));
    QCOMPARE(reopened.getSetting(QStringLiteral("AddressBook"), QStringLiteral("1.Name")), QStringLiteral("Kept Person"));
    QCOMPARE(reopened.getSetting(QStringLiteral("KORVANE"), QStringLiteral("FromName")), QStringLiteral("Ann"));
}

QTEST_GUILESS_MAIN(tst_SettingsStore)
#include "tst_settingsstore.moc"
