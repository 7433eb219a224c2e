#include "core/billing/Checkout.h"
#include "core/board/BoardModel.h"
#include "core/board/BoardPricing.h"
#include "core/board/BoardRows.h"
#include "support/HallFixture.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

// The board's rows: how they are read, what a table shows free and in use,
// with its running duration and reminder, and which rows each refresh tells
// its views about.
class TestBoardModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void duration_data();
    void duration();
    void reminder_data();
    void reminder();
    void firstOpenVisitOfEachTable();
    void rowsFollowTheOpenVisits();
    void oneRowRefresh_data();
    void oneRowRefresh();
    void totalIsWhatTheCheckoutSettles();

private:
    QString cell(int row, int column) const { return m_model->index(row, column).data().toString(); }
    QString cells(int row, std::initializer_list<int> columns) const
    {
        QStringList shown;
        for (int column : columns)
            shown.append(cell(row, column));
        return shown.join(QLatin1Char('|'));
    }
    bool inUse(int row) const { return m_model->index(row, 0).data(BoardModel::InUseRole).toBool(); }

    std::unique_ptr<HallFixture> f;
    std::unique_ptr<BoardModel> m_model;
    std::unique_ptr<QAbstractItemModelTester> m_tester;
};

// Table 1 in use since 19:00 with a reminder of 60 minutes and a card, 2
// marked in use without a visit, 3 free. Every change the tests make is
// checked against the model contract as it happens.
void TestBoardModel::init()
{
    m_tester.reset(); // the previous case's, in the order they depend on each other
    m_model.reset();
    f.reset();
    f = std::make_unique<HallFixture>();
    QVERIFY(f->ready() && f->addTables(3));
    QVERIFY(f->openVisit(1, today("19:00:00"), QStringLiteral("M1"), 30, 60));
    QVERIFY(f->hall.exec(QStringLiteral("update zhdy set sybj=1 where zhao=2")));
    m_model = std::make_unique<BoardModel>();
    m_tester = std::make_unique<QAbstractItemModelTester>(m_model.get(),
                                                          QAbstractItemModelTester::FailureReportingMode::QtTest);
    QVERIFY(m_model->build(f->hall.db()));
    QCOMPARE(m_model->rowCount(), 3);
}

void TestBoardModel::rowsFollowTheOpenVisits()
{
    QVERIFY2(inUse(1), "laid out by the in-use mark");
    QVERIFY(f->openVisit(3, today("19:59:30")));
    QSignalSpy changed(m_model.get(), &QAbstractItemModel::dataChanged);
    QVERIFY(m_model->refresh(f->hall.db(), f->clock.now()));
    QCOMPARE(changed.count(), 1);

    QCOMPARE(cells(0, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}),
             QStringLiteral("1|2026-12-06 19:00:00||1:00|30||M1|使用|1号台|60 分钟已到"));
    QVERIFY(m_model->isDue(0) && m_model->index(0, BoardModel::Reminder).data(BoardModel::DueRole).toBool());
    QCOMPARE(m_model->index(0, BoardModel::Duration).data(BoardModel::ListTextRole).toString(), QStringLiteral("1:0"));
    QVERIFY2(!inUse(1), "a mark without a visit is free");
    QVERIFY(inUse(2));
}

void TestBoardModel::oneRowRefresh_data()
{
    QTest::addColumn<bool>("settle");
    QTest::addColumn<bool>("clear");
    QTest::addColumn<QString>("shown"); // columns 1 to 7 and 9
    QTest::newRow("settled, kept") << true << false << "2026-12-06 19:00:00|2026-12-06 20:00:00|1:00|30|30.00|M1||";
    QTest::newRow("settled, cleared") << true << true << "|||||||";
    QTest::newRow("still open: the bill column emptied")
        << false << true << "2026-12-06 19:00:00||1:00|30||M1|使用|60 分钟已到";
}

// Only the refreshed row changes, and a table that stays open loses the
// total of a bill that did not close it.
void TestBoardModel::oneRowRefresh()
{
    QFETCH(bool, settle);
    QFETCH(bool, clear);
    QVERIFY(f->openVisit(3, today("19:30:00")));
    QVERIFY(m_model->refresh(f->hall.db(), f->clock.now()));
    const QString tableThree = cell(2, BoardModel::Duration);
    if (settle)
        QVERIFY(f->hall.exec(QStringLiteral("update waimxd set jsrc=? where zhao=1"), {today("20:00:00")}));
    QSignalSpy changed(m_model.get(), &QAbstractItemModel::dataChanged);
    const BoardModel::Bill bill{QStringLiteral("30.00"), today("20:00:00")};
    QVERIFY(m_model->refreshOne(f->hall.db(), 0, f->clock.now(), clear, &bill));

    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toModelIndex(), m_model->index(0, 0));
    QCOMPARE(changed.at(0).at(1).toModelIndex(), m_model->index(0, BoardModel::ColumnCount - 1));
    QTEST(cells(0, {1, 2, 3, 4, 5, 6, 7, 9}), "shown");
    QCOMPARE(inUse(0), !settle);
    QVERIFY(!settle || !m_model->isDue(0));
    QCOMPARE(cell(2, BoardModel::Duration), tableThree);
}

// Table 3 opened at 17:30 by a member, the card typed in another case than
// it was issued in, runs across the 18:00 rate change: 30 min at 8, 2 h at 12.
void TestBoardModel::totalIsWhatTheCheckoutSettles()
{
    QVERIFY(f->hall.exec(QStringLiteral("delete from jfbz where zhao=3")) &&
            f->addBands(3, QStringLiteral("08:00:00-18:00:00=8/10;18:00:00-23:59:00=12/15")));
    QVERIFY(f->addMember(QStringLiteral("M9"), QVariant(), QStringLiteral("优惠卡")) &&
            f->openVisit(3, today("17:30:00"), QStringLiteral("m9")));
    m_model->setPricing(boardPricing(f->hall.state));
    QVERIFY(m_model->refresh(f->hall.db(), f->clock.now()));
    QCOMPARE(cell(2, BoardModel::Total), QStringLiteral("28.00"));
    const Checkout::Bill bill =
        Checkout::settle(f->hall.state, {QStringLiteral("3"), QStringLiteral("m9"), QString(), QStringLiteral("0")});
    QVERIFY2(bill.settled(), qPrintable(bill.error.message()));
    QCOMPARE(QString::number(bill.timeCharge(), 'f', 2), cell(2, BoardModel::Total));
}

void TestBoardModel::duration_data()
{
    QTest::addColumn<QDateTime>("start");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QString>("expected");
    const QDateTime ten = today("10:00:00");
    QTest::newRow("59 minutes") << ten << ten.addSecs(59 * 60) << "0:59";
    QTest::newRow("60 minutes") << ten << ten.addSecs(60 * 60) << "1:00";
    QTest::newRow("1500 minutes") << ten << ten.addSecs(1500 * 60) << "25:00";
    QTest::newRow("a minute boundary, not 60 seconds") << today("10:00:59") << today("10:01:00") << "0:01";
    QTest::newRow("clock put back") << ten << today("08:55:00") << "-1:05";
    QTest::newRow("unreadable start") << QDateTime() << ten << "";
}

void TestBoardModel::duration()
{
    QFETCH(QDateTime, start);
    QFETCH(QDateTime, now);
    QTEST(BoardRows::duration(start, now), "expected");
}

void TestBoardModel::reminder_data()
{
    QTest::addColumn<double>("reminderMinutes");
    QTest::addColumn<int>("elapsed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("due");
    QTest::newRow("no reminder") << 0.0 << 500 << "0" << false;
    QTest::newRow("a minute to go") << 60.0 << 59 << "60" << false;
    QTest::newRow("reached") << 60.0 << 60 << "60 分钟已到" << true;
}

void TestBoardModel::reminder()
{
    QFETCH(double, reminderMinutes);
    QFETCH(int, elapsed);
    QFETCH(QString, text);
    QFETCH(bool, due);
    const QDateTime start = today("10:00:30");
    const BoardRows::Reminder shown = BoardRows::reminder(reminderMinutes, start, start.addSecs(elapsed * 60));
    QCOMPARE(shown.text, text);
    QCOMPARE(shown.due, due);
}

// Besides init's tables: a second open visit on table 1, history and an
// open visit on 3, and a table 4 with settled history only.
void TestBoardModel::firstOpenVisitOfEachTable()
{
    QVERIFY(f->openVisit(1, today("18:00:00"), QStringLiteral("B")) && f->openVisit(3, today("16:00:00")));
    QVERIFY(f->hall.exec(QStringLiteral("insert into zhdy (zhao, mc) values (4, '4号台')")) &&
            f->openVisit(4, today("17:00:00")));
    QVERIFY(f->hall.exec(QStringLiteral("update waimxd set jsrc=? where zhao in (3, 4)"), {today("18:00:00")}));
    QVERIFY(f->openVisit(3, today("19:30:00")));

    const ResultOf<QList<BoardRow>> rows = BoardRows::load(f->hall.db());
    QVERIFY2(rows, qPrintable(rows.result().message()));
    QCOMPARE(rows->size(), 4);
    const QList<QDateTime> starts = {today("19:00:00"), QDateTime(), today("19:30:00"), QDateTime()};
    for (int i = 0; i < 4; ++i) {
        const ResultOf<std::optional<BoardRow>> one = BoardRows::loadOne(f->hall.db(), qint16(i + 1));
        QVERIFY2(one, qPrintable(one.result().message()));
        for (const BoardRow& row : {rows->at(i), **one}) {
            QCOMPARE(row.number, i + 1);
            QCOMPARE(row.visit ? row.visit->start : QDateTime(), starts.at(i));
        }
    }
    const ResultOf<std::optional<BoardRow>> none = BoardRows::loadOne(f->hall.db(), 99);
    QVERIFY(none && !*none);
}

QTEST_GUILESS_MAIN(TestBoardModel)
#include "test_boardmodel.moc"
