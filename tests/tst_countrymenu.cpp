// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The country menu built from the country table, over a bare menu: the
// window's suites test what the choice does to a send.

#include "app/countrymenu.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace {

// Stands in for a translation: every text of the contexts it knows comes
// back marked, so a test sees which texts went through it.
class MarkingTranslator final : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        const QLatin1StringView from(context);
        if (from != "Countries"_L1 && from != "CountryMenu"_L1)
            return QString();
        return u'[' + QString::fromUtf8(sourceText) + u']';
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class tst_CountryMenu : public QObject
{
    Q_OBJECT

private slots:
    void oneItemPerRowOfTheTable();
    void captionsAreTranslatedCodesAreNot();
};

void tst_CountryMenu::oneItemPerRowOfTheTable()
{
    QMenu menu;
    QAction *forget = menu.addAction(u"Forget the saved password"_s);
    CountryMenu countries(menu);

    const auto table = Countries::all();
    const QList<QAction *> items = menu.actions();
    QCOMPARE(items.size(), qsizetype(table.size()) + 1);
    // What the menu held stays after the countries.
    QCOMPARE(items.last(), forget);
    for (qsizetype row = 0; row < qsizetype(table.size()); ++row) {
        QCOMPARE(items[row]->objectName(), QLatin1StringView(table[row].itemName));
        QCOMPARE(items[row]->text(), QLatin1StringView(table[row].caption));
        QVERIFY(items[row]->isCheckable());
    }
}

void tst_CountryMenu::captionsAreTranslatedCodesAreNot()
{
    MarkingTranslator marking;
    QVERIFY(QCoreApplication::installTranslator(&marking));
    QMenu menu;
    CountryMenu countries(menu);
    QStringList cultures;
    connect(&countries, &CountryMenu::chosen, this, [&cultures](const Countries::Country &country) {
        cultures.append(QString::fromUtf16(country.cultureCode));
    });

    menu.findChild<QAction *>(u"mnuGermany"_s)->trigger();
    QCOMPARE(menu.findChild<QAction *>(u"mnuGermany"_s)->text(), u"[Germany]"_s);
    QCOMPARE(menu.title(), u"[Country: %1]"_s.arg(u"[Germany]"_s));
    QCOMPARE(cultures, QStringList{u"de-DE"_s});
    QVERIFY(QCoreApplication::removeTranslator(&marking));
}

QTEST_MAIN(tst_CountryMenu)
#include "tst_countrymenu.moc"
