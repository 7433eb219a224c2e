#include "AddBands.h"
#include "billing/ClsDQje.h"
#include "support/MessageRecorder.h"
#include "support/TestClock.h"

#include <QTest>

namespace {

const QString OneBand = QStringLiteral("00:01:00-23:59:00=8/10");
const QString DayAndEvening = QStringLiteral("08:00:00-18:00:00=8/10;18:00:00-23:59:00=12/15");

QDateTime at(const char* text)
{
    return QDateTime::fromString(QString::fromLatin1(text), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

} // namespace

class ClsDQjeTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void charge_data();
    void charge();
    void overflowKeepsTheAmounts();
    void oneSegmentKeepsTheSegmentsOfBefore();
    void noOpenVisitChangesNothing();
    void failures_data();
    void failures();

private:
    bool openVisit(int table, const QDateTime& start, const QString& card = QString());
    bool settleVisits(int table);

    std::unique_ptr<TestHall> m_hall;
    std::unique_ptr<TestClock> m_clock;
    std::unique_ptr<MessageRecorder> m_messages;
};

// Every case runs beside a settled visit of the same table and an open visit
// of another table, which the charge must not pick up.
void ClsDQjeTest::init()
{
    m_hall = std::make_unique<TestHall>();
    m_clock = std::make_unique<TestClock>();
    m_messages = std::make_unique<MessageRecorder>();
    QVERIFY2(m_hall->isValid(), qPrintable(m_hall->error()));
    const QString member = QStringLiteral("insert into user_lb (khao, klx) values (?, ?)");
    const QList<QVariantList> members = {
        {QStringLiteral("A001"), QStringLiteral("优惠卡")},
        {QStringLiteral("A002"), QStringLiteral("现金优惠卡")},
        {QStringLiteral("A003"), QStringLiteral("现金卡")},
        {QStringLiteral("A004"), QStringLiteral("机时卡")},
        {QStringLiteral("A005"), QVariant()},
        {QStringLiteral("A006"), QStringLiteral("优惠卡 ")},
        {QStringLiteral("A007"), QStringLiteral("")},
    };
    for (const QVariantList& row : members)
        QVERIFY(m_hall->exec(member, row));
    QVERIFY(m_hall->exec(QStringLiteral("insert into waimxd (zhao, khao, ksrc, jsrc) values (3, '', ?, ?)"),
                         {QStringLiteral("2026-01-01 08:00:00"), QStringLiteral("2026-01-01 11:00:00")}));
    QVERIFY(openVisit(4, at("2026-12-06 06:00:00")));
    QVERIFY2(addBands(*m_hall, 4, QStringLiteral("00:00:00-23:59:59=99/99")), qPrintable(m_hall->error()));
}

void ClsDQjeTest::cleanup()
{
    m_messages.reset();
    m_clock.reset();
    m_hall.reset();
}

bool ClsDQjeTest::openVisit(int table, const QDateTime& start, const QString& card)
{
    return m_hall->exec(QStringLiteral("insert into waimxd (zhao, khao, ksrc, dj, dj1) values (?, ?, ?, 0, 0)"),
                        {table, card, start.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))});
}

bool ClsDQjeTest::settleVisits(int table)
{
    return m_hall->exec(QStringLiteral("update waimxd set jsrc='2026-12-06 23:00:00' where zhao=? and jsrc is null"),
                        {table});
}

void ClsDQjeTest::charge_data()
{
    QTest::addColumn<QString>("bands");
    QTest::addColumn<QDateTime>("start");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QString>("card");
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("freeMinutes");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("places");
    QTest::addColumn<double>("total");
    QTest::addColumn<double>("front");
    QTest::addColumn<double>("back");

    const QString cash;
    const auto row = [&](const char* name, const QString& bands, const QDateTime& start, const QDateTime& now,
                         const QString& card, int unit, int minimum, int freeMinutes, int mode, int places,
                         double total, double front = 0, double back = 0) {
        QTest::newRow(name) << bands << start << now << card << unit << minimum << freeMinutes << mode << places
                            << total << front << back;
    };

    // The worked examples: 10 per hour, whole yuan, 5 free minutes.
    row("107 minutes: 47 to the hour", OneBand, today("14:00:20"), today("15:47:05"), cash, 0, 0, 5, 1, 0, 20);
    row("unit 30, 94 minutes", OneBand, today("14:00:00"), today("15:34:00"), cash, 30, 0, 5, 1, 0, 15);
    row("unit 30, 95 minutes", OneBand, today("14:00:00"), today("15:35:00"), cash, 30, 0, 5, 1, 0, 20);
    row("minimum 60, 4 minutes", OneBand, today("14:00:00"), today("14:04:00"), cash, 0, 60, 5, 1, 0, 0);
    row("minimum 60, 20 minutes", OneBand, today("14:00:00"), today("14:20:00"), cash, 0, 60, 5, 1, 0, 10);
    row("two bands", DayAndEvening, today("17:20:00"), today("18:50:00"), cash, 0, 0, 5, 0, 0, 22, 7, 15);

    // Half to even at the settlement precision.
    row("22.5 to 22", QStringLiteral("00:01:00-23:59:00=8/15"), today("14:00:00"), today("15:30:00"), cash, 0, 0, 5, 1,
        0, 22);
    row("19.5 to 20", QStringLiteral("00:01:00-23:59:00=8/13"), today("14:00:00"), today("15:30:00"), cash, 0, 0, 5, 1,
        0, 20);
    row("23.5 to 24", QStringLiteral("00:01:00-23:59:00=8/47"), today("14:00:00"), today("14:30:00"), cash, 0, 0, 5, 1,
        0, 24);
    row("6.666 to 6.7 at one place", OneBand, today("14:00:00"), today("14:40:00"), cash, 0, 0, 5, 1, 1, 6.7);
    row("segments at one place", DayAndEvening, today("17:20:00"), today("18:50:00"), cash, 0, 0, 5, 3, 1, 19.2, 6.7,
        12.5);
    row("cents", OneBand, today("14:00:00"), today("14:07:00"), cash, 0, 0, 5, 1, 2, 1.17);

    // Without a billing unit R goes to the half hour from 16 and to the hour from 46.
    row("R 15 stays", OneBand, today("14:00:00"), today("14:15:00"), cash, 0, 0, 5, 1, 2, 2.5);
    row("R 16 to 30", OneBand, today("14:00:00"), today("14:16:00"), cash, 0, 0, 5, 1, 2, 5);
    row("R 45 stays", OneBand, today("14:00:00"), today("14:45:00"), cash, 0, 0, 5, 1, 2, 7.5);
    row("R 46 to 60", OneBand, today("14:00:00"), today("14:46:00"), cash, 0, 0, 5, 1, 2, 10);

    // Minimum 30 with 5 free minutes.
    row("minimum 30: 5 minutes free", OneBand, today("14:00:00"), today("14:05:00"), cash, 0, 30, 5, 1, 2, 0);
    row("minimum 30: 6 minutes as 30", OneBand, today("14:00:00"), today("14:06:00"), cash, 0, 30, 5, 1, 2, 5);
    row("minimum 30: 29 minutes as 30", OneBand, today("14:00:00"), today("14:29:00"), cash, 0, 30, 5, 1, 2, 5);
    row("minimum 30: 30 minutes", OneBand, today("14:00:00"), today("14:30:00"), cash, 0, 30, 5, 1, 2, 5);
    row("minimum 30: 31 minutes exact", OneBand, today("14:00:00"), today("14:31:00"), cash, 0, 30, 5, 1, 2, 5.17);
    row("minimum 30, no free minutes", OneBand, today("14:00:00"), today("14:01:00"), cash, 0, 30, 0, 1, 2, 5);
    row("5:59 is 5 minutes", OneBand, today("14:00:00"), today("14:05:59"), cash, 0, 30, 5, 1, 2, 0);
    row("5:01 over 6 boundaries is 6 minutes", OneBand, today("14:00:59"), today("14:06:00"), cash, 0, 30, 5, 1, 2, 5);

    // Card types on a band of 8 for members and 10 for others.
    row("cash guest", OneBand, today("14:00:00"), today("15:00:00"), cash, 0, 0, 5, 1, 0, 10);
    row("优惠卡", OneBand, today("14:00:00"), today("15:00:00"), QStringLiteral("A001"), 0, 0, 5, 1, 0, 8);
    row("现金优惠卡", OneBand, today("14:00:00"), today("15:00:00"), QStringLiteral("A002"), 0, 0, 5, 1, 0, 8);
    row("现金卡", OneBand, today("14:00:00"), today("15:00:00"), QStringLiteral("A003"), 0, 0, 5, 1, 0, 10);
    row("unknown type as cash", OneBand, today("14:00:00"), today("15:00:00"), QStringLiteral("A004"), 0, 0, 5, 1, 0,
        10);
    row("no type as cash", OneBand, today("14:00:00"), today("15:00:00"), QStringLiteral("A005"), 0, 0, 5, 1, 0, 10);
    row("type with a trailing blank", OneBand, today("14:00:00"), today("15:00:00"), QStringLiteral("A006"), 0, 0, 5, 1,
        0, 8);
    row("empty type as cash", OneBand, today("14:00:00"), today("15:00:00"), QStringLiteral("A007"), 0, 0, 5, 1, 0, 10);
    row("unknown card costs nothing", OneBand, today("14:00:00"), today("15:00:00"), QStringLiteral("Z999"), 0, 0, 5, 1,
        0, 0);
    row("blank card as cash", OneBand, today("14:00:00"), today("15:00:00"), QStringLiteral("  "), 0, 0, 5, 1, 0, 10);
    row("member across bands", DayAndEvening, today("17:20:00"), today("18:50:00"), QStringLiteral("A001"), 0, 0, 5, 0,
        0, 17, 5, 12);

    // Where bands are missing.
    row("table without bands", QString(), today("14:00:00"), today("15:00:00"), cash, 0, 0, 5, 1, 0, 0);
    row("no band at start or now", OneBand, today("23:59:10"), at("2026-12-07 00:00:50"), cash, 0, 0, 5, 1, 0, 0);
    row("into no band: one segment at the start rate", OneBand, today("23:00:00"), today("23:59:30"), cash, 0, 0, 5, 0,
        0, 10);
    row("over midnight into no band", OneBand, today("23:00:00"), at("2026-12-07 00:00:30"), cash, 0, 0, 5, 0, 0, 10);
    row("from a gap into a band", QStringLiteral("08:00:00-18:00:00=8/10;19:00:00-23:59:00=12/15"), today("18:30:00"),
        today("19:40:00"), cash, 0, 0, 5, 0, 0, 10, 0, 10);
    row("start on a boundary second", DayAndEvening, today("18:00:00"), today("18:30:00"), cash, 0, 0, 5, 0, 0, 8, 0,
        8);

    // Which segments the minimum rules reach: 50 minutes before the change, 20 after.
    row("mode 0: both", DayAndEvening, today("17:10:00"), today("18:20:00"), cash, 0, 0, 5, 0, 0, 18, 10, 8);
    row("mode 1: front only", DayAndEvening, today("17:10:00"), today("18:20:00"), cash, 0, 0, 5, 1, 0, 15, 10, 5);
    row("mode 2: back only", DayAndEvening, today("17:10:00"), today("18:20:00"), cash, 0, 0, 5, 2, 0, 16, 8, 8);
    row("mode 3: neither", DayAndEvening, today("17:10:00"), today("18:20:00"), cash, 0, 0, 5, 3, 0, 13, 8, 5);
    row("mode -1: neither", DayAndEvening, today("17:10:00"), today("18:20:00"), cash, 0, 0, 5, -1, 0, 13, 8, 5);
    row("mode 2 with minimum 60", DayAndEvening, today("17:10:00"), today("18:20:00"), cash, 0, 60, 5, 2, 0, 23, 8, 15);
    row("mode 1 with unit 45", DayAndEvening, today("17:10:00"), today("18:20:00"), cash, 45, 0, 5, 1, 0, 20, 15, 5);

    // The change moment is today at the start of the band in force now.
    row("front over midnight at the start rate", DayAndEvening, at("2026-12-05 22:00:00"), today("09:00:00"), cash, 0,
        0, 5, 0, 0, 160, 150, 10);
    row("overlapping bands: the lowest id starts the back",
        QStringLiteral("08:00:00-18:00:00=8/10;17:00:00-23:00:00=12/15;18:30:00-23:00:00=16/20"), today("16:00:00"),
        today("19:00:00"), cash, 0, 0, 5, 0, 0, 40, 10, 30);
    row("band now began before the visit: the front runs backwards",
        QStringLiteral("08:00:00-18:00:00=8/10;17:00:00-23:00:00=12/15"), today("17:20:00"), today("18:30:00"), cash, 0,
        0, 5, 0, 0, 22, 0, 22);

    row("longest stay the rules can count", OneBand, at("2026-11-14 01:53:00"), today("20:00:00"), cash, 0, 0, 5, 1, 0,
        5461);
}

void ClsDQjeTest::charge()
{
    QFETCH(QString, bands);
    QFETCH(QDateTime, start);
    QFETCH(QDateTime, now);
    QFETCH(QString, card);
    QFETCH(int, unit);
    QFETCH(int, minimum);
    QFETCH(int, freeMinutes);
    QFETCH(int, mode);
    QFETCH(int, places);
    QFETCH(double, total);
    QFETCH(double, front);
    QFETCH(double, back);

    QVERIFY2(addBands(*m_hall, 3, bands), qPrintable(m_hall->error()));
    QVERIFY(m_hall->exec(QStringLiteral("insert into zhdy (zhao, sybj, zxjffz, zdxffz) values (3, 1, ?, ?)"),
                         {unit, minimum}));
    QVERIFY(openVisit(3, start, card));
    m_hall->state.params.freeMinutes = qint16(freeMinutes);
    m_hall->state.params.crossBandMinimumMode = qint16(mode);
    m_hall->state.params.settlementPrecision = qint16(places);
    m_clock->set(now);

    ClsDQje charge(m_hall->state);
    charge.setStrkh(card);
    charge.setStrZh(QStringLiteral("3"));
    QVERIFY(charge.GETJe());
    QCOMPARE(m_messages->texts(), QStringList());
    QCOMPARE(charge.intzje(), float(total));
    QCOMPARE(charge.intQdje(), float(front));
    QCOMPARE(charge.intHdje(), float(back));
}

void ClsDQjeTest::overflowKeepsTheAmounts()
{
    QVERIFY(addBands(*m_hall, 3, DayAndEvening));
    QVERIFY(openVisit(3, at("2026-11-14 17:20:00")));
    ClsDQje charge(m_hall->state);
    charge.setStrZh(QStringLiteral("3"));
    m_clock->set(at("2026-11-14 18:50:00"));
    QVERIFY(charge.GETJe());

    m_clock->set(at("2026-12-07 18:50:00"));
    QCOMPARE(charge.GETJe().number(), Result::Overflow);
    QCOMPARE(m_messages->count(), 1);
    QCOMPARE(m_messages->last().text, QStringLiteral("错误号 6 溢出，退出"));
    QCOMPARE(m_messages->last().icon, Messages::Icon::Critical);
    QCOMPARE(charge.intzje(), 22.f);
    QCOMPARE(charge.intQdje(), 7.f);
    QCOMPARE(charge.intHdje(), 15.f);
}

void ClsDQjeTest::oneSegmentKeepsTheSegmentsOfBefore()
{
    QVERIFY(addBands(*m_hall, 3, DayAndEvening));
    QVERIFY(openVisit(3, today("17:20:00")));
    ClsDQje charge(m_hall->state);
    charge.setStrZh(QStringLiteral("3"));
    m_clock->set(today("18:50:00"));
    QVERIFY(charge.GETJe());

    QVERIFY(settleVisits(3));
    QVERIFY(openVisit(3, today("19:00:00")));
    m_clock->set(today("19:30:00"));
    QVERIFY(charge.GETJe());
    QCOMPARE(charge.intzje(), 8.f);
    QCOMPARE(charge.intQdje(), 7.f);
    QCOMPARE(charge.intHdje(), 15.f);
}

void ClsDQjeTest::noOpenVisitChangesNothing()
{
    QVERIFY(addBands(*m_hall, 3, OneBand));
    QVERIFY(openVisit(3, today("14:00:00")));
    ClsDQje charge(m_hall->state);
    charge.setStrZh(QStringLiteral("3"));
    m_clock->set(today("15:00:00"));
    QVERIFY(charge.GETJe());
    QCOMPARE(charge.intzje(), 10.f);

    QVERIFY(settleVisits(3));
    m_clock->set(today("16:00:00"));
    QVERIFY(charge.GETJe());
    QCOMPARE(charge.intzje(), 10.f);
    QCOMPARE(m_messages->count(), 0);
}

void ClsDQjeTest::failures_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("places");
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QString>("message");

    QTest::newRow("start that is no moment") << "3"
                                             << "yesterday" << 0 << QString() << "错误号 13 类型不匹配，退出";
    QTest::newRow("table text that is no number")
        << "3号"
        << "2026-12-06 14:00:00" << 0 << QString() << "错误号 13 类型不匹配，退出";
    QTest::newRow("negative precision") << "3"
                                        << "2026-12-06 14:00:00" << -1 << QString()
                                        << "错误号 5 无效的过程调用或参数，退出";
    QTest::newRow("precision beyond a float")
        << "3"
        << "2026-12-06 14:00:00" << 10 << QString() << "错误号 5 无效的过程调用或参数，退出";
    QTest::newRow("database failure") << "3"
                                      << "2026-12-06 14:00:00" << 0 << "drop table jfbz"
                                      << "数据有误，请重新输入!";
}

void ClsDQjeTest::failures()
{
    QFETCH(QString, table);
    QFETCH(QString, start);
    QFETCH(int, places);
    QFETCH(QString, statement);
    QFETCH(QString, message);

    QVERIFY(addBands(*m_hall, 3, OneBand));
    QVERIFY(m_hall->exec(QStringLiteral("insert into waimxd (zhao, khao, ksrc) values (3, '', ?)"), {start}));
    if (!statement.isEmpty())
        QVERIFY(m_hall->exec(statement));
    m_hall->state.params.settlementPrecision = qint16(places);
    m_clock->set(today("15:00:00"));

    ClsDQje charge(m_hall->state);
    charge.setStrZh(table);
    QVERIFY(!charge.GETJe());
    QCOMPARE(m_messages->count(), 1);
    QVERIFY2(m_messages->last().text.startsWith(message), qPrintable(m_messages->last().text));
    QCOMPARE(m_messages->last().icon, Messages::Icon::Critical);
    QCOMPARE(charge.intzje(), 0.f);
}

QTEST_GUILESS_MAIN(ClsDQjeTest)
#include "test_clsdqje.moc"
