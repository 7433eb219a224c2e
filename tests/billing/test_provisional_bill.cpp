#include "billing/Checkout.h"
#include "board/CheckoutReceipt.h"
#include "printing/Ptprint40Layout.h"
#include "printing/Report_zd.h"
#include "printing/Zdprint.h"
#include "support/HallFixture.h"

#include <QTest>

using Checkout::Outcome;

namespace {

const QString DayAndEvening = QStringLiteral("08:00:00-18:00:00=8/10;18:00:00-23:59:00=12/15");

// What a bill charges, one text per segment and goods row and one for the
// totals, so that a quote and a checkout compare in one go.
QStringList amounts(const Checkout::Bill& bill)
{
    QStringList texts;
    for (const BilledSegment& s : bill.charge.segments)
        texts.append(QStringLiteral("%1>%2 %3:%4 dj=%5 je=%6 je1=%7")
                         .arg(s.start.toString(Qt::ISODate), s.end.toString(Qt::ISODate))
                         .arg(s.time.H)
                         .arg(s.time.R)
                         .arg(double(s.dj))
                         .arg(double(s.je))
                         .arg(double(s.je1)));
    for (const SettledGoods& g : bill.goods)
        texts.append(QStringLiteral("goods %1 %2 %3 %4").arg(g.id).arg(g.wlcode).arg(g.count).arg(g.amount));
    texts.append(QStringLiteral("time=%1 goods=%2 total=%3 discount=%4 card=%5 %6")
                     .arg(bill.timeCharge())
                     .arg(bill.goodsTotal)
                     .arg(bill.grandTotal)
                     .arg(bill.discount, bill.card, bill.fkfs));
    return texts;
}

} // namespace

// The provisional bill is the checkout's pricing without its writes: what
// it shows is what settling at that moment takes, and it changes nothing.
class TestProvisionalBill : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup() { m_hall.reset(); }
    void quoteIsWhatCheckoutSettles_data();
    void quoteIsWhatCheckoutSettles();
    void receiptLines();

private:
    std::unique_ptr<HallFixture> m_hall;
};

// A visit on table 1 from 17:20 to 18:50 across the evening rate, with a
// catalogued and an uncatalogued goods row, and one already settled row of
// another visit that no bill may take.
void TestProvisionalBill::init()
{
    m_hall = std::make_unique<HallFixture>(today("18:50:00"));
    QVERIFY2(m_hall->ready() && m_hall->addTables(1, DayAndEvening) &&
                 m_hall->addMember(QStringLiteral("Z9"), QVariant(), QStringLiteral("优惠卡"), 9, 100) &&
                 m_hall->addMember(QStringLiteral("C2"), QVariant(), QStringLiteral("现金卡"), 0, 20) &&
                 m_hall->hall.exec(QStringLiteral("insert into spzd (name, sp_max, sp_mix) values ('啤酒', 2, 1)")) &&
                 m_hall->hall.exec(QStringLiteral("update czyzd set zk=8.5")) &&
                 m_hall->addGoods(1, QStringLiteral("啤酒"), 3, 30) &&
                 m_hall->addGoods(1, QStringLiteral("不在目录"), 1, 4.5) &&
                 m_hall->addGoods(1, QStringLiteral("啤酒"), 1, 10) &&
                 m_hall->hall.exec(QStringLiteral("update ckv_zc set jzbj=1 where count=1 and amount=10")),
             qPrintable(m_hall->error()));
}

void TestProvisionalBill::quoteIsWhatCheckoutSettles_data()
{
    QTest::addColumn<QString>("typed"); // card|password|discount
    QTest::addColumn<Outcome>("quoted");
    QTest::addColumn<double>("grandTotal");
    QTest::addColumn<QString>("mend"); // before the checkout, after a short balance

    QTest::newRow("cash guest") << QStringLiteral("||0") << Outcome::Quoted << 55.5 << QString();
    QTest::newRow("typed discount 8.5") << QStringLiteral("||8.5") << Outcome::Quoted << 52.5 << QString();
    QTest::newRow("member's own discount over the typed")
        << QStringLiteral("Z9||8.5") << Outcome::Quoted << 48.5 << QString();
    QTest::newRow("card short of the time charge") << QStringLiteral("C2||0") << Outcome::ShortBalance << 54.5
                                                   << QStringLiteral("update user_lb set yk=100 where khao='C2'");
}

void TestProvisionalBill::quoteIsWhatCheckoutSettles()
{
    QFETCH(QString, typed);
    QFETCH(Outcome, quoted);
    QFETCH(double, grandTotal);
    QFETCH(QString, mend);
    const QStringList fields = typed.split(QLatin1Char('|'));
    QVERIFY(m_hall->openVisit(1, today("17:20:00"), fields.at(0), 10));
    const Checkout::Request request{QStringLiteral("1"), fields.at(0), fields.at(1), fields.at(2)};
    const QStringList before = everyRow(m_hall->hall.db());

    const Checkout::Bill quote = Checkout::quote(m_hall->hall.state, request);
    QCOMPARE(quote.outcome, quoted);
    QCOMPARE(everyRow(m_hall->hall.db()), before);
    QCOMPARE(quote.charge.segments.size(), 2);
    QCOMPARE(quote.goods.size(), 2);
    QCOMPARE(quote.grandTotal, grandTotal);

    if (!mend.isEmpty())
        QVERIFY(m_hall->hall.exec(mend));
    const Checkout::Bill settled = Checkout::settle(m_hall->hall.state, request);
    QCOMPARE(settled.outcome, Outcome::Settled);
    QCOMPARE(amounts(quote), amounts(settled));
}

// The receipt printer's lines: headed, with each segment, the moment of the
// quote and what the deposit leaves; the checkout's receipt of the same
// visit keeps its own lines.
void TestProvisionalBill::receiptLines()
{
    QVERIFY(m_hall->openVisit(1, today("17:20:00"), QString(), 10));
    const Checkout::Bill bill =
        Checkout::quote(m_hall->hall.state, {QStringLiteral("1"), QString(), QString(), QStringLiteral("0")});
    const Receipt receipt = provisionalReceipt(m_hall->hall.state, bill, 80);
    const QStringList lines = zdprintLines(receipt, today("18:50:30"));
    QCOMPARE(lines.first(), QStringLiteral("预结单（非正式收据）"));
    for (const char* line :
         {"预结时间 06日18:50:00", "17:20-18:00 10元/小时 40分 7元", "18:00-18:50 15元/小时 60分 15元",
          "台球消费 22 元", "啤酒  3  29 元", "不在目录  1  4.5 元", "合计:55.5元", "押金:80 找零:24.5"})
        QVERIFY2(lines.contains(QString::fromUtf8(line)), line);

    const QStringList settled = zdprintLines(checkoutReceipt(m_hall->hall.state, bill, 80), today("18:50:30"));
    QCOMPARE(settled.size(), lines.size() - 4);
    QVERIFY(settled.contains(QStringLiteral("结束时间 06日18:50:00")));

    QCOMPARE(Report_zd(receipt).caption(QStringLiteral("labyjd")), QStringLiteral("预结单（非正式收据）"));
    QStringList system;
    for (const ReportLabel& label : ptprint40Layout(receipt, 8).header)
        system.append(label.caption);
    QCOMPARE(system.first(), QStringLiteral("预结单（非正式收据）"));
    QVERIFY(system.contains(QStringLiteral("合计55.5元")));
    QVERIFY(system.contains(QStringLiteral("找零24.5")));
}

QTEST_GUILESS_MAIN(TestProvisionalBill)
#include "test_provisional_bill.moc"
