// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/instancelock.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class tst_InstanceLock : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();

    void secondCopyIsRefusedUntilFirstEnds();
    void runningProgramHoldsTheLockAndACrashLeavesItStale();
    void noFolderForTheLockIsNotAnotherCopy();

private:
    QString settingsFile() const { return m_dir->filePath(QStringLiteral("KORVANE/KORVANE.conf")); }
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
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_dir->path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    korvane.setProcessEnvironment(environment);
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

QTEST_GUILESS_MAIN(tst_InstanceLock)
#include "tst_instancelock.moc"
