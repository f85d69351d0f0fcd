// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Documents that another party wrote, made to exhaust time or memory: the
// service description's reader and the reply's reader take them alone,
// without a window.

#include "soap/soapoperation.h"
#include "soap/soapreplyreader.h"
#include "soap/wsdlreader.h"
#include "tests/support/testdescription.h"

#include <QElapsedTimer>
#include <QTest>

using namespace Qt::StringLiterals;
using TestDescription::fixture;

class tst_HostileDocuments : public QObject
{
    Q_OBJECT

private slots:
    void hostileDocumentRefusedQuickly_data();
    void hostileDocumentRefusedQuickly();
};

// Documents built to exhaust time or memory are refused by both readers before
// anything large is built.
void tst_HostileDocuments::hostileDocumentRefusedQuickly_data()
{
    QTest::addColumn<QByteArray>("document");

    QTest::newRow("billion laughs") << fixture(u"wsdl/entity-expansion.wsdl"_s);
    QTest::newRow("quadratic blowup")
        << QByteArray("<!DOCTYPE d [<!ENTITY a \"" + QByteArray(50000, 'a') + "\">]><d>"
                      + QByteArray("&a;").repeated(50000) + "</d>");
    QTest::newRow("external entity")
        << QByteArray("<!DOCTYPE d [<!ENTITY x SYSTEM \"file:///dev/zero\">]><d>&x;</d>");
    QTest::newRow("nested 1000000 deep") << QByteArray("<a>").repeated(1000000);
    QByteArray attributes;
    for (int i = 0; i < 100000; ++i)
        attributes += " a" + QByteArray::number(i) + "=\"v\"";
    QTest::newRow("100000 attributes") << QByteArray("<a" + attributes + "/>");
}

void tst_HostileDocuments::hostileDocumentRefusedQuickly()
{
    QFETCH(QByteArray, document);

    QElapsedTimer clock;
    clock.start();
    WsdlReader reader;
    QVERIFY(!reader.read(document));
    QVERIFY(!reader.errorString().isEmpty());
    SoapOperation operation;
    operation.declaresOutput = true;
    const SoapCallResult result = SoapReplyReader::read({200, "OK", "text/xml", {}, document, {}, {}}, operation);
    QVERIFY(!result.ok());
    QVERIFY(!result.reason.isEmpty());
    QVERIFY2(clock.elapsed() < 3000, qPrintable(u"took %1 ms"_s.arg(clock.elapsed())));
}

QTEST_GUILESS_MAIN(tst_HostileDocuments)

#include "tst_hostiledocuments.moc"
