#include "../printing/PortFile.h"
#include "core/base/Sql.h"
#include "core/billing/Checkout.h"
#include "core/billing/DiscountRate.h"
#include "core/billing/MemberCard.h"
#include "core/board/CheckoutReceipt.h"
#include "support/HallFixture.h"
#include "ui/printing/ReceiptPrinting.h"

#include <QDebug>
#include <QSqlQuery>
#include <QTest>

using Checkout::Outcome;

namespace {

const QString OneBand = QStringLiteral("00:01:00-23:59:00=8/10");
// The mend that lifts a store's refusal.
const char* const Lift = "lift the refusal";
const QString DayAndEvening = QStringLiteral("08:00:00-18:00:00=8/10;18:00:00-23:59:00=12/15");

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

QString number(const QVariant& value)
{
    return QString::number(value.toDouble(), 'g', 10);
}

} // namespace

// A card as the counter finds it, the bill quoted before it is settled, and
// the checkout: what it writes, and that a refusal or failure writes nothing.
class CheckoutTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { m_hall.reset(); }
    void lookup_data();
    void lookup();
    void quoteIsWhatCheckoutSettles_data();
    void quoteIsWhatCheckoutSettles();
    void settles_data();
    void settles();
    void nothingWritten_data();
    void nothingWritten();
    void typedDiscount_data();
    void typedDiscount();
    void goodsReducedOncePerRow();

private:
    Checkout::Bill settle(int zhao, const QString& typed = QStringLiteral("||0"));
    QStringList visitRows();

    std::unique_ptr<HallFixture> m_hall;
};

void CheckoutTest::init()
{
    m_hall = std::make_unique<HallFixture>();
    QVERIFY2(m_hall->ready() && m_hall->addMember(QStringLiteral("Y1"), QVariant(), QStringLiteral("优惠卡"), 0, 100) &&
                 m_hall->addMember(QStringLiteral("X1"), QStringLiteral("123"), QStringLiteral("现金优惠卡"), 0, 100) &&
                 m_hall->addMember(QStringLiteral("X2"), QVariant(), QStringLiteral("现金优惠卡"), 0, 20) &&
                 m_hall->addMember(QStringLiteral("C1"), QVariant(), QStringLiteral("现金卡"), 0, 100) &&
                 m_hall->addMember(QStringLiteral("J1"), QVariant(), QStringLiteral("机时卡"), 0, 100) &&
                 m_hall->addMember(QStringLiteral("Z9"), QVariant(), QStringLiteral("优惠卡"), 9, 100) &&
                 m_hall->hall.exec(QStringLiteral("insert into spzd (name, sp_max, sp_mix) values ('啤酒', 2, 1)")),
             qPrintable(m_hall->error()));
}

// `typed` is card|password|discount as the operator typed them.
Checkout::Bill CheckoutTest::settle(int zhao, const QString& typed)
{
    const QStringList fields = typed.split(QLatin1Char('|'));
    return Checkout::settle(m_hall->hall.state,
                            {QString::number(zhao), fields.value(0), fields.value(1), fields.value(2)});
}

// One text per visit row, in id order, as the receipt and the reports read them.
QStringList CheckoutTest::visitRows()
{
    QStringList rows;
    QSqlQuery query(m_hall->hall.db());
    if (!Sql::exec(query, QStringLiteral("select ksrc, jsrc, sc1, sc, dj, je, je1, dj1, fkfs, khao from waimxd "
                                         "order by id")))
        return {QStringLiteral("query failed")};
    while (query.next())
        rows.append(QStringLiteral("%1>%2 %3 sc=%4 dj=%5 je=%6 je1=%7 dj1=%8 %9 %10")
                        .arg(query.value(0).toString().mid(11), query.value(1).toString().mid(11),
                             query.value(2).toString(), number(query.value(3)), number(query.value(4)),
                             number(query.value(5)), number(query.value(6)), number(query.value(7)),
                             query.value(8).toString(), query.value(9).toString()));
    return rows;
}

void CheckoutTest::settles_data()
{
    QTest::addColumn<QString>("typed"); // card|password|discount
    QTest::addColumn<QString>("bands");
    QTest::addColumn<QDateTime>("start");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("member"); // card|yk|jslj|jelj after 100, 0, 0
    QTest::addColumn<QString>("notice");
    QTest::addColumn<QString>("typedDiscount"); // zk|Σ zkje as recorded

    const auto row = [](const char* name, const char* typed, const QString& bands, const char* start, const char* now,
                        const QStringList& rows, const char* member, const char* notice = "",
                        const char* discount = "0.0|0.0") {
        QTest::newRow(name) << QString::fromUtf8(typed) << bands << today(start) << today(now) << rows
                            << QString::fromUtf8(member) << QString::fromUtf8(notice) << QString::fromUtf8(discount);
    };
    row("cash guest, 107 minutes", "||0", OneBand, "14:00:20", "15:47:05",
        {QStringLiteral("14:00:20>15:47:05 1:60 sc=2 dj=10 je=20 je1=20 dj1=10 现金 ")}, "");
    row("优惠卡 typed in other case pays cash", " y1 ||0", OneBand, "14:00:00", "15:00:00",
        {QStringLiteral("14:00:00>15:00:00 1:0 sc=1 dj=8 je=8 je1=10 dj1=10 现金 Y1")}, "Y1|100.0|1.0|8.0");
    row("现金卡 across bands pays from the balance", "C1||0", DayAndEvening, "17:20:00", "18:50:00",
        {QStringLiteral("17:20:00>18:00:00 0:40 sc=0.6667 dj=10 je=7 je1=6.67 dj1=10 刷卡 C1"),
         QStringLiteral("18:00:00>18:50:00 0:60 sc=1 dj=15 je=15 je1=15 dj1=15 刷卡 C1")},
        "C1|78.0|1.6667|22.0");
    row("现金优惠卡, password with blanks", "X1| 123 |0", OneBand, "14:00:00", "15:00:00",
        {QStringLiteral("14:00:00>15:00:00 1:0 sc=1 dj=8 je=8 je1=10 dj1=10 刷卡 X1")}, "X1|92.0|1.0|8.0");
    row("机时卡 priced and paid as cash", "J1||0", OneBand, "14:00:00", "15:00:00",
        {QStringLiteral("14:00:00>15:00:00 1:0 sc=1 dj=10 je=10 je1=10 dj1=10 现金 J1")}, "J1|100.0|1.0|10.0");
    row("the member's discount 9 over the typed 5", "Z9||5", QStringLiteral("00:01:00-23:59:00=25/30"), "14:00:00",
        "15:00:00", {QStringLiteral("14:00:00>15:00:00 1:0 sc=1 dj=25 je=22 je1=10 dj1=10 现金 Z9")},
        "Z9|100.0|1.0|22.0");
    row("no band now: one segment at the start rate, said", "||0", OneBand, "22:00:00", "23:59:30",
        {QStringLiteral("22:00:00>23:59:30 1:60 sc=2 dj=10 je=20 je1=20 dj1=10 现金 ")}, "",
        "当前时间不在任何计费时段内，本次按开台时的单价 10 元/小时一段计费。");
    // 22 before the discount: what it took off is the difference of the totals.
    row("typed 8 across bands", "||8", DayAndEvening, "17:20:00", "18:50:00",
        {QStringLiteral("17:20:00>18:00:00 0:40 sc=0.6667 dj=10 je=5.6 je1=6.67 dj1=10 现金 "),
         QStringLiteral("18:00:00>18:50:00 0:60 sc=1 dj=15 je=12.4 je1=15 dj1=15 现金 ")},
        "", "", "8.0|4.0");
}

void CheckoutTest::settles()
{
    QFETCH(QString, typed);
    QFETCH(QString, bands);
    QFETCH(QDateTime, start);
    QFETCH(QDateTime, now);
    QFETCH(QStringList, rows);
    QFETCH(QString, notice);
    QFETCH(QString, typedDiscount);

    QVERIFY(m_hall->addTables(1, bands) && m_hall->openVisit(1, start, QString(), 10));
    m_hall->clock.set(now);

    const Checkout::Bill bill = settle(1, typed);
    QCOMPARE(bill.outcome, Outcome::Settled);
    QCOMPARE(Checkout::notice(bill).text, notice);
    QCOMPARE(visitRows(), rows);
    const QString stamped = QStringLiteral("select count(*) from waimxd where djid=? and rc='2026-12-06' and "
                                           "czyname='system' and dzbj='1'");
    QCOMPARE(m_hall->value(stamped, {QString::number(bill.visitIds.first())}).toInt(), rows.size());
    QCOMPARE(m_hall->value(QStringLiteral("select sybj + tx + fwfl from zhdy")).toInt(), 0);
    const QString members = QStringLiteral("select khao, yk, round(cast(jslj as numeric), 4), jelj from user_lb "
                                           "where jslj > 0 order by khao");
    QTEST(m_hall->hall.rows(members).join(QLatin1Char(';')), "member");
    QCOMPARE(m_hall->hall.rows(QStringLiteral("select max(zk), sum(zkje) from waimxd")), QStringList{typedDiscount});
}

void CheckoutTest::nothingWritten_data()
{
    QTest::addColumn<QString>("typed"); // card|password|discount
    QTest::addColumn<QString>("trigger");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QString>("notice");
    QTest::addColumn<QString>("mend"); // a statement or Lift, after which the same visit settles

    const auto row = [](const char* name, const char* typed, const char* trigger, Outcome outcome, const char* notice,
                        const char* mend) {
        QTest::newRow(name) << QString::fromUtf8(typed) << QString::fromUtf8(trigger) << outcome
                            << QString::fromUtf8(notice) << QString::fromUtf8(mend);
    };
    const char* cardRefused = "会员卡错误或密码错误,请重新输入!";
    row("balance 20 short of 22", "X2||0", "", Outcome::ShortBalance, "金额不足，请先存款！",
        "update user_lb set yk=22 where khao='X2'");
    row("wrong password", "X1|124|0", "", Outcome::CardRefused, cardRefused, "");
    row("unknown card", "NOPE||0", "", Outcome::CardRefused, cardRefused, "");
    row("password without a card", "|123|0", "", Outcome::CardRefused, cardRefused, "");
    row("discount beyond the operator's limit", "||8", "", Outcome::DiscountRefused,
        "折扣率超过你的最大折扣权限8.5  ，请重新设定。", "");
    // Each fails a statement after the front visit row is written.
    for (const char* trigger :
         {"before update on ckv_zc", "before update on user_lb", "before update on zhdy", "before insert on waimxd"})
        row(trigger, "C1||0", trigger, Outcome::Failed, "disk on fire", Lift);
}

// One hour from 14:00, over a change of the non-member rate at 14:30.
void CheckoutTest::nothingWritten()
{
    QFETCH(QString, typed);
    QFETCH(QString, trigger);
    QFETCH(Outcome, outcome);
    QFETCH(QString, notice);
    QFETCH(QString, mend);

    QVERIFY(m_hall->addTables(1, QStringLiteral("08:00:00-14:30:00=22/30;14:30:00-23:59:00=22/32")) &&
            m_hall->openVisit(1, today("14:00:00"), typed.section(QLatin1Char('|'), 0, 0)) &&
            m_hall->addGoods(1, QStringLiteral("啤酒"), 3, 30) &&
            m_hall->hall.exec(QStringLiteral("update czyzd set zk=8.5")));
    if (!trigger.isEmpty())
        QVERIFY(m_hall->hall.refuse(QStringLiteral("fail"), trigger, QStringLiteral("disk on fire")));
    m_hall->clock.set(today("15:00:00"));
    const QStringList before = everyRow(m_hall->hall.db());

    const Checkout::Bill bill = settle(1, typed);
    QCOMPARE(bill.outcome, outcome);
    QVERIFY2(Checkout::notice(bill).text.contains(notice), qPrintable(Checkout::notice(bill).text));
    QCOMPARE(everyRow(m_hall->hall.db()), before);
    if (!mend.isEmpty()) {
        QVERIFY(mend == QLatin1String(Lift) ? m_hall->hall.allow(QStringLiteral("fail")) : m_hall->hall.exec(mend));
        QCOMPARE(settle(1, typed).outcome, Outcome::Settled);
    }
}

void CheckoutTest::goodsReducedOncePerRow()
{
    QVERIFY(m_hall->addTables(2, OneBand) && m_hall->openVisit(1, today("14:00:00"), QStringLiteral("Y1")) &&
            m_hall->openVisit(2, today("14:00:00")) && m_hall->addGoods(1, QStringLiteral("啤酒"), 3, 30) &&
            m_hall->addGoods(1, QStringLiteral("不在目录"), 1, 4.5) &&
            m_hall->addGoods(2, QStringLiteral("啤酒"), 3, 30) && m_hall->addGoods(2, QStringLiteral("啤酒"), 1, 10) &&
            m_hall->hall.exec(QStringLiteral("update ckv_zc set jzbj=1, czyname='早班' where zhao='2' and count=1")));
    m_hall->clock.set(today("15:00:00"));

    const Checkout::Bill member = settle(1, QStringLiteral("Y1||0"));
    QCOMPARE(member.goodsTotal, 32.5);
    QCOMPARE(member.grandTotal, 40.5);
    const Checkout::Bill guest = settle(2);
    QCOMPARE(guest.goodsTotal, 29.0);
    QCOMPARE(m_hall->hall.rows(QStringLiteral("select amount, jzbj, czyname, dzbj from ckv_zc order by id")),
             (QStringList{QStringLiteral("28.0|1|system|1"), QStringLiteral("4.5|1|system|1"),
                          QStringLiteral("29.0|1|system|1"), QStringLiteral("10.0|1|早班|")}));
}

void CheckoutTest::typedDiscount_data()
{
    QTest::addColumn<QString>("discount");
    QTest::addColumn<double>("charge");
    QTest::addColumn<QString>("notice"); // a refusal: nothing is settled

    for (const char* text : {"", "0", "8.5", "9.99", " 9 "}) {
        const double tenths = QString::fromLatin1(text).toDouble();
        QTest::newRow(text) << text << (tenths > 0 ? tenths * 2 : 20) << QString();
    }
    QTest::newRow("8.49") << "8.49" << 0.0 << QStringLiteral("折扣率超过你的最大折扣权限8.5  ，请重新设定。");
    const QString fiftyZeros = QStringLiteral("0.") + QString(50, QLatin1Char('0')) + QLatin1Char('1');
    for (const QString& text :
         {QStringLiteral("8.499"), QStringLiteral("1e-50"), fiftyZeros, QStringLiteral("1e1"), QStringLiteral("10"),
          QString(400, QLatin1Char('9')), QStringLiteral("-1"), QStringLiteral("8,5"), QStringLiteral("abc")})
        QTest::newRow(qPrintable(text.left(8))) << text << 0.0 << QString(DiscountTypingText);
}

// 张三 may discount down to 8.5; two hours at 10 priced to the cent.
void CheckoutTest::typedDiscount()
{
    QFETCH(QString, discount);
    QFETCH(double, charge);
    QFETCH(QString, notice);
    QVERIFY(m_hall->addTables(1, OneBand) && m_hall->openVisit(1, today("14:00:00"), QString(), 10) &&
            m_hall->hall.exec(QStringLiteral("insert into czyzd (czy_name, zk) values ('张三', 8.5)")));
    m_hall->hall.state.OperatorName = QStringLiteral("张三");
    m_hall->hall.state.params.settlementPrecision = 2;
    m_hall->clock.set(today("16:00:00"));

    const Checkout::Bill bill = settle(1, QStringLiteral("||") + discount);
    QCOMPARE(Checkout::notice(bill).text, notice);
    QCOMPARE(m_hall->value(QStringLiteral("select count(*) from waimxd where jsrc is null")).toInt(),
             bill.settled() ? 0 : 1);
    QCOMPARE(m_hall->value(QStringLiteral("select je from waimxd where jsrc is not null")).toDouble(), charge);
    if (bill.settled())
        QCOMPARE(m_hall->value(QStringLiteral("select zkje from waimxd")).toDouble(), 20 - charge);
}

void CheckoutTest::lookup_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("password");
    // The card as stored, its type, rate, payment, discount and the password check.
    QTest::addColumn<QString>("expected");

    const auto row = [](const char* name, const char* typed, const char* password, const char* expected) {
        QTest::newRow(name) << QString::fromUtf8(typed) << QString::fromUtf8(password) << QString::fromUtf8(expected);
    };
    row("trimmed, other case, no password", " m1 ", "", "M1 优惠卡 member cash zk=8.5 accepted");
    row("no password takes any", "M1", "xyz", "M1 优惠卡 member cash zk=8.5 accepted");
    row("passwords compared trimmed", "cd2", "123  ", "Cd2 现金卡 non-member balance accepted");
    row("wrong password", "Cd2", "124", "Cd2 现金卡 non-member balance refused");
    row("password left empty", "Cd2", "", "Cd2 现金卡 non-member balance refused");
    row("现金优惠卡", "X3", "123", "X3 现金优惠卡 member balance accepted");
    row("现金", "C4", "", "C4 现金 non-member cash accepted");
    row("机时卡 as cash", "J5", "", "J5 机时卡 non-member cash accepted");
    row("no type read as 现金", "N6", "", "N6 现金 non-member cash accepted");
    row("unknown card", "Q9", "", "none");
    row("no card typed", "  ", "", "none");
}

void CheckoutTest::lookup()
{
    QFETCH(QString, typed);
    QFETCH(QString, password);

    HallFixture& hall = *m_hall;
    QVERIFY2(
        hall.addMember(QStringLiteral("M1"), QVariant(), QStringLiteral("优惠卡"), 8.5) &&
            hall.addMember(QStringLiteral("Cd2"), QStringLiteral(" 123 "), QStringLiteral("现金卡")) &&
            hall.addMember(QStringLiteral("X3"), QStringLiteral("123"), QStringLiteral("现金优惠卡"), QVariant()) &&
            hall.addMember(QStringLiteral("C4"), QVariant(), QStringLiteral("现金")) &&
            hall.addMember(QStringLiteral("J5"), QVariant(), QStringLiteral("机时卡")) &&
            hall.hall.exec(QStringLiteral("insert into user_lb (khao) values ('N6')")),
        qPrintable(hall.error()));

    const ResultOf<std::optional<MemberCard>> lookedUp = findMemberCard(hall.hall.db(), typed);
    QVERIFY2(lookedUp, qPrintable(lookedUp.result().message()));
    const std::optional<MemberCard>& card = *lookedUp;
    QString found = QStringLiteral("none");
    if (card) {
        const QString kind = card->kind() == RateKind::Member ? QStringLiteral("member") : QStringLiteral("non-member");
        found = QStringList{card->number, card->type, kind,
                            card->paysFromBalance() ? QStringLiteral("balance") : QStringLiteral("cash")}
                    .join(QLatin1Char(' '));
        if (card->discount)
            found += QStringLiteral(" zk=") + QString::number(*card->discount);
        found += card->accepts(password) ? QStringLiteral(" accepted") : QStringLiteral(" refused");
    }
    QTEST(found, "expected");
}

void CheckoutTest::quoteIsWhatCheckoutSettles_data()
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
void CheckoutTest::quoteIsWhatCheckoutSettles()
{
    QFETCH(QString, discount);
    QFETCH(double, grandTotal);
    HallFixture& f = *m_hall;
    f.clock.set(today("18:50:00"));
    QVERIFY2(f.addTables(1, DayAndEvening) && f.hall.exec(QStringLiteral("update czyzd set zk=8.5")) &&
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

QTEST_GUILESS_MAIN(CheckoutTest)
#include "test_checkout.moc"
