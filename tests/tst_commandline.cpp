// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/commandline.h"

#include <QTest>

using namespace Qt::StringLiterals;

// Which arguments open the window, decided before any application object
// exists: none, or Qt's own window options only, as Qt itself takes them.
class tst_CommandLine : public QObject
{
    Q_OBJECT

private slots:
    void opensWindow_data();
    void opensWindow();
};

void tst_CommandLine::opensWindow_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("window");
    QTest::newRow("nothing") << QStringList{} << true;
    QTest::newRow("platform and its value") << QStringList{u"-platform"_s, u"offscreen"_s} << true;
    QTest::newRow("two dashes, and an option without value")
        << QStringList{u"--platform"_s, u"xcb"_s, u"-reverse"_s} << true;
    QTest::newRow("style joined to its value") << QStringList{u"-style=fusion"_s} << true;
    QTest::newRow("style and its value") << QStringList{u"-style"_s, u"fusion"_s} << true;
    QTest::newRow("a value that looks like a command") << QStringList{u"-name"_s, u"send"_s} << true;
    QTest::newRow("platform without its value, at the end") << QStringList{u"-platform"_s} << true;
    QTest::newRow("debugger joined to its value") << QStringList{u"-qmljsdebugger=port:1234"_s} << true;
    QTest::newRow("platform joined to its value, which Qt does not read")
        << QStringList{u"-platform=offscreen"_s} << false;
    QTest::newRow("debugger with its value apart") << QStringList{u"-qmljsdebugger"_s, u"port:1"_s} << false;
    QTest::newRow("an option without value given one") << QStringList{u"-reverse=yes"_s} << false;
    QTest::newRow("a command") << QStringList{u"history"_s} << false;
    QTest::newRow("a window option before a command") << QStringList{u"-reverse"_s, u"history"_s} << false;
    QTest::newRow("help") << QStringList{u"--help"_s} << false;
    QTest::newRow("an unknown option") << QStringList{u"--bogus"_s} << false;
    QTest::newRow("a word") << QStringList{u"Ann"_s} << false;
    QTest::newRow("two dashes alone") << QStringList{u"--"_s} << false;
    QTest::newRow("one dash alone") << QStringList{u"-"_s} << false;
}

void tst_CommandLine::opensWindow()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, window);
    QCOMPARE(CommandLine::opensWindow(arguments), window);
}

QTEST_APPLESS_MAIN(tst_CommandLine)
#include "tst_commandline.moc"
