// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/instancelock.h"
#include "settings/storechangelock.h"

#include <QDir>
#include <QSysInfo>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QScopeGuard>
#include <QTest>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

class tst_InstanceLock : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();

    void secondCopyIsRefusedUntilFirstEnds();
    void runningProgramHoldsTheLockAndACrashLeavesItStale();
    void noFolderForTheLockIsNotAnotherCopy();
    void folderIsPrivate();
    void leftover_data();
    void leftover();
    void programTellsWhyItCannotStart_data();
    void programTellsWhyItCannotStart();
    void changeLockIsARegularFileOnly_data();
    void changeLockIsARegularFileOnly();
    void cleanup();

private:
    QString settingsFile() const { return m_dir->filePath(QStringLiteral("KORVANE/KORVANE.conf")); }
    QString settingsFolder() const { return m_dir->filePath(QStringLiteral("KORVANE")); }
    QProcessEnvironment programEnvironment() const;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_InstanceLock::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void tst_InstanceLock::secondCopyIsRefusedUntilFirstEnds()
{
    auto first = std::make_unique<InstanceLock>(settingsFile());
    QCOMPARE(first->tryLock(), InstanceLock::Result::Acquired);
    QCOMPARE(QFileInfo(first->fileName()).dir(), QFileInfo(settingsFile()).dir());

    InstanceLock second(settingsFile());
    QCOMPARE(second.tryLock(), InstanceLock::Result::HeldByAnother);
    first.reset();
    QCOMPARE(second.tryLock(), InstanceLock::Result::Acquired);
}

// The real program, started with its settings in our folder, holds the lock;
// killed without a chance to clean up, it leaves a lock the next start takes.
void tst_InstanceLock::runningProgramHoldsTheLockAndACrashLeavesItStale()
{
    const QString program = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("korvane"));
    QVERIFY2(QFile::exists(program), qPrintable(program));

    QProcess korvane;
    korvane.setProcessEnvironment(programEnvironment());
    korvane.start(program, {});
    QVERIFY(korvane.waitForStarted(10000));

    InstanceLock lock(settingsFile());
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(lock.fileName()), 10000);
    QCOMPARE(lock.tryLock(), InstanceLock::Result::HeldByAnother);
    QCOMPARE(korvane.state(), QProcess::Running);

    korvane.kill();
    QVERIFY(korvane.waitForFinished(10000));
    QVERIFY(QFile::exists(lock.fileName()));
    QCOMPARE(lock.tryLock(), InstanceLock::Result::Acquired);
}

void tst_InstanceLock::noFolderForTheLockIsNotAnotherCopy()
{
    QFile blocker(m_dir->filePath(QStringLiteral("KORVANE")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    InstanceLock lock(settingsFile());
    QCOMPARE(lock.tryLock(), InstanceLock::Result::Unavailable);
}

void tst_InstanceLock::cleanup()
{
    // A test may leave the folder read-only; it must still be removed.
    QFile::setPermissions(settingsFolder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QProcessEnvironment tst_InstanceLock::programEnvironment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_dir->path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return environment;
}

void tst_InstanceLock::folderIsPrivate()
{
    ::umask(022);
    InstanceLock lock(settingsFile());
    QCOMPARE(lock.tryLock(), InstanceLock::Result::Acquired);
    struct stat info = {};
    QCOMPARE(::stat(QFile::encodeName(settingsFolder()).constData(), &info), 0);
    QCOMPARE(int(info.st_mode & 0777), 0700);
}

void tst_InstanceLock::leftover_data()
{
    QTest::addColumn<QString>("what");
    QTest::addColumn<bool>("folderReadOnly");
    QTest::newRow("crash leftover") << QStringLiteral("crashed") << false;
    QTest::newRow("damaged leftover") << QStringLiteral("damaged") << false;
    QTest::newRow("crash leftover in a read-only folder") << QStringLiteral("crashed") << true;
    QTest::newRow("damaged leftover in a read-only folder") << QStringLiteral("damaged") << true;
    QTest::newRow("a folder in the lock's place") << QStringLiteral("folder") << false;
    QTest::newRow("leftover held by a running program") << QStringLiteral("held") << false;
}

// Whatever lies in the lock's place, only a lock that a running program holds
// is "another copy"; a leftover is taken over where it can be removed, and
// named where it cannot, never reported as a running copy.
void tst_InstanceLock::leftover()
{
    QFETCH(QString, what);
    QFETCH(bool, folderReadOnly);
    InstanceLock lock(settingsFile());
    QVERIFY(QDir().mkpath(settingsFolder()));
    QFile file(lock.fileName());
    if (what == QStringLiteral("folder")) {
        QVERIFY(QDir().mkdir(lock.fileName()));
    } else {
        QByteArray content = "not a lock\n";
        if (what == QStringLiteral("crashed")) {
            // The details QLockFile writes, of a process that has ended.
            QProcess ended;
            ended.start(QStringLiteral("true"), {});
            QVERIFY(ended.waitForStarted());
            const qint64 pid = ended.processId();
            QVERIFY(ended.waitForFinished());
            content = QByteArray::number(pid) + "\nkorvane\n" + QSysInfo::machineHostName().toUtf8() + '\n';
        }
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
    }
    int held = -1;
    if (what == QStringLiteral("held")) {
        held = ::open(QFile::encodeName(lock.fileName()).constData(), O_RDONLY | O_CLOEXEC);
        QVERIFY(held >= 0);
        QCOMPARE(::flock(held, LOCK_EX | LOCK_NB), 0);
    }
    const auto closeHeld = qScopeGuard([held] {
        if (held >= 0)
            ::close(held);
    });
    if (folderReadOnly)
        QVERIFY(QFile::setPermissions(settingsFolder(), QFile::ReadOwner | QFile::ExeOwner));
    // Root may remove files from a read-only folder, and then takes the lock over.
    const bool removable = !folderReadOnly || ::access(QFile::encodeName(settingsFolder()).constData(), W_OK) == 0;

    const InstanceLock::Result result = lock.tryLock();
    if (what == QStringLiteral("held")) {
        QCOMPARE(result, InstanceLock::Result::HeldByAnother);
    } else if (what == QStringLiteral("folder")) {
        QCOMPARE(result, InstanceLock::Result::Unusable);
        QCOMPARE(lock.errorString(), QStringLiteral("The lock file %1 cannot be used: it is a folder.").arg(lock.fileName()));
    } else if (removable) {
        QCOMPARE(result, InstanceLock::Result::Acquired);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readLine().trimmed() == QByteArray::number(QCoreApplication::applicationPid()));
    } else {
        QCOMPARE(result, InstanceLock::Result::Unusable);
        QVERIFY2(lock.errorString().startsWith(QStringLiteral("The lock file %1 cannot be used: ").arg(lock.fileName())),
                 qPrintable(lock.errorString()));
        QVERIFY2(lock.errorString().contains(QStringLiteral("it was left behind and cannot be removed")), qPrintable(lock.errorString()));
    }
}

void tst_InstanceLock::programTellsWhyItCannotStart_data()
{
    QTest::addColumn<QString>("blocked");
    QTest::addColumn<QString>("message");
    QTest::newRow("a folder in the lock's place")
        << QStringLiteral("KORVANE/KORVANE.lock")
        << QStringLiteral("KORVANE cannot start. The lock file %1 cannot be used: it is a folder. "
                          "Remove it and start KORVANE again.");
    QTest::newRow("a named pipe for the settings file")
        << QStringLiteral("KORVANE/KORVANE.conf")
        << QStringLiteral("KORVANE cannot start. The settings file %1 cannot be used: it is a named pipe, not a "
                          "regular file. Move it out of the way and start KORVANE again.");
    QTest::newRow("a link for the settings file")
        << QStringLiteral("KORVANE/KORVANE.conf -> elsewhere.conf")
        << QStringLiteral("KORVANE cannot start. The settings file %1 cannot be used: it is a symbolic link, not a "
                          "regular file. Move it out of the way and start KORVANE again.");
}

// The real program says what is wrong and which file it is, rather than
// "already running" or waiting for ever; it waits only for the user's OK.
void tst_InstanceLock::programTellsWhyItCannotStart()
{
    QFETCH(QString, blocked);
    QFETCH(QString, message);
    const QStringList link = blocked.split(QStringLiteral(" -> "));
    const QString path = m_dir->filePath(link.first());
    QVERIFY(QDir().mkpath(settingsFolder()));
    if (link.size() == 2)
        QVERIFY(QFile::link(m_dir->filePath(link.last()), path));
    else if (blocked.endsWith(QStringLiteral(".lock")))
        QVERIFY(QDir().mkdir(path));
    else
        QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);

    const QString program = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("korvane"));
    QProcess korvane;
    korvane.setProcessEnvironment(programEnvironment());
    korvane.start(program, {});
    QVERIFY(korvane.waitForStarted(10000));
    // Qt may have its own say on the standard error first.
    QByteArray output;
    const auto told = [&] {
        output += korvane.readAllStandardError();
        const QStringList lines = QString::fromLocal8Bit(output).split(u'\n');
        for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
            if (lines[i].startsWith(QStringLiteral("KORVANE ")))
                return lines[i];
        }
        return QString();
    };
    QTRY_VERIFY_WITH_TIMEOUT(!told().isEmpty(), 20000);
    QCOMPARE(korvane.state(), QProcess::Running); // waiting for the user's OK
    korvane.kill();
    korvane.waitForFinished(10000);
    QCOMPARE(told(), message.arg(path));
}

void tst_InstanceLock::changeLockIsARegularFileOnly_data()
{
    QTest::addColumn<QString>("inPlace");
    QTest::addColumn<StoreChangeLock::Result>("result");
    QTest::addColumn<QString>("why");
    QTest::newRow("nothing yet") << QString() << StoreChangeLock::Result::Acquired << QString();
    // Through a link, the lock would be taken on whatever file it leads to,
    // or on none.
    QTest::newRow("a link") << QStringLiteral("link") << StoreChangeLock::Result::Unusable
                            << QStringLiteral("it is a symbolic link");
    QTest::newRow("a folder") << QStringLiteral("folder") << StoreChangeLock::Result::Unusable
                              << QStringLiteral("it is a folder");
    // The store cannot be written either, and says so itself.
    QTest::newRow("no folder for it") << QStringLiteral("no folder") << StoreChangeLock::Result::Unavailable
                                      << QString();
}

void tst_InstanceLock::changeLockIsARegularFileOnly()
{
    QFETCH(QString, inPlace);
    QFETCH(StoreChangeLock::Result, result);
    QFETCH(QString, why);
    StoreChangeLock lock(settingsFile());
    if (inPlace == QStringLiteral("no folder")) {
        QFile blocker(settingsFolder());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
    } else {
        QVERIFY(QDir().mkpath(settingsFolder()));
    }
    if (inPlace == QStringLiteral("link"))
        QVERIFY(QFile::link(m_dir->filePath(QStringLiteral("elsewhere")), lock.fileName()));
    else if (inPlace == QStringLiteral("folder"))
        QVERIFY(QDir().mkdir(lock.fileName()));

    QCOMPARE(lock.lock(), result);
    QCOMPARE(lock.errorString(),
             why.isEmpty() ? QString() : QStringLiteral("The lock file %1 cannot be used: %2.").arg(lock.fileName(), why));
    QVERIFY(!QFile::exists(m_dir->filePath(QStringLiteral("elsewhere"))));
}

QTEST_GUILESS_MAIN(tst_InstanceLock)
#include "tst_instancelock.moc"
