// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// With a translator installed, the texts people read from the sending, history,
// contacts, SOAP and command-line layers come out translated, sentences built
// from pieces included; what programs read (state keys, the CSV header) does not.

#include "cli/commands.h"
#include "contacts/contactsfile.h"
#include "contacts/contactsimport.h"
#include "history/historycsv.h"
#include "history/historyrecord.h"
#include "sending/outgoingmessage.h"
#include "sending/sendchecks.h"
#include "soap/messagetext.h"

#include <QCoreApplication>
#include <QTest>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace {

// Brackets every text it is asked for, so that what went through it shows.
class BracketingTranslator final : public QTranslator
{
public:
    QString translate(const char *, const char *sourceText, const char *, int) const override
    {
        return u'[' + QString::fromUtf8(sourceText) + u']';
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class tst_LayerTexts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(QCoreApplication::installTranslator(&m_translator)); }

    void translated_data()
    {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("expected");
        QTest::newRow("send check") << SendChecks::problem(OutgoingMessage{}).value_or(QString())
                                    << u"[You have not selected who to send your message to]"_s;
        // Kept at namespace scope and translated only where shown.
        QTest::newRow("history state") << HistoryRecord::stateText(HistoryRecord::State::NotKnown)
                                       << u"[Not known]"_s;
        const ContactsImport import = ContactsImport::fromData("Name,Number\r\nAnn,00447700900123\r\n,00447700900124\r\n",
                                                               ContactsFormat::Csv, {{}, 10}, u"UK");
        QTest::newRow("import summary") << import.summary()
                                        << u"[Imported 1 recipient.][ 1 contact was skipped: [1 without a name].]"_s;
        QTest::newRow("HTTP status") << MessageText::httpStatus(503, "Service Unavailable")
                                     << u"[HTTP status 503 (Service Unavailable)]"_s;
        QTest::newRow("command help") << Commands::helpText(u"history"_s).left(24) << u"[Usage: korvane history "_s;
    }
    void translated()
    {
        QFETCH(QString, shown);
        QFETCH(QString, expected);
        QCOMPARE(shown, expected);
    }

    void dataStaysEnglish_data()
    {
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("expected");
        QTest::newRow("state key") << HistoryRecord::stateKey(HistoryRecord::State::NotKnown) << u"not known"_s;
        QTest::newRow("CSV header") << QString::fromUtf8(HistoryCsv::headerLine())
                                    << u"id,time,sender_name,sender_number,recipient_name,recipient_number,message,"
                                       "culture,endpoint,state,reason,duration_ms\r\n"_s;
    }
    void dataStaysEnglish()
    {
        QFETCH(QString, written);
        QFETCH(QString, expected);
        QCOMPARE(written, expected);
    }

private:
    BracketingTranslator m_translator;
};

QTEST_GUILESS_MAIN(tst_LayerTexts)
#include "tst_layertexts.moc"
