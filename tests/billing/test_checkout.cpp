#include "AddBands.h"
#include "base/DateText.h"
#include "base/Sql.h"
#include "billing/Checkout.h"
#include "support/MessageRecorder.h"
#include "support/TestClock.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

using Checkout::Outcome;

namespace {

const QString OneBand = QStringLiteral("00:01:00-23:59:00=8/10");
const QString Operator = QStringLiteral("收银员");

} // namespace

class CheckoutTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void charge_data();
    void charge();
    void closedRowsAndFreedTable();
    void twoSegmentsJoinedByDjid();
    void backSegmentOverASecondOpenRow();
    void payment_data();
    void payment();
    void shortBalanceChangesNothing();
    void goods();
    void refusals_data();
    void refusals();
    void databaseErrorChangesNothing_data();
    void databaseErrorChangesNothing();
    void noBandNowIsOneSegmentAndSaidSo();

private:
    bool openVisit(int table, const QDateTime& start, const QString& card = QString(), double dj1 = 10);
    bool addGoods(int table, const QString& wlcode, double count, double amount, int jzbj = 0);
    Checkout::Bill settle(int table, const QString& card = QString(), const QString& discount = QStringLiteral("0"),
                          const QString& password = QString());
    QStringList rowsOf(qint64 djid);
    QVariant value(const QString& sql, const QVariantList& values = {});
    QStringList snapshot();

    std::unique_ptr<TestHall> m_hall;
    std::unique_ptr<TestClock> m_clock;
    std::unique_ptr<MessageRecorder> m_messages;
};

void CheckoutTest::init()
{
    m_hall = std::make_unique<TestHall>();
    m_clock = std::make_unique<TestClock>(today("16:00:00"));
    m_messages = std::make_unique<MessageRecorder>();
    QVERIFY2(m_hall->isValid(), qPrintable(m_hall->error()));
    m_hall->loginAs(Operator, QStringLiteral("早班"), QDate(2026, 12, 5));
    QVERIFY(m_hall->exec(QStringLiteral("insert into czyzd (czy_name, zk) values (?, 0)"), {Operator}));
    for (int table = 1; table <= 3; ++table)
        QVERIFY(m_hall->exec(QStringLiteral("insert into zhdy (zhao, mc, sybj, fwfl, tx) values (?, ?, 0, 0, 0)"),
                             {table, QString(QStringLiteral("台") + QString::number(table))}));
    const QString member = QStringLiteral("insert into user_lb (khao, mm, klx, zk, yk, jslj, jelj) "
                                          "values (?, ?, ?, ?, ?, 1, 100)");
    const QList<QVariantList> members = {
        {QStringLiteral("Y1"), QVariant(), QStringLiteral("优惠卡"), 0, 100},
        {QStringLiteral("X1"), QStringLiteral("123"), QStringLiteral("现金优惠卡"), QVariant(), 100},
        {QStringLiteral("X2"), QVariant(), QStringLiteral("现金优惠卡"), 0, 20},
        {QStringLiteral("C1"), QVariant(), QStringLiteral("现金卡"), 0, 100},
        {QStringLiteral("J1"), QVariant(), QStringLiteral("机时卡"), 0, 100},
        {QStringLiteral("Z9"), QVariant(), QStringLiteral("优惠卡"), 9, 100},
        {QStringLiteral("Z10"), QVariant(), QStringLiteral("优惠卡"), 10, 100},
    };
    for (const QVariantList& row : members)
        QVERIFY2(m_hall->exec(member, row), qPrintable(m_hall->error()));
    QVERIFY(m_hall->exec(QStringLiteral("insert into spzd (name, sp_max, sp_mix) values ('啤酒', 2, 1)")));
}

void CheckoutTest::cleanup()
{
    m_messages.reset();
    m_clock.reset();
    m_hall.reset();
}

bool CheckoutTest::openVisit(int table, const QDateTime& start, const QString& card, double dj1)
{
    return m_hall->exec(QStringLiteral("update zhdy set sybj=1, tx=30, fwfl=50 where zhao=?"), {table}) &&
           m_hall->exec(QStringLiteral("insert into waimxd (zhao, khao, ksrc, dj, dj1, czyname) "
                                       "values (?, ?, ?, ?, ?, '开台员')"),
                        {table, card.isEmpty() ? QVariant() : card, DateText::dateTime(start), dj1, dj1});
}

bool CheckoutTest::addGoods(int table, const QString& wlcode, double count, double amount, int jzbj)
{
    return m_hall->exec(QStringLiteral("insert into ckv_zc (zhao, wlcode, count, price, amount, czyname, jzbj) "
                                       "values (?, ?, ?, ?, ?, '售货员', ?)"),
                        {QString::number(table), wlcode, count, amount / count, amount, jzbj});
}

Checkout::Bill CheckoutTest::settle(int table, const QString& card, const QString& discount, const QString& password)
{
    return Checkout::settle(m_hall->state, {QString::number(table), card, password, discount});
}

// One text per closed row of a bill: what the receipt and the reports read.
QStringList CheckoutTest::rowsOf(qint64 djid)
{
    QStringList rows;
    QSqlQuery query(m_hall->db());
    if (!Sql::exec(query, QStringLiteral("select sc1, sc, dj, je, je1, fkfs from waimxd where djid=? order by id"),
                   {QString::number(djid)}))
        return {QStringLiteral("query failed")};
    while (query.next())
        rows.append(QStringLiteral("%1 sc=%2 dj=%3 je=%4 je1=%5 %6")
                        .arg(query.value(0).toString(), QString::number(query.value(1).toDouble(), 'g', 10),
                             QString::number(query.value(2).toDouble(), 'g', 10),
                             QString::number(query.value(3).toDouble(), 'g', 10),
                             QString::number(query.value(4).toDouble(), 'g', 10), query.value(5).toString()));
    return rows;
}

QVariant CheckoutTest::value(const QString& sql, const QVariantList& values)
{
    return Sql::scalar(m_hall->db(), sql, values);
}

// Every row of every table a checkout writes to.
QStringList CheckoutTest::snapshot()
{
    QStringList rows;
    for (const char* table : {"waimxd", "ckv_zc", "user_lb", "zhdy"}) {
        QSqlQuery query(m_hall->db());
        if (!query.exec(QStringLiteral("select * from ") + QLatin1String(table) + QStringLiteral(" order by rowid")))
            return {query.lastError().text()};
        while (query.next()) {
            QStringList fields{QLatin1String(table)};
            for (int i = 0; i < query.record().count(); ++i)
                fields.append(query.value(i).toString());
            rows.append(fields.join(QLatin1Char('|')));
        }
    }
    return rows;
}

void CheckoutTest::charge_data()
{
    QTest::addColumn<QString>("bands");
    QTest::addColumn<QDateTime>("start");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QString>("card");
    QTest::addColumn<QString>("discount");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("places");
    QTest::addColumn<double>("total");
    QTest::addColumn<QStringList>("rows");

    const QString cash;
    const QString none = QStringLiteral("0");
    const QString evening16 = QStringLiteral("08:00:00-18:00:00=8/10;18:00:00-23:59:00=12/16");
    const QString evening15 = QStringLiteral("08:00:00-18:00:00=8/10;18:00:00-23:59:00=12/15");

    QTest::newRow("1 h 47 min, R 47 to the hour")
        << OneBand << today("14:00:20") << today("15:47:05") << cash << none << 0 << 0 << 20.0
        << QStringList{QStringLiteral("1:60 sc=2 dj=10 je=20 je1=20 现金")};
    QTest::newRow("rate 12.5 charged at 12")
        << QStringLiteral("00:01:00-23:59:00=8/12.5") << today("14:00:00") << today("15:00:00") << cash << none << 0
        << 2 << 12.0 << QStringList{QStringLiteral("1:0 sc=1 dj=12 je=12 je1=10 现金")};
    QTest::newRow("rate 13.5 charged at 14")
        << QStringLiteral("00:01:00-23:59:00=8/13.5") << today("14:00:00") << today("15:00:00") << cash << none << 0
        << 2 << 14.0 << QStringList{QStringLiteral("1:0 sc=1 dj=14 je=14 je1=10 现金")};

    const QString at25 = QStringLiteral("00:01:00-23:59:00=20/25");
    QTest::newRow("discount 8 on 25") << at25 << today("14:00:00") << today("15:00:00") << cash << QStringLiteral("8")
                                      << 0 << 0 << 20.0
                                      << QStringList{QStringLiteral("1:0 sc=1 dj=25 je=20 je1=10 现金")};
    QTest::newRow("discount 0 on 25") << at25 << today("14:00:00") << today("15:00:00") << cash << none << 0 << 0
                                      << 25.0 << QStringList{QStringLiteral("1:0 sc=1 dj=25 je=25 je1=10 现金")};
    QTest::newRow("discount 0.5 on 25, whole money")
        << at25 << today("14:00:00") << today("15:00:00") << cash << QStringLiteral("0.5") << 0 << 0 << 1.0
        << QStringList{QStringLiteral("1:0 sc=1 dj=25 je=1 je1=10 现金")};
    QTest::newRow("discount 0.5 on 25, one place")
        << at25 << today("14:00:00") << today("15:00:00") << cash << QStringLiteral("0.5") << 0 << 1 << 1.2
        << QStringList{QStringLiteral("1:0 sc=1 dj=25 je=1.2 je1=10 现金")};
    QTest::newRow("discount 0.5 on 25, cents")
        << at25 << today("14:00:00") << today("15:00:00") << cash << QStringLiteral("0.5") << 0 << 2 << 1.25
        << QStringList{QStringLiteral("1:0 sc=1 dj=25 je=1.25 je1=10 现金")};
    QTest::newRow("member's discount 10 charges in full")
        << at25 << today("14:00:00") << today("15:00:00") << QStringLiteral("Z10") << none << 0 << 0 << 20.0
        << QStringList{QStringLiteral("1:0 sc=1 dj=20 je=20 je1=10 现金")};
    QTest::newRow("member's discount 9 over the typed one")
        << QStringLiteral("00:01:00-23:59:00=25/30") << today("14:00:00") << today("15:00:00") << QStringLiteral("Z9")
        << QStringLiteral("5") << 0 << 0 << 22.0 << QStringList{QStringLiteral("1:0 sc=1 dj=25 je=22 je1=10 现金")};
    QTest::newRow("20 minutes to the half hour")
        << OneBand << today("14:00:00") << today("14:20:00") << cash << none << 0 << 2 << 5.0
        << QStringList{QStringLiteral("0:30 sc=0.5 dj=10 je=5 je1=5 现金")};
    QTest::newRow("10 minutes: sc to 4 places")
        << OneBand << today("14:00:00") << today("14:10:00") << cash << none << 0 << 2 << 1.67
        << QStringList{QStringLiteral("0:10 sc=0.1667 dj=10 je=1.67 je1=2 现金")};

    QTest::newRow("two segments, T whole, back absorbs it")
        << evening16 << today("17:20:00") << today("18:57:00") << cash << none << 1 << 1 << 22.0
        << QStringList{QStringLiteral("0:40 sc=0.6667 dj=10 je=6.7 je1=6.6666665 现金"),
                       QStringLiteral("0:57 sc=0.95 dj=16 je=15.3 je1=15.2 现金")};
    QTest::newRow("two segments, discount leaves the front unrounded")
        << evening15 << today("17:20:00") << today("18:50:00") << cash << QStringLiteral("8") << 0 << 0 << 18.0
        << QStringList{QStringLiteral("0:40 sc=0.6667 dj=10 je=5.6 je1=6.6666665 现金"),
                       QStringLiteral("0:60 sc=1 dj=15 je=12.4 je1=15 现金")};
    QTest::newRow("优惠卡 across bands at member rates")
        << evening15 << today("17:20:00") << today("18:50:00") << QStringLiteral("Y1") << none << 0 << 0 << 17.0
        << QStringList{QStringLiteral("0:40 sc=0.6667 dj=8 je=5 je1=6.6666665 现金"),
                       QStringLiteral("0:60 sc=1 dj=12 je=12 je1=15 现金")};
    QTest::newRow("机时卡 as a cash guest")
        << OneBand << today("14:00:00") << today("15:00:00") << QStringLiteral("J1") << none << 0 << 0 << 10.0
        << QStringList{QStringLiteral("1:0 sc=1 dj=10 je=10 je1=10 现金")};
    QTest::newRow("现金卡 at the non-member rate, by card")
        << OneBand << today("14:00:00") << today("15:00:00") << QStringLiteral("C1") << none << 0 << 0 << 10.0
        << QStringList{QStringLiteral("1:0 sc=1 dj=10 je=10 je1=10 刷卡")};
    QTest::newRow("no band at either end costs nothing")
        << OneBand << today("23:59:10") << QDateTime(QDate(2026, 12, 7), QTime(0, 0, 50)) << cash << none << 0 << 0
        << 0.0 << QStringList{QStringLiteral("0:1 sc=0.0167 dj=0 je=0 je1=0 现金")};
}

void CheckoutTest::charge()
{
    QFETCH(QString, bands);
    QFETCH(QDateTime, start);
    QFETCH(QDateTime, now);
    QFETCH(QString, card);
    QFETCH(QString, discount);
    QFETCH(int, mode);
    QFETCH(int, places);
    QFETCH(double, total);
    QFETCH(QStringList, rows);

    m_hall->state.params.crossBandMinimumMode = qint16(mode);
    m_hall->state.params.settlementPrecision = qint16(places);
    QVERIFY(addBands(*m_hall, 2, bands));
    QVERIFY(openVisit(2, start, card));
    m_clock->set(now);

    const Checkout::Bill bill = settle(2, card, discount);
    QCOMPARE(bill.outcome, Outcome::Settled);
    QCOMPARE(m_messages->count(), 0);
    QCOMPARE(bill.timeCharge(), total);
    QCOMPARE(bill.visitIds.size(), rows.size());
    QCOMPARE(rowsOf(bill.visitIds.first()), rows);
    QCOMPARE(value(QStringLiteral("select count(*) from waimxd where jsrc is null")).toInt(), 0);
}

void CheckoutTest::closedRowsAndFreedTable()
{
    QVERIFY(addBands(*m_hall, 2, OneBand));
    QVERIFY(openVisit(2, today("14:00:00"), QStringLiteral("Y1"), 10));
    m_clock->set(today("15:10:30"));

    const Checkout::Bill bill = settle(2, QStringLiteral("Y1"));
    QCOMPARE(bill.outcome, Outcome::Settled);
    QCOMPARE(bill.visitIds.size(), 1);
    QSqlQuery row(m_hall->db());
    QVERIFY(Sql::exec(row, QStringLiteral("select djid, jsrc, rc, czyname, dzbj, khao, fkfs, ksrc from waimxd"), {}));
    QVERIFY(row.next());
    QCOMPARE(row.value(0).toString(), QString::number(bill.visitIds.first()));
    QCOMPARE(row.value(1).toString(), QStringLiteral("2026-12-06 15:10:30"));
    QCOMPARE(row.value(2).toString(), QStringLiteral("2026-12-05"));
    QCOMPARE(row.value(3).toString(), Operator);
    QCOMPARE(row.value(4).toString(), QStringLiteral("1"));
    QCOMPARE(row.value(5).toString(), QStringLiteral("Y1"));
    QCOMPARE(row.value(6).toString(), QStringLiteral("现金"));
    QCOMPARE(row.value(7).toString(), QStringLiteral("2026-12-06 14:00:00"));
    QCOMPARE(value(QStringLiteral("select sybj || ',' || tx || ',' || fwfl from zhdy where zhao=2")).toString(),
             QStringLiteral("0,0.0,0.0"));
    QCOMPARE(bill.start, today("14:00:00"));
    QCOMPARE(bill.end, today("15:10:30"));

    // Settled once: a second checkout finds nothing to settle and says nothing.
    const QStringList before = snapshot();
    QCOMPARE(settle(2, QStringLiteral("Y1")).outcome, Outcome::NoOpenVisit);
    QCOMPARE(snapshot(), before);
    QCOMPARE(m_messages->count(), 0);
}

void CheckoutTest::twoSegmentsJoinedByDjid()
{
    QVERIFY(addBands(*m_hall, 2, QStringLiteral("08:00:00-18:00:00=8/10;18:00:00-23:59:00=12/15")));
    QVERIFY(openVisit(2, today("17:20:00"), QStringLiteral("C1"), 10));
    m_clock->set(today("18:50:00"));

    const Checkout::Bill bill = settle(2, QStringLiteral("C1"));
    QCOMPARE(bill.outcome, Outcome::Settled);
    QCOMPARE(bill.visitIds.size(), 2);
    QSqlQuery rows(m_hall->db());
    QVERIFY(Sql::exec(rows, QStringLiteral("select id, zhao, khao, ksrc, jsrc, dj1, djid, rc, czyname, dzbj, fkfs "
                                           "from waimxd order by id")));
    const QString djid = QString::number(bill.visitIds.first());
    const QStringList expected = {
        QString::number(bill.visitIds.at(0)) +
            QStringLiteral("|2|C1|2026-12-06 17:20:00|2026-12-06 18:00:00|10|%1|2026-12-05|收银员|1|刷卡").arg(djid),
        QString::number(bill.visitIds.at(1)) +
            QStringLiteral("|2|C1|2026-12-06 18:00:00|2026-12-06 18:50:00|15|%1|2026-12-05|收银员|1|刷卡").arg(djid),
    };
    QStringList actual;
    while (rows.next()) {
        QStringList fields;
        for (int i = 0; i < 11; ++i)
            fields.append(rows.value(i).toString());
        actual.append(fields.join(QLatin1Char('|')));
    }
    QCOMPARE(actual, expected);
    // 7 + 15, from the balance, and both rows into the member's totals.
    QCOMPARE(value(QStringLiteral("select yk || ',' || jelj || ',' || round(jslj, 4) from user_lb where khao='C1'"))
                 .toString(),
             QStringLiteral("78.0,122.0,2.6667"));
}

void CheckoutTest::backSegmentOverASecondOpenRow()
{
    QVERIFY(addBands(*m_hall, 2, QStringLiteral("08:00:00-18:00:00=8/10;18:00:00-23:59:00=12/15")));
    QVERIFY(openVisit(2, today("17:20:00")));
    QVERIFY(openVisit(2, today("17:30:00")));
    m_clock->set(today("18:50:00"));

    const Checkout::Bill bill = settle(2);
    QCOMPARE(bill.outcome, Outcome::Settled);
    QCOMPARE(value(QStringLiteral("select count(*) from waimxd")).toInt(), 2);
    QCOMPARE(value(QStringLiteral("select group_concat(x, ';') from "
                                  "(select ksrc || '>' || jsrc || '#' || djid as x from waimxd order by id)"))
                 .toString(),
             QStringLiteral("2026-12-06 17:20:00>2026-12-06 18:00:00#%1;2026-12-06 18:00:00>2026-12-06 18:50:00#%1")
                 .arg(bill.visitIds.first()));
}

void CheckoutTest::payment_data()
{
    QTest::addColumn<QString>("card");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("fkfs");
    QTest::addColumn<QString>("member");

    // One hour at 8 (members) or 10; the members start with yk 100, jslj 1, jelj 100.
    QTest::newRow("cash guest") << QString() << QString() << QStringLiteral("现金") << QString();
    QTest::newRow("优惠卡 pays cash") << QStringLiteral("Y1") << QString() << QStringLiteral("现金")
                                      << QStringLiteral("100.0,2.0,108.0");
    QTest::newRow("现金卡 pays from the balance")
        << QStringLiteral("C1") << QString() << QStringLiteral("刷卡") << QStringLiteral("90.0,2.0,110.0");
    QTest::newRow("现金优惠卡, password with blanks") << QStringLiteral("X1") << QStringLiteral(" 123 ")
                                                      << QStringLiteral("刷卡") << QStringLiteral("92.0,2.0,108.0");
    QTest::newRow("机时卡 pays cash at the non-member rate")
        << QStringLiteral("J1") << QString() << QStringLiteral("现金") << QStringLiteral("100.0,2.0,110.0");
}

void CheckoutTest::payment()
{
    QFETCH(QString, card);
    QFETCH(QString, password);
    QFETCH(QString, fkfs);
    QFETCH(QString, member);

    QVERIFY(addBands(*m_hall, 1, OneBand));
    QVERIFY(openVisit(1, today("14:00:00"), card));
    m_clock->set(today("15:00:00"));
    const QString others = QStringLiteral("select group_concat(khao || yk || jslj || jelj) from "
                                          "(select * from user_lb where khao<>? order by khao)");
    const QString othersBefore = value(others, {card}).toString();

    const Checkout::Bill bill = settle(1, card, QStringLiteral("0"), password);
    QCOMPARE(bill.outcome, Outcome::Settled);
    QCOMPARE(bill.fkfs, fkfs);
    QCOMPARE(value(QStringLiteral("select fkfs from waimxd")).toString(), fkfs);
    if (!member.isEmpty())
        QCOMPARE(value(QStringLiteral("select yk || ',' || jslj || ',' || jelj from user_lb where khao=?"), {card})
                     .toString(),
                 member);
    QCOMPARE(value(others, {card}).toString(), othersBefore);
}

void CheckoutTest::shortBalanceChangesNothing()
{
    QVERIFY(addBands(*m_hall, 1, QStringLiteral("00:01:00-23:59:00=22/30")));
    QVERIFY(openVisit(1, today("14:00:00"), QStringLiteral("X2")));
    QVERIFY(addGoods(1, QStringLiteral("啤酒"), 3, 30));
    m_clock->set(today("15:00:00"));
    const QStringList before = snapshot();

    const Checkout::Bill bill = settle(1, QStringLiteral("X2"));
    QCOMPARE(bill.outcome, Outcome::ShortBalance);
    QCOMPARE(bill.timeCharge(), 22.0);
    QVERIFY(bill.visitIds.isEmpty());
    QCOMPARE(snapshot(), before);
    Messages::tell(Checkout::notice(bill));
    QCOMPARE(m_messages->count(), 1);
    QCOMPARE(m_messages->last().text, QStringLiteral("金额不足，请先存款！"));
    QCOMPARE(m_messages->last().icon, Messages::Icon::Exclamation);

    // Exactly the balance is enough.
    QVERIFY(m_hall->exec(QStringLiteral("update user_lb set yk=22 where khao='X2'")));
    QCOMPARE(settle(1, QStringLiteral("X2")).outcome, Outcome::Settled);
    QCOMPARE(value(QStringLiteral("select yk from user_lb where khao='X2'")).toDouble(), 0.0);
}

void CheckoutTest::goods()
{
    QVERIFY(addBands(*m_hall, 1, OneBand));
    QVERIFY(addBands(*m_hall, 2, OneBand));
    QVERIFY(openVisit(1, today("14:00:00"), QStringLiteral("Y1")));
    QVERIFY(openVisit(2, today("14:00:00")));
    QVERIFY(addGoods(1, QStringLiteral("啤酒"), 3, 30));
    QVERIFY(addGoods(1, QStringLiteral("不在目录"), 1, 4.5));
    QVERIFY(addGoods(1, QStringLiteral("啤酒"), 1, 10, 1));
    QVERIFY(addGoods(2, QStringLiteral("啤酒"), 3, 30));
    m_clock->set(today("15:00:00"));

    const Checkout::Bill member = settle(1, QStringLiteral("Y1"));
    QCOMPARE(member.outcome, Outcome::Settled);
    QCOMPARE(member.goods.size(), 2);
    QCOMPARE(member.goods.at(0).amount, 28.0);
    QCOMPARE(member.goods.at(0).count, 3.0);
    QCOMPARE(member.goods.at(0).wlcode, QStringLiteral("啤酒"));
    QCOMPARE(member.goods.at(1).amount, 4.5);
    QCOMPARE(member.goodsTotal, 32.5);
    QCOMPARE(member.grandTotal, 40.5);
    QCOMPARE(value(QStringLiteral("select group_concat(x, ';') from (select amount || ',' || jzbj || ',' || "
                                  "czyname || ',' || ifnull(dzbj, '') as x from ckv_zc order by id)"))
                 .toString(),
             QStringLiteral("28.0,1,收银员,1;4.5,1,收银员,1;10.0,1,售货员,;30.0,0,售货员,"));

    const Checkout::Bill guest = settle(2);
    QCOMPARE(guest.goods.size(), 1);
    QCOMPARE(guest.goods.first().amount, 29.0);
    QCOMPARE(guest.grandTotal, 39.0);
}

void CheckoutTest::refusals_data()
{
    QTest::addColumn<QString>("card");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("discount");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QString>("message");

    const QString cardMessage = QStringLiteral("会员卡错误或密码错误,请重新输入!");
    const QString limitMessage = QStringLiteral("折扣率超过你的最大折扣权限8.5  ，请重新设定。");
    QTest::newRow("wrong password") << QStringLiteral("X1") << QStringLiteral("124") << QStringLiteral("0")
                                    << int(Outcome::CardRefused) << cardMessage;
    QTest::newRow("unknown card") << QStringLiteral("NOPE") << QString() << QStringLiteral("0")
                                  << int(Outcome::CardRefused) << cardMessage;
    QTest::newRow("password without a card")
        << QString() << QStringLiteral("123") << QStringLiteral("0") << int(Outcome::CardRefused) << cardMessage;
    QTest::newRow("discount 8 beyond a limit of 8.5")
        << QString() << QString() << QStringLiteral("8") << int(Outcome::DiscountRefused) << limitMessage;
    QTest::newRow("discount 10") << QString() << QString() << QStringLiteral("10") << int(Outcome::DiscountRefused)
                                 << limitMessage;
}

void CheckoutTest::refusals()
{
    QFETCH(QString, card);
    QFETCH(QString, password);
    QFETCH(QString, discount);
    QFETCH(int, outcome);
    QFETCH(QString, message);

    QVERIFY(m_hall->exec(QStringLiteral("update czyzd set zk=8.5")));
    QVERIFY(addBands(*m_hall, 1, OneBand));
    QVERIFY(openVisit(1, today("14:00:00"), card));
    QVERIFY(addGoods(1, QStringLiteral("啤酒"), 3, 30));
    m_clock->set(today("15:00:00"));
    const QStringList before = snapshot();

    const Checkout::Bill bill = settle(1, card, discount, password);
    QCOMPARE(int(bill.outcome), outcome);
    Messages::tell(Checkout::notice(bill));
    QCOMPARE(m_messages->texts(), QStringList{message});
    QCOMPARE(snapshot(), before);
}

void CheckoutTest::databaseErrorChangesNothing_data()
{
    QTest::addColumn<QString>("trigger");
    QTest::addColumn<QString>("bands");

    const QString evening = QStringLiteral("08:00:00-14:30:00=8/10;14:30:00-23:59:00=12/15");
    QTest::newRow("goods") << QStringLiteral("before update on main.ckv_zc") << OneBand;
    QTest::newRow("member") << QStringLiteral("before update on main.user_lb") << OneBand;
    QTest::newRow("table") << QStringLiteral("before update on main.zhdy") << OneBand;
    QTest::newRow("back segment") << QStringLiteral("before insert on main.waimxd") << evening;
}

// The trigger fails a statement after the visit rows are written (or, for
// the back segment, after the front row is).
void CheckoutTest::databaseErrorChangesNothing()
{
    QFETCH(QString, trigger);
    QFETCH(QString, bands);

    QVERIFY(addBands(*m_hall, 1, bands));
    QVERIFY(openVisit(1, today("14:00:00"), QStringLiteral("C1")));
    QVERIFY(addGoods(1, QStringLiteral("啤酒"), 3, 30));
    m_clock->set(today("15:00:00"));
    QVERIFY(m_hall->exec(QStringLiteral("create temp trigger fail_checkout ") + trigger +
                         QStringLiteral(" begin select raise(abort, 'disk on fire'); end")));
    const QStringList before = snapshot();

    const Checkout::Bill bill = settle(1, QStringLiteral("C1"));
    QCOMPARE(bill.outcome, Outcome::Failed);
    QVERIFY(bill.error.message().contains(QStringLiteral("disk on fire")));
    QCOMPARE(snapshot(), before);
    Messages::tell(Checkout::notice(bill));
    QCOMPARE(m_messages->count(), 1);
    QCOMPARE(m_messages->last().icon, Messages::Icon::Critical);
    QVERIFY(m_messages->last().text.contains(QStringLiteral("disk on fire")));

    // The failure leaves no transaction behind: once the fault is gone the
    // same visit settles.
    QVERIFY(m_hall->exec(QStringLiteral("drop trigger fail_checkout")));
    QCOMPARE(settle(1, QStringLiteral("C1")).outcome, Outcome::Settled);
}

void CheckoutTest::noBandNowIsOneSegmentAndSaidSo()
{
    QVERIFY(addBands(*m_hall, 1, OneBand));
    QVERIFY(openVisit(1, today("22:00:00")));
    m_clock->set(today("23:59:30"));

    const Checkout::Bill bill = settle(1);
    QCOMPARE(bill.outcome, Outcome::Settled);
    QVERIFY(bill.charge.noBandNow);
    QCOMPARE(rowsOf(bill.visitIds.first()), QStringList{QStringLiteral("1:60 sc=2 dj=10 je=20 je1=20 现金")});
    QCOMPARE(value(QStringLiteral("select jsrc from waimxd")).toString(), QStringLiteral("2026-12-06 23:59:30"));
    Messages::tell(Checkout::notice(bill));
    QCOMPARE(m_messages->count(), 1);
    QCOMPARE(m_messages->last().icon, Messages::Icon::Information);
    QVERIFY(m_messages->last().text.contains(QStringLiteral("不在任何计费时段")));
}

QTEST_GUILESS_MAIN(CheckoutTest)
#include "test_checkout.moc"
