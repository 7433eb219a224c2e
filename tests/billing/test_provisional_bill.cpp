#include "../printing/PortFile.h"
#include "core/base/Parameters.h"
#include "core/billing/Checkout.h"
#include "core/board/CheckoutReceipt.h"
#include "support/HallFixture.h"
#include "ui/printing/ReceiptPrinting.h"

#include <QDebug>
#include <QTest>

namespace {

// What a bill charges, so that a quote and a checkout compare in one go.
QString amounts(const Checkout::Bill& bill)
{
    QString text;
    QDebug out(&text);
    for (const BilledSegment& s : bill.charge.segments)
        out << s.start << s.end << s.hoursText() << s.rate << s.amount << s.nonMemberAmount;
    for (const SettledGoods& g : bill.goods)
        out << g.id << g.name << g.count << g.amount;
    out << bill.timeCharge() << bill.goodsTotal << bill.grandTotal << bill.discount << bill.card << bill.paymentMethod;
    return text;
}

} // namespace

// The provisional bill is the checkout's pricing without its writes.
class TestProvisionalBill : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void quoteIsWhatCheckoutSettles_data();
    void quoteIsWhatCheckoutSettles();
};

void TestProvisionalBill::quoteIsWhatCheckoutSettles_data()
{
    QTest::addColumn<QString>("discount");
    QTest::addColumn<double>("grandTotal");
    QTest::newRow("cash guest") << QStringLiteral("0") << 55.5;
    QTest::newRow("typed discount 8.5") << QStringLiteral("8.5") << 52.5;
}

// Table 1 from 17:20 to 18:50 across the evening rate, with a catalogued and
// an uncatalogued goods row and one row already settled that no bill takes:
// shown and printed without a write, never the bill a reprint prints, and
// then settled to the cent as quoted.
void TestProvisionalBill::quoteIsWhatCheckoutSettles()
{
    QFETCH(QString, discount);
    QFETCH(double, grandTotal);
    HallFixture f(today("18:50:00"));
    QVERIFY2(f.ready() && f.addTables(1, QStringLiteral("08:00:00-18:00:00=8/10;18:00:00-23:59:00=12/15")) &&
                 f.hall.exec(QStringLiteral("insert into spzd (name, sp_max, sp_mix) values ('啤酒', 2, 1)")) &&
                 f.hall.exec(QStringLiteral("update czyzd set zk=8.5")) &&
                 f.addGoods(1, QStringLiteral("啤酒"), 3, 30) && f.addGoods(1, QStringLiteral("不在目录"), 1, 4.5) &&
                 f.addGoods(1, QStringLiteral("啤酒"), 1, 10) &&
                 f.hall.exec(QStringLiteral("update ckv_zc set jzbj=1 where amount=10")) &&
                 f.openVisit(1, today("17:20:00"), QString(), 10),
             qPrintable(f.error()));
    const Checkout::Request request{QStringLiteral("1"), QString(), QString(), discount};
    const QStringList before = everyRow(f.hall.db());
    const Checkout::Bill quote = Checkout::quote(f.hall.state, request);
    QCOMPARE(quote.grandTotal, grandTotal);
    PortFile ports;
    Parameters params;
    params.printerType = QStringLiteral("1");
    ReceiptPrinter printer(params, nullptr);
    QStringList results;
    connect(&printer, &ReceiptPrinter::printed, this,
            [&results](const Result& result) { results += result.message(); });
    printer.printProvisional(provisionalReceipt(f.hall.state, quote, 0), ports.settings());
    printer.reprint(ports.settings());
    QTRY_COMPARE_WITH_TIMEOUT(results.size(), 2, 30000);
    QVERIFY(results.first().startsWith(QStringLiteral("没有可以重打的小票")));
    QCOMPARE(results.last(), QString());
    const QStringList printed = PortFile::printedLines(ports.bytes());
    QVERIFY(printed.contains(ProvisionalHeading) && printed.contains(QStringLiteral("合计:%1元").arg(grandTotal)));
    QCOMPARE(everyRow(f.hall.db()), before);
    const Checkout::Bill settled = Checkout::settle(f.hall.state, request);
    QVERIFY(settled.settled());
    QCOMPARE(amounts(quote), amounts(settled));
}

QTEST_GUILESS_MAIN(TestProvisionalBill)
#include "test_provisional_bill.moc"
