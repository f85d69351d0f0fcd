// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "i18n/translations.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void choosesFromPreferences_data();
    void choosesFromPreferences();
    void followsTheEnvironment_data();
    void followsTheEnvironment();
    void findsTheCatalogues();
};

namespace {

const QStringList shipped{u"de"_s, u"es"_s, u"fr"_s, u"pt"_s, u"pt_BR"_s};

} // namespace

void TestTranslations::choosesFromPreferences_data()
{
    QTest::addColumn<QStringList>("uiLanguages");
    QTest::addColumn<QString>("chosen");

    QTest::newRow("country falls back to its language") << QStringList{u"de-AT"_s} << u"de"_s;
    QTest::newRow("country of its own") << QStringList{u"pt-BR"_s, u"pt"_s} << u"pt_BR"_s;
    QTest::newRow("untranslated preference falls through") << QStringList{u"ja-JP"_s, u"fr-FR"_s} << u"fr"_s;
    QTest::newRow("English first stays English") << QStringList{u"en-GB"_s, u"de-DE"_s} << u"en"_s;
    QTest::newRow("nothing translated is English") << QStringList{u"ja"_s, u"C"_s} << u"en"_s;
    QTest::newRow("no preference is English") << QStringList{} << u"en"_s;
}

void TestTranslations::choosesFromPreferences()
{
    QFETCH(QStringList, uiLanguages);
    QFETCH(QString, chosen);
    QCOMPARE(Translations::chosenLanguage(uiLanguages, shipped), chosen);
}

// The desktop's languages as Qt reads them from the environment, in a fresh
// process each time.
void TestTranslations::followsTheEnvironment_data()
{
    QTest::addColumn<QStringList>("variables");
    QTest::addColumn<QString>("chosen");

    QTest::newRow("LANG") << QStringList{u"LANG=fr_FR.UTF-8"_s} << u"fr"_s;
    QTest::newRow("LC_MESSAGES beats LANG") << QStringList{u"LANG=fr_FR.UTF-8"_s, u"LC_MESSAGES=es_ES.UTF-8"_s}
                                            << u"es"_s;
    QTest::newRow("LC_ALL beats LC_MESSAGES")
        << QStringList{u"LANG=fr_FR.UTF-8"_s, u"LC_MESSAGES=es_ES.UTF-8"_s, u"LC_ALL=pt_PT.UTF-8"_s} << u"pt"_s;
    QTest::newRow("LANGUAGE beats LC_ALL") << QStringList{u"LC_ALL=pt_PT.UTF-8"_s, u"LANGUAGE=de_DE"_s} << u"de"_s;
    QTest::newRow("LANGUAGE list falls through") << QStringList{u"LC_ALL=fr_FR.UTF-8"_s, u"LANGUAGE=xx:de"_s}
                                                 << u"de"_s;
    QTest::newRow("unknown language is English") << QStringList{u"LANG=xx_YY.UTF-8"_s} << u"en"_s;
    QTest::newRow("LANGUAGE=en over a translated locale") << QStringList{u"LANG=de_DE.UTF-8"_s, u"LANGUAGE=en"_s}
                                                          << u"en"_s;
}

void TestTranslations::followsTheEnvironment()
{
    QFETCH(QStringList, variables);
    QFETCH(QString, chosen);

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
        environment.remove(QString::fromLatin1(name));
    for (const QString &variable : variables)
        environment.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));

    QProcess probe;
    probe.setProcessEnvironment(environment);
    probe.start(QStringLiteral(KORVANE_LANGUAGE_PROBE), shipped);
    QVERIFY2(probe.waitForFinished(30000), qPrintable(probe.errorString()));
    QCOMPARE(probe.exitCode(), 0);
    QCOMPARE(QString::fromLocal8Bit(probe.readAllStandardOutput()).trimmed(), chosen);
}

// The catalogues are named korvane_<language>.qm; Qt's own and other files
// in the folder are not languages of the program.
void TestTranslations::findsTheCatalogues()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    for (const QString &name : {u"korvane_de.qm"_s, u"korvane_pt_BR.qm"_s, u"qtbase_fr.qm"_s, u"korvane_es.ts"_s}) {
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QCOMPARE(Translations::availableLanguages(folder.path()), (QStringList{u"de"_s, u"pt_BR"_s}));
}

QTEST_GUILESS_MAIN(TestTranslations)

#include "tst_translations.moc"
