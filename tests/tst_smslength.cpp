// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/smslength.h"

#include <QTest>

class tst_SmsLength : public QObject
{
    Q_OBJECT

private slots:
    void messageCount_data();
    void messageCount();
    void counterText_data();
    void counterText();
};

void tst_SmsLength::messageCount_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("gsm");
    QTest::addColumn<int>("units");
    QTest::addColumn<int>("messages");

    const QString euro = QStringLiteral("€");
    const QString emoji = QStringLiteral("\U0001F600");
    QTest::newRow("empty") << QString() << true << 0 << 0;
    QTest::newRow("one letter") << QStringLiteral("a") << true << 1 << 1;
    QTest::newRow("160 gsm") << QString(160, u'a') << true << 160 << 1;
    QTest::newRow("161 gsm") << QString(161, u'a') << true << 161 << 2;
    QTest::newRow("306 gsm fills two parts") << QString(306, u'a') << true << 306 << 2;
    QTest::newRow("307 gsm") << QString(307, u'a') << true << 307 << 3;
    QTest::newRow("gsm accents stay gsm") << QStringLiteral("Grüße à Øslo £5 ¿Qué?") << true << 21 << 1;
    QTest::newRow("extension char costs two") << euro << true << 2 << 1;
    QTest::newRow("extension at the boundary, 160") << QString(158, u'a') + euro << true << 160 << 1;
    QTest::newRow("extension at the boundary, 161") << QString(159, u'a') + euro << true << 161 << 2;
    QTest::newRow("every extension char") << QStringLiteral("\f^{}\\[~]|€") << true << 20 << 1;
    QTest::newRow("70 ucs2") << QStringLiteral("ç") + QString(69, u'a') << false << 70 << 1;
    QTest::newRow("71 ucs2") << QStringLiteral("ç") + QString(70, u'a') << false << 71 << 2;
    QTest::newRow("134 ucs2 fills two parts") << QStringLiteral("ж") + QString(133, u'a') << false << 134 << 2;
    QTest::newRow("135 ucs2") << QStringLiteral("ж") + QString(134, u'a') << false << 135 << 3;
    QTest::newRow("emoji is two units") << emoji << false << 2 << 1;
    QTest::newRow("emoji pushes past 70") << emoji + QString(69, u'a') << false << 71 << 2;
    QTest::newRow("tab is not gsm") << QStringLiteral("a\tb") << false << 3 << 1;
}

void tst_SmsLength::messageCount()
{
    QFETCH(QString, text);
    QFETCH(bool, gsm);
    QFETCH(int, units);
    QFETCH(int, messages);
    QCOMPARE(SmsLength::encodingOf(text) == SmsLength::Encoding::Gsm7, gsm);
    QCOMPARE(SmsLength::units(text), units);
    QCOMPARE(SmsLength::messageCount(text), messages);
}

void tst_SmsLength::counterText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty") << QString() << QStringLiteral("159 characters left");
    QTest::newRow("19 characters") << QString(19, u'x') << QStringLiteral("140 characters left · 1 SMS");
    QTest::newRow("158 characters") << QString(158, u'x') << QStringLiteral("1 character left · 1 SMS");
    QTest::newRow("159 characters") << QString(159, u'x') << QStringLiteral("0 characters left · 1 SMS");
    QTest::newRow("158 with a euro") << QString(157, u'x') + QStringLiteral("€")
                                     << QStringLiteral("1 character left · 1 SMS");
    QTest::newRow("emoji counts as one character") << QStringLiteral("\U0001F600")
                                                   << QStringLiteral("158 characters left · 1 SMS");
    QTest::newRow("two UCS-2 parts") << QStringLiteral("ê") + QString(100, u'y')
                                     << QStringLiteral("58 characters left · 2 SMS");
}

void tst_SmsLength::counterText()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(SmsLength::counterText(text, 159), expected);
}

QTEST_APPLESS_MAIN(tst_SmsLength)
#include "tst_smslength.moc"
