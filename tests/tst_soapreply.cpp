// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "soap/soapreplyreader.h"

#include <QElapsedTimer>
#include <QStringEncoder>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray soap11Fault(const QByteArray &faultString)
{
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>"
           "<e:Envelope xmlns:e=\"http://schemas.xmlsoap.org/soap/envelope/\"><e:Body><e:Fault>"
           "<faultcode>e:Client</faultcode>" + faultString + "</e:Fault></e:Body></e:Envelope>";
}

QByteArray soap12Fault(const QByteArray &reason)
{
    return "<env:Envelope xmlns:env=\"http://www.w3.org/2003/05/soap-envelope\"><env:Body><env:Fault>"
           "<env:Code><env:Value>env:Sender</env:Value></env:Code>" + reason
           + "</env:Fault></env:Body></env:Envelope>";
}

} // namespace

class tst_SoapReply : public QObject
{
    Q_OBJECT

private slots:
    void readsOutcome_data();
    void readsOutcome();
};

void tst_SoapReply::readsOutcome_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("reasonPhrase");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<bool>("isFault");
    QTest::addColumn<QString>("faultString");
    QTest::addColumn<QString>("errorString");

    const QByteArray ok11 = "<soap:Envelope xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\"><soap:Body>"
                            "<sendSMSResponse xmlns=\"urn:x\"><sendSMSResult>sent</sendSMSResult></sendSMSResponse>"
                            "</soap:Body></soap:Envelope>";
    QTest::newRow("200 with result") << 200 << QByteArray("OK") << ok11 << true << false << QString() << QString();
    QTest::newRow("200 empty body") << 200 << QByteArray("OK") << QByteArray() << true << false << QString()
                                    << QString();
    QTest::newRow("202 whitespace body") << 202 << QByteArray("Accepted") << QByteArray(" \r\n") << true << false
                                         << QString() << QString();
    QTest::newRow("200 html, not soap") << 200 << QByteArray("OK") << QByteArray("<html><body>Login</body></html>")
                                        << false << false << QString()
                                        << u"The SMS service sent a reply that is not a SOAP message."_s;

    QTest::newRow("1.1 fault, 500") << 500 << QByteArray("Internal Server Error")
                                    << soap11Fault("<faultstring>Number barred</faultstring>") << false << true
                                    << u"Number barred"_s << u"The SMS service refused the message: Number barred"_s;
    QTest::newRow("1.1 fault, 200") << 200 << QByteArray("OK")
                                    << soap11Fault("<faultstring>  Quota used up\n</faultstring>") << false << true
                                    << u"Quota used up"_s << u"The SMS service refused the message: Quota used up"_s;
    QTest::newRow("1.1 fault in cdata") << 500 << QByteArray()
                                        << soap11Fault("<faultstring><![CDATA[a < b & c]]></faultstring>") << false
                                        << true << u"a < b & c"_s << u"The SMS service refused the message: a < b & c"_s;
    QTest::newRow("1.1 fault, no text") << 500 << QByteArray("Internal Server Error") << soap11Fault("") << false
                                        << true << QString()
                                        << u"The SMS service refused the message without giving a reason."_s;
    QTest::newRow("1.2 fault, english reason preferred")
        << 400 << QByteArray("Bad Request")
        << soap12Fault("<env:Reason><env:Text xml:lang=\"de\">Nummer gesperrt</env:Text>"
                       "<env:Text xml:lang=\"en-GB\">Number barred</env:Text></env:Reason>")
        << false << true << u"Number barred"_s << u"The SMS service refused the message: Number barred"_s;
    QTest::newRow("1.2 fault, other language only")
        << 500 << QByteArray() << soap12Fault("<env:Reason><env:Text xml:lang=\"fr\">Num\xc3\xa9ro bloqu\xc3\xa9</env:Text></env:Reason>")
        << false << true << u"Num\u00e9ro bloqu\u00e9"_s << u"The SMS service refused the message: Num\u00e9ro bloqu\u00e9"_s;
    QTest::newRow("1.2 fault, no reason") << 500 << QByteArray() << soap12Fault("") << false << true << QString()
                                          << u"The SMS service refused the message without giving a reason."_s;
    // A 1.1 faultstring in a 1.2 envelope is not a 1.2 reason.
    QTest::newRow("1.2 envelope, 1.1 fault text")
        << 500 << QByteArray() << soap12Fault("<faultstring>misplaced</faultstring>") << false << true << QString()
        << u"The SMS service refused the message without giving a reason."_s;

    QTest::newRow("500 not xml") << 500 << QByteArray("Internal Server Error") << QByteArray("Traceback: boom")
                                 << false << false << QString()
                                 << u"The SMS service answered with HTTP status 500 (Internal Server Error)."_s;
    QTest::newRow("404 envelope without fault") << 404 << QByteArray("Not Found") << ok11 << false << false
                                                << QString()
                                                << u"The SMS service answered with HTTP status 404 (Not Found)."_s;
    QTest::newRow("503 no reason phrase") << 503 << QByteArray() << QByteArray() << false << false << QString()
                                          << u"The SMS service answered with HTTP status 503."_s;

    QByteArray utf16 = QByteArray("\xff\xfe", 2);
    utf16 += QStringEncoder(QStringEncoder::Utf16LE)(
        QString::fromUtf8(soap11Fault("<faultstring>\xd0\x9d\xd0\xb5\xd1\x82 \xf0\x9f\x98\x80</faultstring>")
                              .replace("utf-8", "utf-16")));
    QTest::newRow("utf-16 with byte-order mark") << 500 << QByteArray() << utf16 << false << true
                                                 << u"\u041d\u0435\u0442 \U0001F600"_s
                                                 << u"The SMS service refused the message: \u041d\u0435\u0442 \U0001F600"_s;
    QByteArray latin1 = soap11Fault("<faultstring>Nachricht zu gro\xdf</faultstring>").replace("utf-8", "ISO-8859-1");
    QTest::newRow("iso-8859-1 declared") << 500 << QByteArray() << latin1 << false << true
                                         << u"Nachricht zu gro\u00df"_s
                                         << u"The SMS service refused the message: Nachricht zu gro\u00df"_s;

    // A fault behind a document type declaration is not read; the status decides.
    const QByteArray withDtd = "<!DOCTYPE x [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;\">]>"
                               + soap11Fault("<faultstring>&b;&b;&b;&b;&b;&b;</faultstring>").mid(38);
    QTest::newRow("dtd refused") << 500 << QByteArray("Internal Server Error") << withDtd << false << false
                                 << QString()
                                 << u"The SMS service answered with HTTP status 500 (Internal Server Error)."_s;
}

void tst_SoapReply::readsOutcome()
{
    QFETCH(int, status);
    QFETCH(QByteArray, reasonPhrase);
    QFETCH(QByteArray, body);

    const SoapCallResult result = SoapReplyReader::read(status, reasonPhrase, body);
    QTEST(result.ok, "ok");
    QTEST(result.isFault, "isFault");
    QTEST(result.faultString, "faultString");
    QTEST(result.errorString, "errorString");
}

QTEST_APPLESS_MAIN(tst_SoapReply)

#include "tst_soapreply.moc"
