#include "core/board/BoardRows.h"
#include "support/HallFixture.h"

#include <QTest>

// The board's reading of the tables and its two texts: the running duration
// and the reminder.
class BoardRowsTest : public QObject
{
    Q_OBJECT

private slots:
    void duration_data();
    void duration();
    void reminder_data();
    void reminder();
    void firstOpenVisitOfEachTable();
};

void BoardRowsTest::duration_data()
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

void BoardRowsTest::duration()
{
    QFETCH(QDateTime, start);
    QFETCH(QDateTime, now);
    QFETCH(QString, expected);
    QCOMPARE(BoardRows::duration(start, now), expected);
}

void BoardRowsTest::reminder_data()
{
    QTest::addColumn<double>("reminderMinutes");
    QTest::addColumn<int>("elapsed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("due");
    QTest::newRow("no reminder") << 0.0 << 500 << "0" << false;
    QTest::newRow("a minute to go") << 60.0 << 59 << "60" << false;
    QTest::newRow("reached") << 60.0 << 60 << "60 分钟已到" << true;
}

void BoardRowsTest::reminder()
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

// Table 1 has two open visits, 2 settled history only, 3 a mark without a
// visit, 4 history and an open visit.
void BoardRowsTest::firstOpenVisitOfEachTable()
{
    HallFixture f;
    QVERIFY(f.ready() && f.addTables(4));
    QVERIFY(f.openVisit(1, today("19:00:00"), QStringLiteral("A")));
    QVERIFY(f.openVisit(1, today("18:00:00"), QStringLiteral("B")));
    QVERIFY(f.openVisit(2, today("17:00:00")) && f.openVisit(4, today("16:00:00")));
    QVERIFY(f.hall.exec(QStringLiteral("update waimxd set jsrc=? where zhao in (2, 4)"), {today("18:00:00")}));
    QVERIFY(f.openVisit(4, today("19:30:00")));
    QVERIFY(f.hall.exec(QStringLiteral("update zhdy set sybj=1 where zhao=3")));

    const ResultOf<QList<BoardRow>> rows = BoardRows::load(f.hall.db());
    QVERIFY2(rows, qPrintable(rows.result().message()));
    QCOMPARE(rows->size(), 4);
    const QList<QDateTime> starts = {today("19:00:00"), QDateTime(), QDateTime(), today("19:30:00")};
    for (int i = 0; i < 4; ++i) {
        const ResultOf<std::optional<BoardRow>> one = BoardRows::loadOne(f.hall.db(), qint16(i + 1));
        QVERIFY2(one, qPrintable(one.result().message()));
        for (const BoardRow& row : {rows->at(i), **one}) {
            QCOMPARE(row.number, i + 1);
            QCOMPARE(row.visit ? row.visit->start : QDateTime(), starts.at(i));
        }
    }
    const ResultOf<std::optional<BoardRow>> none = BoardRows::loadOne(f.hall.db(), 99);
    QVERIFY(none && !*none);
}

QTEST_GUILESS_MAIN(BoardRowsTest)
#include "test_boardrows.moc"
