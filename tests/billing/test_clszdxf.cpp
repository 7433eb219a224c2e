#include "billing/ClsZdxf.h"
#include "support/TestHall.h"

#include <QTest>

class ClsZdxfTest : public QObject
{
    Q_OBJECT

private slots:
    void units_data();
    void units();
    void minimum_data();
    void minimum();
    void readsTheTableDefinition();
    void unitTooLargeIsOverflow();
};

void ClsZdxfTest::units_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("freeMinutes");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<int>("expected");

    QTest::newRow("4 minutes of a unit are free") << 30 << 5 << 34 << 30;
    QTest::newRow("5 minutes start a unit") << 30 << 5 << 35 << 60;
    QTest::newRow("short of the free minutes") << 30 << 5 << 4 << 0;
    QTest::newRow("exactly the free minutes") << 30 << 5 << 5 << 30;
    QTest::newRow("whole units stay") << 30 << 5 << 60 << 60;
    QTest::newRow("unit of 15") << 15 << 5 << 20 << 30;
    QTest::newRow("unit of 15, one short") << 15 << 5 << 19 << 15;
    QTest::newRow("unit longer than an hour") << 45 << 5 << 50 << 90;
    QTest::newRow("other free minutes") << 30 << 10 << 39 << 30;
    QTest::newRow("no free minutes, whole units") << 30 << 0 << 60 << 60;
    QTest::newRow("no free minutes, one minute started") << 30 << 0 << 61 << 90;
    QTest::newRow("no unit") << 0 << 5 << 34 << 34;
    QTest::newRow("negative unit") << -10 << 5 << 34 << 34;
}

void ClsZdxfTest::units()
{
    QFETCH(int, unit);
    QFETCH(int, freeMinutes);
    QFETCH(int, minutes);
    QFETCH(int, expected);

    TestHall hall;
    QVERIFY2(hall.isValid(), qPrintable(hall.error()));
    QVERIFY(hall.exec(QStringLiteral("insert into zhdy (zhao, zxjffz, zdxffz) values (3, ?, 0)"), {unit}));
    hall.state.params.freeMinutes = qint16(freeMinutes);
    ClsZdxf rules(hall.state);
    Result result = Result::failure(QString());
    QCOMPARE(rules.getZDjffz(qint16(minutes), QStringLiteral("3"), &result), expected);
    QVERIFY(result.ok());
    QCOMPARE(rules.jsmm(), expected);
}

// H and R of a segment after the minimum rules, from the minutes as split.
void ClsZdxfTest::minimum_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("freeMinutes");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<int>("hours");
    QTest::addColumn<int>("rest");

    QTest::newRow("short stay within the free minutes") << 0 << 60 << 5 << 4 << 0 << 0;
    QTest::newRow("short stay counts as the minimum") << 0 << 60 << 5 << 20 << 1 << 0;
    QTest::newRow("minimum over an hour") << 0 << 90 << 5 << 20 << 1 << 30;
    QTest::newRow("minimum reached follows the usual rule") << 0 << 60 << 5 << 60 << 1 << 0;
    QTest::newRow("free minutes of an hour or more keep the hours") << 0 << 120 << 70 << 65 << 1 << 0;
    QTest::newRow("units round the minutes only") << 30 << 0 << 5 << 94 << 1 << 30;
    QTest::newRow("units carry into a whole hour") << 30 << 0 << 5 << 95 << 1 << 60;
    QTest::newRow("minimum before units") << 30 << 45 << 5 << 40 << 0 << 45;
    QTest::newRow("no unit: exact minutes below 16") << 0 << 0 << 5 << 75 << 1 << 15;
    QTest::newRow("no unit: half hour from 16") << 0 << 0 << 5 << 76 << 1 << 30;
    QTest::newRow("no unit: exact from 30 to 45") << 0 << 0 << 5 << 105 << 1 << 45;
    QTest::newRow("no unit: hour from 46") << 0 << 0 << 5 << 106 << 1 << 60;
    QTest::newRow("negative unit bills exact minutes") << -1 << 0 << 5 << 76 << 1 << 16;
}

void ClsZdxfTest::minimum()
{
    QFETCH(int, unit);
    QFETCH(int, minimum);
    QFETCH(int, freeMinutes);
    QFETCH(int, minutes);
    QFETCH(int, hours);
    QFETCH(int, rest);

    TestHall hall;
    QVERIFY2(hall.isValid(), qPrintable(hall.error()));
    QVERIFY(hall.exec(QStringLiteral("insert into zhdy (zhao, zxjffz, zdxffz) values (3, ?, ?)"), {unit, minimum}));
    hall.state.params.freeMinutes = qint16(freeMinutes);
    ClsZdxf rules(hall.state);
    QVERIFY(rules.GetZdxf(QStringLiteral("3")));
    BilledTime time;
    QVERIFY(BilledTime::split(float(minutes), &time));
    QVERIFY(rules.applyMinimum(&time));
    QCOMPARE(time.H, qint16(hours));
    QCOMPARE(time.R, qint16(rest));
}

void ClsZdxfTest::readsTheTableDefinition()
{
    TestHall hall;
    QVERIFY2(hall.isValid(), qPrintable(hall.error()));
    QVERIFY(hall.exec(QStringLiteral("insert into zhdy (zhao, zxjffz, zdxffz) values (3, 30, 60)")));
    QVERIFY(hall.exec(QStringLiteral("insert into zhdy (zhao, zxjffz, zdxffz) values (4, null, 20)")));
    ClsZdxf rules(hall.state);
    QCOMPARE(rules.zxjffz(), 0.f);

    QVERIFY(rules.GetZdxf(QStringLiteral("3")));
    QCOMPARE(rules.zxjffz(), 30.f);
    QCOMPARE(rules.zdxffz(), 60.f);

    QVERIFY(rules.GetZdxf(QStringLiteral("4")));
    QCOMPARE(rules.zxjffz(), 30.f);
    QCOMPARE(rules.zdxffz(), 20.f);

    QVERIFY(rules.GetZdxf(QStringLiteral("9")));
    QCOMPARE(rules.zxjffz(), 0.f);
    QCOMPARE(rules.zdxffz(), 0.f);

    QCOMPARE(rules.GetZdxf(QStringLiteral("x")).number(), Result::TypeMismatch);
}

void ClsZdxfTest::unitTooLargeIsOverflow()
{
    TestHall hall;
    QVERIFY2(hall.isValid(), qPrintable(hall.error()));
    QVERIFY(hall.exec(QStringLiteral("insert into zhdy (zhao, zxjffz, zdxffz) values (3, 40000, 0)")));
    ClsZdxf rules(hall.state);
    Result result = Result::success();
    QCOMPARE(rules.getZDjffz(10, QStringLiteral("3"), &result), 0);
    QCOMPARE(result.number(), Result::Overflow);
}

QTEST_GUILESS_MAIN(ClsZdxfTest)
#include "test_clszdxf.moc"
