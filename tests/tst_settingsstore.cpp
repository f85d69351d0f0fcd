// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/settingskeys.h"
#include "settings/settingsstore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

int modeOf(const QString &path)
{
    struct stat info = {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return -1;
    return int(info.st_mode & 07777);
}

} // namespace

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
    void failedSaveLeavesNoTrace_data();
    void failedSaveLeavesNoTrace();
    void replacedSectionKeepsNothingOfBefore();
    void userStoreIsTheFileOfQSettingsNativeFormat();
    void newFileAndFoldersAreTheUsersAlone();
    void modeTheUserSetIsKept();
    void onlyARegularFileIsOpened_data();
    void onlyARegularFileIsOpened();

private:
    QString storeFile() const { return m_dir->filePath(QStringLiteral("KORVANE/KORVANE.conf")); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_SettingsStore::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    // The usual mask, under which a file made without care is readable by all.
    ::umask(022);
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
    QCOMPARE(store.getSetting(QStringLiteral("KORVANE"), QStringLiteral("FromName")), QString());

    QVERIFY(QFile::remove(blocker));
    QVERIFY(store.saveSetting(QStringLiteral("KORVANE"), QStringLiteral("FromNumber"), QStringLiteral("0044")));
    QCOMPARE(store.errorString(), QString());
    SettingsStore reopened(storeFile());
    QCOMPARE(reopened.getSetting(QStringLiteral("KORVANE"), QStringLiteral("FromNumber")), QStringLiteral("0044"));
}

void tst_SettingsStore::failedSaveLeavesNoTrace_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QStringList>("change"); // keys and values, in turn
    QTest::addColumn<bool>("replaces");

    QTest::newRow("an import") << QStringLiteral("AddressBook")
                               << QStringList{QStringLiteral("Count"), QStringLiteral("3"), QStringLiteral("2.Name"),
                                              QStringLiteral("Bob"), QStringLiteral("3.Name"), QStringLiteral("Cy")}
                               << true;
    QTest::newRow("a removal") << QStringLiteral("AddressBook")
                               << QStringList{QStringLiteral("Count"), QStringLiteral("0")} << true;
    QTest::newRow("the sender's details")
        << QStringLiteral("KORVANE")
        << QStringList{QStringLiteral("FromNumber"), QStringLiteral("0049"), QStringLiteral("New"), QStringLiteral("x")}
        << false;
}

// What the user was told is not saved stays out of the store, in memory and
// on disk, even when a later save of something else succeeds.
void tst_SettingsStore::failedSaveLeavesNoTrace()
{
    QFETCH(QString, section);
    QFETCH(QStringList, change);
    QFETCH(bool, replaces);

    const QList<SettingsStore::KeyValue> stored{{QStringLiteral("Count"), QStringLiteral("1")},
                                                {QStringLiteral("1.Name"), QStringLiteral("Ann")}};
    SettingsStore store(storeFile());
    QVERIFY(store.saveSettings(QStringLiteral("AddressBook"), stored));
    QVERIFY(store.saveSettings(QStringLiteral("KORVANE"), {{QStringLiteral("FromName"), QStringLiteral("Ann")},
                                                           {QStringLiteral("FromNumber"), QStringLiteral("0044")}}));
    QFile file(storeFile());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();

    // A plain file where the settings folder should be stops even root.
    const QString folder = QFileInfo(storeFile()).absolutePath();
    QVERIFY(QDir().rename(folder, folder + QStringLiteral(".away")));
    QFile blocker(folder);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QList<SettingsStore::KeyValue> values;
    for (qsizetype i = 0; i + 1 < change.size(); i += 2)
        values.append({change[i], change[i + 1]});
    QVERIFY(!(replaces ? store.replaceSection(section, values) : store.saveSettings(section, values)));
    QVERIFY(blocker.remove());
    QVERIFY(QDir().rename(folder + QStringLiteral(".away"), folder));

    for (const auto &[key, value] : stored)
        QCOMPARE(store.getSetting(QStringLiteral("AddressBook"), key), value);
    QCOMPARE(store.getSetting(QStringLiteral("AddressBook"), QStringLiteral("2.Name")), QString());
    QCOMPARE(store.getSetting(QStringLiteral("KORVANE"), QStringLiteral("FromNumber")), QStringLiteral("0044"));
    QCOMPARE(store.getSetting(QStringLiteral("KORVANE"), QStringLiteral("New")), QString());

    QVERIFY(store.saveSetting(QStringLiteral("KORVANE"), QStringLiteral("FromName"), QStringLiteral("Zed")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray(before).replace("FromName=Ann", "FromName=Zed"));
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

// Where the program keeps the user's store must not move with this change.
void tst_SettingsStore::userStoreIsTheFileOfQSettingsNativeFormat()
{
    const SettingsStore store;
    QCOMPARE(store.fileName(), QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("KORVANE"),
                                         QStringLiteral("KORVANE"))
                                   .fileName());
}

void tst_SettingsStore::newFileAndFoldersAreTheUsersAlone()
{
    // An existing folder keeps its mode; the missing ones are made private.
    QVERIFY(QFile::setPermissions(m_dir->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                     | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther
                                                     | QFile::ExeOther));
    const QString file = m_dir->filePath(QStringLiteral("config/KORVANE/KORVANE.conf"));
    SettingsStore store(file);
    QVERIFY(store.saveSetting(QStringLiteral("KORVANE"), QStringLiteral("FromNumber"), QStringLiteral("0044")));
    QCOMPARE(modeOf(file), 0600);
    QCOMPARE(modeOf(m_dir->filePath(QStringLiteral("config/KORVANE"))), 0700);
    QCOMPARE(modeOf(m_dir->filePath(QStringLiteral("config"))), 0700);
    QCOMPARE(modeOf(m_dir->path()), 0755);
    // Later saves replace the file and keep it private.
    QVERIFY(store.saveSetting(QStringLiteral("KORVANE"), QStringLiteral("FromNumber"), QStringLiteral("0049")));
    QCOMPARE(modeOf(file), 0600);
}

void tst_SettingsStore::modeTheUserSetIsKept()
{
    {
        SettingsStore store(storeFile());
        QVERIFY(store.saveSetting(QStringLiteral("KORVANE"), QStringLiteral("FromName"), QStringLiteral("Ann")));
    }
    QVERIFY(::chmod(QFile::encodeName(storeFile()).constData(), 0640) == 0);
    SettingsStore store(storeFile());
    QVERIFY(store.saveSetting(QStringLiteral("KORVANE"), QStringLiteral("FromName"), QStringLiteral("Bob")));
    QCOMPARE(modeOf(storeFile()), 0640);
}

void tst_SettingsStore::onlyARegularFileIsOpened_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("target"); // where a link leads
    QTest::newRow("named pipe") << QStringLiteral("a named pipe") << QString();
    QTest::newRow("folder") << QStringLiteral("a folder") << QString();
    QTest::newRow("socket") << QStringLiteral("a socket") << QString();
    QTest::newRow("link to a device") << QStringLiteral("a symbolic link") << QStringLiteral("/dev/null");
    // Written through, a link would create the file it names with the
    // umask's mode, or change a file elsewhere.
    QTest::newRow("link to nothing") << QStringLiteral("a symbolic link") << QStringLiteral("missing.conf");
    QTest::newRow("link to a file") << QStringLiteral("a symbolic link") << QStringLiteral("elsewhere.conf");
}

// Reading a named pipe would wait for a writer for ever, and a device may
// never end: the store must not open either, and must say why.
void tst_SettingsStore::onlyARegularFileIsOpened()
{
    QFETCH(QString, kind);
    QFETCH(QString, target);
    QVERIFY(QDir().mkpath(QFileInfo(storeFile()).absolutePath()));
    const QByteArray path = QFile::encodeName(storeFile());
    const QByteArray elsewhere = "[KORVANE]\nFromName=Elsewhere\n";
    const QString targetFile = target.startsWith(u'/') ? target : m_dir->filePath(target);
    QLocalServer socket;
    if (kind == QStringLiteral("a named pipe")) {
        QVERIFY(::mkfifo(path.constData(), 0600) == 0);
    } else if (kind == QStringLiteral("a folder")) {
        QVERIFY(QDir().mkdir(storeFile()));
    } else if (kind == QStringLiteral("a socket")) {
        socket.setSocketOptions(QLocalServer::UserAccessOption);
        QVERIFY(socket.listen(storeFile()));
    } else {
        if (target == QStringLiteral("elsewhere.conf")) {
            QFile file(targetFile);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QCOMPARE(file.write(elsewhere), elsewhere.size());
        }
        QVERIFY(QFile::link(targetFile, storeFile()));
    }

    SettingsStore store(storeFile());
    QVERIFY(!store.isUsable());
    QCOMPARE(store.errorString(), QStringLiteral("The settings file %1 cannot be used: it is %2, not a regular file.")
                                      .arg(storeFile(), kind));
    QCOMPARE(store.getSetting(QStringLiteral("KORVANE"), QStringLiteral("FromName"), QStringLiteral("none")),
             QStringLiteral("none"));
    QVERIFY(!store.saveSetting(QStringLiteral("KORVANE"), QStringLiteral("FromName"), QStringLiteral("Ann")));
    QVERIFY(!store.replaceSection(QStringLiteral("AddressBook"), {}));
    QVERIFY2(store.errorString().contains(kind), qPrintable(store.errorString()));
    if (target == QStringLiteral("missing.conf")) {
        QVERIFY(!QFile::exists(targetFile));
    } else if (target == QStringLiteral("elsewhere.conf")) {
        QFile file(targetFile);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), elsewhere);
    }
}

QTEST_GUILESS_MAIN(tst_SettingsStore)
#include "tst_settingsstore.moc"
