#include "AddBands.h"
#include "billing/ModGETPrice.h"

#include <QTest>

namespace {

const QString DayAndEvening = QStringLiteral("08:00:00-18:00:00=8/10;18:00:00-23:59:00=12/15");
const QString DefaultBand = QStringLiteral("00:01:00-23:59:00=8/10");

QDateTime at(const char* text)
{
    return QDateTime::fromString(QString::fromLatin1(text), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

} // namespace

class ModGETPriceTest : public QObject
{
    Q_OBJECT

private slots:
    void rates_data();
    void rates();
    void failedQueryGivesZero();
    void minutes_data();
    void minutes();
};

void ModGETPriceTest::rates_data()
{
    QTest::addColumn<QString>("bands");
    QTest::addColumn<int>("table");
    QTest::addColumn<QTime>("time");
    QTest::addColumn<float>("member");
    QTest::addColumn<float>("nonMember");

    QTest::newRow("last second of the day band") << DayAndEvening << 3 << QTime(17, 59, 59) << 8.f << 10.f;
    QTest::newRow("shared boundary is in no band") << DayAndEvening << 3 << QTime(18, 0, 0) << 0.f << 0.f;
    QTest::newRow("first second of the evening band") << DayAndEvening << 3 << QTime(18, 0, 1) << 12.f << 15.f;
    QTest::newRow("start of the first band") << DayAndEvening << 3 << QTime(8, 0, 0) << 0.f << 0.f;
    QTest::newRow("before any band") << DayAndEvening << 3 << QTime(7, 59, 59) << 0.f << 0.f;
    QTest::newRow("second after the start") << DayAndEvening << 3 << QTime(8, 0, 1) << 8.f << 10.f;
    QTest::newRow("last second of the last band") << DayAndEvening << 3 << QTime(23, 58, 59) << 12.f << 15.f;
    QTest::newRow("end of the default band") << DefaultBand << 3 << QTime(23, 59, 0) << 0.f << 0.f;
    QTest::newRow("midnight under the default band") << DefaultBand << 3 << QTime(0, 0, 0) << 0.f << 0.f;
    QTest::newRow("start of the default band") << DefaultBand << 3 << QTime(0, 1, 0) << 0.f << 0.f;
    QTest::newRow("inside the default band") << DefaultBand << 3 << QTime(0, 1, 1) << 8.f << 10.f;
    QTest::newRow("band over midnight, before")
        << QStringLiteral("22:00:00-02:00:00=8/10") << 3 << QTime(23, 0) << 0.f << 0.f;
    QTest::newRow("band over midnight, after")
        << QStringLiteral("22:00:00-02:00:00=8/10") << 3 << QTime(1, 0) << 0.f << 0.f;
    QTest::newRow("table without bands") << DayAndEvening << 4 << QTime(12, 0) << 0.f << 0.f;
    QTest::newRow("overlap: the lowest id wins, not the first written")
        << QStringLiteral("7@08:00:00-20:00:00=5/6;3@12:00:00-14:00:00=9/11") << 3 << QTime(13, 0) << 9.f << 11.f;
    QTest::newRow("overlap: outside the inner band")
        << QStringLiteral("7@08:00:00-20:00:00=5/6;3@12:00:00-14:00:00=9/11") << 3 << QTime(15, 0) << 5.f << 6.f;
    QTest::newRow("milliseconds do not reach the next second")
        << DayAndEvening << 3 << QTime(18, 0, 0, 999) << 0.f << 0.f;
}

void ModGETPriceTest::rates()
{
    QFETCH(QString, bands);
    QFETCH(int, table);
    QFETCH(QTime, time);
    QFETCH(float, member);
    QFETCH(float, nonMember);

    TestHall hall;
    QVERIFY2(hall.isValid(), qPrintable(hall.error()));
    QVERIFY2(addBands(hall, 3, bands), qPrintable(hall.error()));
    QVERIFY2(addBands(hall, 5, QStringLiteral("00:00:00-23:59:59=99/99")), qPrintable(hall.error()));
    Result result = Result::failure(QString());
    QCOMPARE(GetHybz(hall.db(), time, qint16(table), &result), member);
    QVERIFY(result.ok());
    QCOMPARE(GetFhybz(hall.db(), time, qint16(table), &result), nonMember);
    QVERIFY(result.ok());
}

void ModGETPriceTest::failedQueryGivesZero()
{
    TestHall hall;
    QVERIFY2(hall.isValid(), qPrintable(hall.error()));
    QVERIFY(hall.exec(QStringLiteral("drop table jfbz")));
    Result result = Result::success();
    QCOMPARE(GetFhybz(hall.db(), QTime(12, 0), 3, &result), 0.f);
    QCOMPARE(result.number(), Result::DatabaseFailure);
}

void ModGETPriceTest::minutes_data()
{
    QTest::addColumn<QDateTime>("from");
    QTest::addColumn<QDateTime>("to");
    QTest::addColumn<float>("expected");

    QTest::newRow("one second over a boundary") << at("2026-12-06 10:00:59") << at("2026-12-06 10:01:00") << 1.f;
    QTest::newRow("59 seconds within a minute") << at("2026-12-06 10:00:00") << at("2026-12-06 10:00:59") << 0.f;
    QTest::newRow("over midnight") << at("2026-12-06 23:59:30") << at("2026-12-07 00:00:10") << 1.f;
    QTest::newRow("backwards") << at("2026-12-06 10:00:00") << at("2026-12-06 09:58:00") << -2.f;
    QTest::newRow("backwards by a second over a boundary")
        << at("2026-12-06 10:00:00") << at("2026-12-06 09:59:59") << -1.f;
    QTest::newRow("backwards over midnight") << at("2026-12-07 00:00:10") << at("2026-12-06 23:59:30") << -1.f;
    QTest::newRow("over two days") << at("2026-12-06 20:00:00") << at("2026-12-08 20:05:00") << 2885.f;
    QTest::newRow("over a month end") << at("2026-11-30 23:00:00") << at("2026-12-01 01:00:00") << 120.f;
}

void ModGETPriceTest::minutes()
{
    QFETCH(QDateTime, from);
    QFETCH(QDateTime, to);
    QFETCH(float, expected);
    QCOMPARE(GetFzs(from, to), expected);
}

QTEST_GUILESS_MAIN(ModGETPriceTest)
#include "test_modgetprice.moc"
