// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "soap/soapoperation.h"
#include "soap/soaprequestwriter.h"
#include "soap/wsdlreader.h"

#include <QTest>
#include <QXmlStreamReader>

using namespace Qt::StringLiterals;

namespace {

const QString Soap11 = u"http://schemas.xmlsoap.org/soap/envelope/"_s;
const QString Soap12 = u"http://www.w3.org/2003/05/soap-envelope"_s;
const QString Xsd = u"http://www.w3.org/2001/XMLSchema"_s;
const QString Xsi = u"http://www.w3.org/2001/XMLSchema-instance"_s;
const QString SoapEncoding = u"http://schemas.xmlsoap.org/soap/encoding/"_s;
const QString Tns = u"http://example.test/korvane/sms"_s;
const QString Types = u"http://example.test/korvane/types"_s;

const QStringList Arguments{u"Ann"_s, u"00441234567"_s, u"00447654321098"_s, u"Hello"_s, u"en-GB"_s};

QString clark(const QString &ns, const QString &name)
{
    return ns.isEmpty() ? name : u"{"_s + ns + u"}"_s + name;
}

// One element of a parsed request: "{ns}name" at its depth, its text and the
// encoding attributes with xsi:type resolved to a namespace.
struct Element
{
    int depth = 0;
    QString name;
    QString text;
    QString xsiType;
    QString encodingStyle;
};

QList<Element> parseRequest(const QByteArray &bytes, QString *error)
{
    QXmlStreamReader reader(bytes);
    QList<Element> elements;
    QList<int> open;
    QList<QXmlStreamNamespaceDeclarations> scopes;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement: {
            scopes.append(reader.namespaceDeclarations());
            Element e;
            e.depth = int(open.size());
            e.name = clark(reader.namespaceUri().toString(), reader.name().toString());
            const QString type = reader.attributes().value(Xsi, u"type"_s).toString();
            if (!type.isEmpty()) {
                const QString prefix = type.section(u':', 0, 0);
                for (const auto &scope : std::as_const(scopes)) {
                    for (const auto &d : scope) {
                        if (d.prefix() == prefix)
                            e.xsiType = clark(d.namespaceUri().toString(), type.section(u':', 1));
                    }
                }
            }
            for (const auto &a : reader.attributes()) {
                if (a.name() == u"encodingStyle")
                    e.encodingStyle = clark(a.namespaceUri().toString(), a.value().toString());
            }
            open.append(int(elements.size()));
            elements.append(e);
            break;
        }
        case QXmlStreamReader::EndElement:
            open.removeLast();
            scopes.removeLast();
            break;
        case QXmlStreamReader::Characters:
            if (!open.isEmpty())
                elements[open.last()].text += reader.text();
            break;
        default:
            break;
        }
    }
    if (reader.hasError())
        *error = reader.errorString();
    return elements;
}

std::optional<SoapOperation> fixtureOperation(const QString &file, const QString &port = QString())
{
    WsdlReader reader;
    if (!reader.readFile(QStringLiteral(KORVANE_TEST_DATA_DIR "/wsdl/") + file))
        return std::nullopt;
    return reader.operation(u"sendSMS"_s, QString(), port);
}

} // namespace

class tst_SoapRequest : public QObject
{
    Q_OBJECT

private slots:
    void writesWhatTheBindingDescribes_data();
    void writesWhatTheBindingDescribes();
    void textsSurviveRoundTrip_data();
    void textsSurviveRoundTrip();
    void headersFollowSoapVersion_data();
    void headersFollowSoapVersion();
    void refusesArgumentsItCannotSend_data();
    void refusesArgumentsItCannotSend();
    void findsCharacterXmlCannotCarry_data();
    void findsCharacterXmlCannotCarry();
};

void tst_SoapRequest::writesWhatTheBindingDescribes_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("envelope");
    QTest::addColumn<QString>("wrapper"); // empty: parts directly in the body
    QTest::addColumn<QStringList>("parameters");
    QTest::addColumn<bool>("encoded");

    const QStringList unqualified{u"FromName"_s, u"FromNumber"_s, u"ToNumber"_s, u"Message"_s, u"Culture"_s};
    QStringList qualifiedButCulture;
    for (const QString &p : unqualified)
        qualifiedButCulture << (p == u"Culture" ? p : clark(Types, p));
    QStringList qualified;
    for (const QString &p : unqualified)
        qualified << clark(Types, p);

    QTest::newRow("rpc/encoded: body namespace") << u"rpc-encoded.wsdl"_s << QString() << Soap11
                                                 << clark(u"urn:korvane:rpc-body"_s, u"sendSMS"_s) << unqualified
                                                 << true;
    QTest::newRow("rpc/literal: target namespace") << u"rpc-literal.wsdl"_s << QString() << Soap11
                                                   << clark(Tns, u"sendSMS"_s) << unqualified << false;
    QTest::newRow("wrapped, qualified, one form unqualified")
        << u"doc-wrapped-qualified.wsdl"_s << QString() << Soap11 << clark(Types, u"sendSMS"_s)
        << qualifiedButCulture << false;
    QTest::newRow("wrapped, unqualified, form and ref qualified")
        << u"doc-wrapped-unqualified.wsdl"_s << QString() << Soap11 << clark(Types, u"sendSMS"_s)
        << QStringList{u"FromName"_s, clark(Types, u"FromNumber"_s), u"ToNumber"_s, u"Message"_s,
                       clark(Types, u"Culture"_s)}
        << false;
    QStringList bare;
    for (const QString &p : unqualified)
        bare << clark(Types, p + u"In");
    QTest::newRow("bare: one element per part") << u"doc-bare.wsdl"_s << QString() << Soap11 << QString() << bare
                                                << false;
    QTest::newRow("soap 1.2 envelope") << u"soap12-only.wsdl"_s << QString() << Soap12
                                       << clark(Types, u"sendSMS"_s) << qualifiedButCulture << false;
    QTest::newRow("both versions, 1.2 port") << u"both-versions.wsdl"_s << u"SendSMSPort12"_s << Soap12
                                             << clark(Types, u"sendSMS"_s) << qualifiedButCulture << false;
    QTest::newRow("shuffled sections") << u"shuffled-prefixes.wsdl"_s << QString() << Soap11
                                       << clark(Types, u"sendSMS"_s) << qualified << false;
    QTest::newRow("utf-16 description") << u"utf16-bom.wsdl"_s << QString() << Soap11 << clark(Tns, u"sendSMS"_s)
                                        << unqualified << false;
}

void tst_SoapRequest::writesWhatTheBindingDescribes()
{
    QFETCH(QString, file);
    QFETCH(QString, port);
    QFETCH(QString, envelope);
    QFETCH(QString, wrapper);
    QFETCH(QStringList, parameters);
    QFETCH(bool, encoded);

    const auto op = fixtureOperation(file, port);
    QVERIFY(op);
    const SoapRequest request = SoapRequestWriter::write(*op, Arguments);
    QVERIFY2(request.isValid(), qPrintable(request.errorString));

    QString error;
    const QList<Element> elements = parseRequest(request.body, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));

    const int parameterDepth = wrapper.isEmpty() ? 2 : 3;
    QCOMPARE(elements.size(), parameterDepth + Arguments.size());
    QCOMPARE(elements.at(0).name, clark(envelope, u"Envelope"_s));
    QCOMPARE(elements.at(1).name, clark(envelope, u"Body"_s));
    if (!wrapper.isEmpty()) {
        QCOMPARE(elements.at(2).name, wrapper);
        QCOMPARE(elements.at(2).depth, 2);
        QCOMPARE(elements.at(2).encodingStyle, encoded ? clark(envelope, SoapEncoding) : QString());
    }
    for (qsizetype i = 0; i < Arguments.size(); ++i) {
        const Element &e = elements.at(parameterDepth + i);
        QCOMPARE(e.depth, parameterDepth);
        QCOMPARE(e.name, parameters.at(i));
        QCOMPARE(e.text, Arguments.at(i));
        QCOMPARE(e.xsiType, encoded ? clark(Xsd, u"string"_s) : QString());
    }
}

void tst_SoapRequest::textsSurviveRoundTrip_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("text");

    const QList<std::pair<const char *, QString>> texts{
        {"markup characters", u"<b>Tom & \"Jerry\" 'n' co</b> > 1"_s},
        {"cdata terminator", u"a ]]> b ]]]]><![CDATA[ c"_s},
        {"non-latin letters", u"Gr\u00fc\u00dfe, \u0417\u0434\u0440\u0430\u0432\u0441\u0442\u0432\u0443\u0439, \u4f60\u597d, \u05e9\u05dc\u05d5\u05dd"_s},
        {"emoji", u"See you \U0001F600 soon \U0001F1EC\U0001F1E7"_s},
        {"line breaks", u"line one\r\nline two\rthree\nfour\ttab"_s},
        {"surrounding spaces", u"  spaced  "_s},
        {"empty", QString()},
    };
    for (const auto &[name, text] : texts) {
        QTest::addRow("rpc/encoded: %s", name) << u"rpc-encoded.wsdl"_s << text;
        QTest::addRow("wrapped: %s", name) << u"doc-wrapped-qualified.wsdl"_s << text;
    }
}

void tst_SoapRequest::textsSurviveRoundTrip()
{
    QFETCH(QString, file);
    QFETCH(QString, text);

    const auto op = fixtureOperation(file);
    QVERIFY(op);
    QStringList arguments = Arguments;
    arguments[3] = text;
    const SoapRequest request = SoapRequestWriter::write(*op, arguments);
    QVERIFY2(request.isValid(), qPrintable(request.errorString));

    QString error;
    const QList<Element> elements = parseRequest(request.body, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(elements.size(), 8);
    QCOMPARE(elements.at(6).text, text);
    QCOMPARE(elements.at(7).text, Arguments.at(4));
}

void tst_SoapRequest::headersFollowSoapVersion_data()
{
    QTest::addColumn<SoapOperation::Version>("version");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QByteArray>("contentType");
    QTest::addColumn<QByteArray>("soapActionHeader");

    using V = SoapOperation::Version;
    QTest::newRow("1.1 with action") << V::Soap11 << u"urn:korvane:sendSMS"_s
                                     << QByteArray("text/xml; charset=utf-8") << QByteArray("\"urn:korvane:sendSMS\"");
    QTest::newRow("1.1 empty action quoted") << V::Soap11 << QString() << QByteArray("text/xml; charset=utf-8")
                                             << QByteArray("\"\"");
    QTest::newRow("1.1 quote in action escaped") << V::Soap11 << u"urn:a\"b"_s
                                                 << QByteArray("text/xml; charset=utf-8")
                                                 << QByteArray("\"urn:a\\\"b\"");
    QTest::newRow("1.2 action parameter") << V::Soap12 << u"urn:korvane:sendSMS"_s
                                          << QByteArray("application/soap+xml; charset=utf-8; action=\"urn:korvane:sendSMS\"")
                                          << QByteArray();
    QTest::newRow("1.2 empty action omitted") << V::Soap12 << QString()
                                              << QByteArray("application/soap+xml; charset=utf-8") << QByteArray();
}

void tst_SoapRequest::headersFollowSoapVersion()
{
    QFETCH(SoapOperation::Version, version);
    QFETCH(QString, action);

    SoapOperation op;
    op.name = u"sendSMS"_s;
    op.version = version;
    op.soapAction = action;
    op.wrapper = {Tns, u"sendSMS"_s};
    op.parameters = {{QString(), u"Message"_s}};
    const SoapRequest request = SoapRequestWriter::write(op, {u"Hi"_s});
    QVERIFY(request.isValid());
    QTEST(request.contentType, "contentType");
    QTEST(request.soapActionHeader, "soapActionHeader");
}

void tst_SoapRequest::refusesArgumentsItCannotSend_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("reason");

    QTest::newRow("four arguments") << Arguments.mid(0, 4) << u"takes 5 arguments, but 4"_s;
    QTest::newRow("six arguments") << (Arguments + QStringList{u"extra"_s}) << u"takes 5 arguments, but 6"_s;
    QTest::newRow("no arguments") << QStringList() << u"takes 5 arguments, but 0"_s;
    QStringList control = Arguments;
    control[3] = u"bell\aring"_s;
    QTest::newRow("control character") << control << u"Argument 4"_s;
    QStringList surrogate = Arguments;
    surrogate[0] = u"An"_s + QChar(0xD800);
    QTest::newRow("lone surrogate") << surrogate << u"Argument 1"_s;
}

void tst_SoapRequest::refusesArgumentsItCannotSend()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, reason);

    const auto op = fixtureOperation(u"doc-wrapped-qualified.wsdl"_s);
    QVERIFY(op);
    const SoapRequest request = SoapRequestWriter::write(*op, arguments);
    QVERIFY(!request.isValid());
    QVERIFY(request.body.isEmpty());
    QVERIFY2(request.errorString.contains(reason), qPrintable(request.errorString));
}

void tst_SoapRequest::findsCharacterXmlCannotCarry_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qsizetype>("index");

    QTest::newRow("plain") << u"Hello, world"_s << qsizetype(-1);
    QTest::newRow("tab, line feed, return allowed") << u"a\tb\nc\rd"_s << qsizetype(-1);
    QTest::newRow("nul") << QString(u"ab" + QString(QChar(0)) + u"c") << qsizetype(2);
    QTest::newRow("escape") << u"\x1b[0m"_s << qsizetype(0);
    QTest::newRow("paired surrogates allowed") << u"\U0001F600\U0001F600"_s << qsizetype(-1);
    QTest::newRow("position counts utf-16 units") << u"\U0001F600\x0b"_s << qsizetype(2);
    QTest::newRow("high surrogate at end") << QString(u"ok" + QString(QChar(0xD83D))) << qsizetype(2);
    QTest::newRow("high surrogate before letter") << QString(QString(QChar(0xD83D)) + u"x") << qsizetype(0);
    QTest::newRow("low surrogate alone") << QString(u"x" + QString(QChar(0xDE00))) << qsizetype(1);
    QTest::newRow("U+FFFE") << QString(u"x" + QString(QChar(0xFFFE))) << qsizetype(1);
    QTest::newRow("U+FFFF") << QString(QString(QChar(0xFFFF))) << qsizetype(0);
    QTest::newRow("U+FFFD allowed") << QString(QString(QChar(0xFFFD))) << qsizetype(-1);
    QTest::newRow("delete allowed") << u"\x7f"_s << qsizetype(-1);
}

void tst_SoapRequest::findsCharacterXmlCannotCarry()
{
    QFETCH(QString, text);
    QTEST(SoapRequestWriter::firstCharacterNotCarried(text), "index");
}

QTEST_APPLESS_MAIN(tst_SoapRequest)

#include "tst_soaprequest.moc"
