// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// HistoryModel over a store: rows fetched a batch at a time, and the store's
// changes (and another process's, at refresh()) followed.

#include "history/historymodel.h"
#include "history/historystore.h"
#include "tests/support/historyfixture.h"

#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;
using State = HistoryRecord::State;

class tst_HistoryModel : public QObject, public HistoryFixture
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { setUpHistoryFixture(); }
    void cleanup() { tearDownHistoryFixture(); }

    void modelFetchesLazily();
    void modelFollowsStore();
};

void tst_HistoryModel::modelFetchesLazily()
{
    HistoryStore store(file());
    const int count = 2 * HistoryModel::batchSize + 44;
    for (int i = 0; i < count; ++i) {
        HistoryRecord row = historySend(i % 2 ? QString() : u"Name %1"_s.arg(i), u"0044791100%1"_s.arg(i, 4, 10, QChar(u'0')),
                                 u"First line %1\nsecond line"_s.arg(i));
        QVERIFY(store.begin(row));
    }
    HistoryModel model(store);
    QCOMPARE(model.rowCount(), HistoryModel::batchSize);
    for (const int expected : {2 * HistoryModel::batchSize, count}) {
        QVERIFY(model.canFetchMore(QModelIndex()));
        model.fetchMore(QModelIndex());
        QCOMPARE(model.rowCount(), expected);
    }
    QVERIFY(!model.canFetchMore(QModelIndex()));
    for (int row = 1; row < model.rowCount(); ++row)
        QVERIFY(model.record(row).id < model.record(row - 1).id);

    // Row 0 is the newest, an odd i, so it has no name.
    QCOMPARE(model.index(0, HistoryModel::RecipientColumn).data().toString(), u"0044791100%1"_s.arg(count - 1, 4, 10, QChar(u'0')));
    QCOMPARE(model.index(1, HistoryModel::RecipientColumn).data().toString(), u"Name %1"_s.arg(count - 2));
    QCOMPARE(model.index(0, HistoryModel::MessageColumn).data().toString(), u"First line %1"_s.arg(count - 1));
    QCOMPARE(model.index(0, HistoryModel::OutcomeColumn).data().toString(), u"Sending"_s);
    const HistoryRecord record = model.index(5, HistoryModel::TimeColumn).data(HistoryModel::RecordRole).value<HistoryRecord>();
    QCOMPARE(record, model.record(5));
    QCOMPARE(record, store.record(record.id).value());
    QCOMPARE(model.rowOf(record.id), 5);
}

void tst_HistoryModel::modelFollowsStore()
{
    HistoryStore store(file());
    const qint64 ann = beginOne(store, u"Ann"_s);
    HistoryModel model(store);
    model.setFilter(u"an"_s);
    QCOMPARE(model.rowCount(), 1);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);

    beginOne(store, u"Bob"_s); // does not match
    const qint64 dan = beginOne(store, u"Dan"_s);
    QCOMPARE(inserted.size(), 1);
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.record(0).id, dan);

    QVERIFY(store.finish(ann, State::Sent, QString(), 3ms));
    QCOMPARE(changed.size(), 1);
    QCOMPARE(model.index(1, HistoryModel::OutcomeColumn).data().toString(), u"Sent"_s);
    QCOMPARE(model.index(1, 0).data(HistoryModel::StateRole).value<State>(), State::Sent);

    QVERIFY(store.remove({dan}));
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(model.record(0).id, ann);
    QCOMPARE(reset.size(), 0);

    // Another process's rows appear at refresh().
    {
        HistoryStore other(file());
        beginOne(other, u"Hannah"_s);
    }
    QCOMPARE(model.rowCount(), 1);
    model.refresh();
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.record(0).state, State::NotKnown);

    QVERIFY(store.clear());
    QCOMPARE(model.rowCount(), 0);
}

QTEST_GUILESS_MAIN(tst_HistoryModel)
#include "tst_historymodel.moc"
