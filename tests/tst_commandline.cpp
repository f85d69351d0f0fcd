// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/commandline.h"
#include "cli/inputtext.h"
#include "cli/terminal.h"

#include <QTest>

using namespace Qt::StringLiterals;

// Which arguments open the window, decided before any application object
// exists: none, or Qt's own window options only, as Qt itself takes them;
// and the text that comes in as bytes and goes out to a terminal.
class tst_CommandLine : public QObject
{
    Q_OBJECT

private slots:
    void opensWindow_data();
    void opensWindow();
    void standardInputIsUtf8Throughout_data();
    void standardInputIsUtf8Throughout();
    void argumentKeepsWhetherItWasUtf8_data();
    void argumentKeepsWhetherItWasUtf8();
    void printableHidesWhatDisguisesText_data();
    void printableHidesWhatDisguisesText();
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

void tst_CommandLine::standardInputIsUtf8Throughout_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("text");
    QTest::newRow("whole") << QByteArray("Gr\xc3\xbc\xc3\x9f\x65 \xf0\x9f\x98\x80") << true;
    // A decoder that waits for more would keep these back and give "caf".
    QTest::newRow("a Latin-1 byte at the end") << QByteArray("caf\xe9") << false;
    QTest::newRow("a four-byte sequence cut short") << QByteArray("abc\xf0\x9f\x98") << false;
}

void tst_CommandLine::standardInputIsUtf8Throughout()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, text);
    const std::optional<QString> decoded = InputText::fromUtf8(bytes);
    QCOMPARE(decoded.has_value(), text);
    if (text)
        QCOMPARE(decoded->toUtf8(), bytes);
}

void tst_CommandLine::argumentKeepsWhetherItWasUtf8_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("text");
    QTest::addColumn<QString>("shown");
    QTest::newRow("UTF-8") << QByteArray("Zo\xc3\xab") << true << u"Zo\u00eb"_s;
    QTest::newRow("Latin-1") << QByteArray("Zo\xeb") << false << u"Zo\ufffd"_s;
    QTest::newRow("a sequence cut short before a letter") << QByteArray("\xe2\x82x") << false << u"\ufffd\ufffdx"_s;
    // The character that the others are shown as, written as UTF-8 itself.
    QTest::newRow("U+FFFD itself") << QByteArray("\xef\xbf\xbd") << true << u"\ufffd"_s;
}

void tst_CommandLine::argumentKeepsWhetherItWasUtf8()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, text);
    QFETCH(QString, shown);
    const QString argument = InputText::argument(bytes);
    QCOMPARE(InputText::isText(argument), text);
    QCOMPARE(Terminal::printable(argument), shown);
}

void tst_CommandLine::printableHidesWhatDisguisesText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::newRow("right-to-left override") << u"Ann\u202egpj.exe"_s << u"Ann\ufffdgpj.exe"_s;
    QTest::newRow("isolates") << u"\u2066A\u2067B\u2068C\u2069"_s << u"\ufffdA\ufffdB\ufffdC\ufffd"_s;
    QTest::newRow("zero-width space") << u"An\u200bn"_s << u"An\ufffdn"_s;
    QTest::newRow("tag outside the BMP") << u"x\U000E0041"_s << u"x\ufffd"_s;
    QTest::newRow("letters and emoji stay") << u"Zo\u00eb \u65e5\u672c \U0001F600"_s
                                            << u"Zo\u00eb \u65e5\u672c \U0001F600"_s;
}

void tst_CommandLine::printableHidesWhatDisguisesText()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QCOMPARE(Terminal::printable(text), shown);
}

QTEST_APPLESS_MAIN(tst_CommandLine)
#include "tst_commandline.moc"
