#include "core/billing/BandSplit.h"
#include "core/billing/CheckoutCustomer.h"
#include "core/billing/CheckoutPricing.h"
#include "core/billing/RunningCharge.h"
#include "support/HallFixture.h"

#include <QTest>

namespace {

const QString OneBand = QStringLiteral("00:01:00-23:59:00=8/10");
const QString DayAndEvening = QStringLiteral("08:00:00-18:00:00=8/10;18:00:00-23:59:00=12/15");

// "22 = 7 + 15" across a change, else "20".
QString boardText(const RunningCharge& charge)
{
    if (charge.frontAmount() == 0 && charge.backAmount() == 0)
        return QString::number(charge.total());
    return QStringLiteral("%1 = %2 + %3")
        .arg(QString::number(charge.total()), QString::number(charge.frontAmount()),
             QString::number(charge.backAmount()));
}

// "0:40×10=6.7 + 0:57×16=15.3 → 22" across a change, else "1:60×10=20".
QString checkoutText(const TimeCharge& charge)
{
    QStringList segments;
    for (const BilledSegment& segment : charge.segments)
        segments.append(QStringLiteral("%1×%2=%3")
                            .arg(segment.hoursText(), QString::number(segment.rate), QString::number(segment.amount)));
    QString text = segments.join(QStringLiteral(" + "));
    if (segments.size() > 1)
        text += QStringLiteral(" → ") + QString::number(charge.total);
    return text;
}

// "10*" for one segment at 10 that the minimum rules reach; a second segment
// follows the change moment: "10 | 06 18:00 | 15*".
QString describe(const BandSplit& split)
{
    QStringList parts;
    for (const SplitSegment& segment : split.segments)
        parts.append(QString::number(segment.rate) + (segment.applyMinimum ? QStringLiteral("*") : QString()));
    QString text = parts.join(QStringLiteral(" | ") + split.segments.last().from.toString(QStringLiteral("dd HH:mm")) +
                              QStringLiteral(" | "));
    if (split.noBandNow)
        text += QStringLiteral(" noBandNow");
    return text;
}

} // namespace

// How a visit is cut at the changes of rate, and how the board's running
// charge and checkout price it: with the same rules, differing only in the
// rates (checkout's are whole), the rounding of a total across a change, and
// the discount, which only checkout applies.
class PricingTest : public QObject
{
    Q_OBJECT

private slots:
    void split_data();
    void split();
    void price_data();
    void price();
};

void PricingTest::split_data()
{
    QTest::addColumn<QString>("bands");
    QTest::addColumn<QDateTime>("start");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<RateKind>("kind");
    QTest::addColumn<RateRounding>("rounding");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("expected");

    const auto row = [](const char* name, const QString& bands, const char* start, const char* now, RateKind kind,
                        RateRounding rounding, int mode, const char* expected) {
        QTest::newRow(name) << bands << today(start) << today(now) << kind << rounding << mode
                            << QString::fromUtf8(expected);
    };
    const RateKind guest = RateKind::NonMember;
    const RateRounding stored = RateRounding::AsStored;
    const RateRounding whole = RateRounding::Whole;

    // Which segments the minimum reaches in each mode, and the member rates,
    // are priced to the money in price().
    row("same rate", OneBand, "14:00:00", "15:00:00", guest, stored, 0, "10*");
    row("two bands, mode 0", DayAndEvening, "17:20:00", "18:50:00", guest, stored, 0, "10* | 06 18:00 | 15*");
    row("no rate kind", DayAndEvening, "17:20:00", "18:50:00", RateKind::None, stored, 0, "0*");
    row("no band now after the last band", OneBand, "23:00:00", "23:59:30", guest, stored, 0, "10* noBandNow");
    row("no band at start", QStringLiteral("08:00:00-18:00:00=8/10;19:00:00-23:59:00=12/15"), "18:30:00", "19:40:00",
        guest, stored, 0, "0* | 06 19:00 | 15*");
    row("a boundary second is in no band", DayAndEvening, "18:00:00", "18:30:00", guest, stored, 0,
        "0* | 06 18:00 | 15*");

    const QString halves = QStringLiteral("08:00:00-18:00:00=8/12.5;18:00:00-23:59:00=8/13.5");
    const QString closeRates = QStringLiteral("08:00:00-18:00:00=8/12;18:00:00-23:59:00=8/12.5");
    row("12.5 and 13.5 as stored", halves, "17:20:00", "18:50:00", guest, stored, 0, "12.5* | 06 18:00 | 13.5*");
    row("12.5 and 13.5 whole: 12 and 14", halves, "17:20:00", "18:50:00", guest, whole, 0, "12* | 06 18:00 | 14*");
    row("12 and 12.5 whole are one rate", closeRates, "17:20:00", "18:50:00", guest, whole, 0, "12*");
    // Written in the order 7, 3: the band with the lower id is in force at 13:00.
    row("overlap: the first band by id wins", QStringLiteral("7@08:00:00-20:00:00=5/6;3@12:00:00-14:00:00=9/11"),
        "10:00:00", "13:00:00", guest, stored, 0, "6* | 06 12:00 | 11*");

    // Over midnight: the change is today's, and the default band leaves the minute around midnight uncovered.
    const QDateTime yesterday(QDate(2026, 12, 5), QTime(22, 0));
    const QDateTime tomorrow(QDate(2026, 12, 7), QTime(0, 0, 30));
    QTest::newRow("front over midnight") << DayAndEvening << yesterday << today("09:00:00") << guest << stored << 0
                                         << QStringLiteral("15* | 06 08:00 | 10*");
    QTest::newRow("no band now around midnight")
        << OneBand << today("23:00:00") << tomorrow << guest << stored << 0 << QStringLiteral("10* noBandNow");
    QTest::newRow("no band at either end")
        << OneBand << today("23:59:10") << tomorrow << guest << stored << 0 << QStringLiteral("0*");
}

void PricingTest::split()
{
    QFETCH(QString, bands);
    QFETCH(QDateTime, start);
    QFETCH(QDateTime, now);
    QFETCH(RateKind, kind);
    QFETCH(RateRounding, rounding);
    QFETCH(int, mode);

    HallFixture hall;
    QVERIFY2(hall.ready() && hall.addBands(1, bands), qPrintable(hall.error()));
    RateBands loaded;
    QVERIFY(loaded.load(hall.hall.db(), 1));
    const ResultOf<BandSplit> cut = splitVisit(loaded, start, now, kind, rounding, qint16(mode));
    QVERIFY2(cut, qPrintable(cut.result().message()));
    const BandSplit& split = *cut;
    QTEST(describe(split), "expected");
    QCOMPARE(split.segments.first().from, start);
    QCOMPARE(split.segments.last().to, now);
    if (split.twoSegments())
        QCOMPARE(split.segments.first().to, split.segments.last().from);
}

void PricingTest::price_data()
{
    QTest::addColumn<QString>("bands");
    QTest::addColumn<QDateTime>("start");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QString>("card");
    QTest::addColumn<QList<int>>("rules"); // unit, minimum, cross-band mode, settlement places
    QTest::addColumn<double>("discount");
    QTest::addColumn<QString>("board");
    QTest::addColumn<QString>("checkout");

    const auto row = [](const char* name, const QString& bands, const char* start, const char* now, int unit,
                        int minimum, int mode, int places, double discount, const char* board, const char* checkout,
                        const QString& card = QString()) {
        QTest::newRow(name) << bands << today(start) << today(now) << card << QList<int>{unit, minimum, mode, places}
                            << discount << QString::fromUtf8(board) << QString::fromUtf8(checkout);
    };

    // 10 an hour, no rules, whole money, 5 free minutes unless said.
    row("107 minutes, R 47 to the hour", OneBand, "14:00:20", "15:47:05", 0, 0, 0, 0, 0, "20", "1:60×10=20");
    row("minutes are boundaries crossed", OneBand, "14:00:59", "14:06:00", 0, 30, 0, 2, 0, "5", "0:30×10=5");
    row("unit 30, 94 minutes", OneBand, "14:00:00", "15:34:00", 30, 0, 0, 0, 0, "15", "1:30×10=15");
    row("unit 30, 95 minutes", OneBand, "14:00:00", "15:35:00", 30, 0, 0, 0, 0, "20", "1:60×10=20");
    row("exactly the free minutes cost nothing", OneBand, "14:00:00", "14:05:00", 0, 30, 0, 2, 0, "0", "0:0×10=0");
    row("one minute more is the minimum", OneBand, "14:00:00", "14:06:00", 0, 30, 0, 2, 0, "5", "0:30×10=5");
    row("exactly the minimum follows the half hour", OneBand, "14:00:00", "14:20:00", 0, 20, 0, 2, 0, "5", "0:30×10=5");
    row("R 15 stays", OneBand, "14:00:00", "14:15:00", 0, 0, 0, 2, 0, "2.5", "0:15×10=2.5");
    row("R 16 to the half hour", OneBand, "14:00:00", "14:16:00", 0, 0, 0, 2, 0, "5", "0:30×10=5");
    row("R 45 stays", OneBand, "14:00:00", "14:45:00", 0, 0, 0, 2, 0, "7.5", "0:45×10=7.5");
    row("R 46 to the hour", OneBand, "14:00:00", "14:46:00", 0, 0, 0, 2, 0, "10", "0:60×10=10");

    // Half to even at the settlement precision.
    const QString at15 = QStringLiteral("00:01:00-23:59:00=8/15");
    row("22.5 to 22", at15, "14:00:00", "15:30:00", 0, 0, 0, 0, 0, "22", "1:30×15=22");
    row("23.5 to 24", QStringLiteral("00:01:00-23:59:00=8/47"), "14:00:00", "14:30:00", 0, 0, 0, 0, 0, "24",
        "0:30×47=24");
    row("rate 12.5: checkout at 12", QStringLiteral("00:01:00-23:59:00=8/12.5"), "14:00:00", "15:00:00", 0, 0, 0, 2, 0,
        "12.5", "1:0×12=12");

    const QString at25 = QStringLiteral("00:01:00-23:59:00=20/25");
    row("discount 8 on 25", at25, "14:00:00", "15:00:00", 0, 0, 0, 0, 8, "25", "1:0×25=20");
    row("discount 0 leaves it", at25, "14:00:00", "15:00:00", 0, 0, 0, 0, 0, "25", "1:0×25=25");
    row("discount 10 leaves it", at25, "14:00:00", "15:00:00", 0, 0, 0, 0, 10, "25", "1:0×25=25");
    row("discount 0.5 to cents", at25, "14:00:00", "15:00:00", 0, 0, 0, 2, 0.5, "25", "1:0×25=1.25");

    row("two bands", DayAndEvening, "17:20:00", "18:50:00", 0, 0, 0, 0, 0, "22 = 7 + 15",
        "0:40×10=7 + 0:60×15=15 → 22");
    row("checkout takes T to whole money, the back absorbs it",
        QStringLiteral("08:00:00-18:00:00=8/10;18:00:00-23:59:00=12/16"), "17:20:00", "18:57:00", 0, 0, 1, 1, 0,
        "21.9 = 6.7 + 15.2", "0:40×10=6.7 + 0:57×16=15.3 → 22");
    row("a discount leaves the front unrounded", DayAndEvening, "17:20:00", "18:50:00", 0, 0, 0, 0, 8, "22 = 7 + 15",
        "0:40×10=5.6 + 0:60×15=12.4 → 18");

    // 15 minutes before the change and 20 after, minimum 30: which segment
    // is charged as the minimum follows the mode.
    row("mode 0: minimum on both", DayAndEvening, "17:45:00", "18:20:00", 0, 30, 0, 0, 0, "13 = 5 + 8",
        "0:30×10=5 + 0:30×15=8 → 13");
    row("mode 1: minimum on the front", DayAndEvening, "17:45:00", "18:20:00", 0, 30, 1, 0, 0, "10 = 5 + 5",
        "0:30×10=5 + 0:20×15=5 → 10");
    row("mode 2: minimum on the back", DayAndEvening, "17:45:00", "18:20:00", 0, 30, 2, 0, 0, "10 = 2 + 8",
        "0:15×10=2 + 0:30×15=8 → 10");
    row("mode 3: exact minutes", DayAndEvening, "17:45:00", "18:20:00", 0, 30, 3, 0, 0, "7 = 2 + 5",
        "0:15×10=2 + 0:20×15=5 → 7");

    row("into no band: one segment at the start rate", OneBand, "23:00:00", "23:59:30", 0, 0, 0, 0, 0, "10",
        "0:60×10=10");
    row("优惠卡 at member rates", DayAndEvening, "17:20:00", "18:50:00", 0, 0, 0, 0, 0, "17 = 5 + 12",
        "0:40×8=5 + 0:60×12=12 → 17", QStringLiteral("Y1"));
    row("机时卡 as a cash guest", OneBand, "14:00:00", "15:00:00", 0, 0, 0, 0, 0, "10", "1:0×10=10",
        QStringLiteral("J1"));
}

void PricingTest::price()
{
    QFETCH(QString, bands);
    QFETCH(QDateTime, start);
    QFETCH(QDateTime, now);
    QFETCH(QString, card);
    QFETCH(QList<int>, rules);
    QFETCH(double, discount);

    HallFixture hall(now);
    QVERIFY2(hall.ready() && hall.addTables(1, bands) &&
                 hall.hall.exec(QStringLiteral("update zhdy set zxjffz=?, zdxffz=?"), {rules.at(0), rules.at(1)}) &&
                 hall.addMember(QStringLiteral("Y1"), QVariant(), QStringLiteral("优惠卡")) &&
                 hall.addMember(QStringLiteral("J1"), QVariant(), QStringLiteral("机时卡")) &&
                 hall.openVisit(1, start, card),
             qPrintable(hall.error()));
    AppState& state = hall.hall.state;
    state.params.crossBandMinimumMode = qint16(rules.at(2));
    state.params.settlementPrecision = qint16(rules.at(3));

    RunningCharge running(state);
    running.setCard(card);
    running.setTable(QStringLiteral("1"));
    QVERIFY(running.compute());
    QTEST(boardText(running), "board");

    const ResultOf<std::optional<CheckoutCustomer>> customer =
        CheckoutCustomer::identify(state.DbConn, card, QString());
    QVERIFY2(customer, qPrintable(customer.result().message()));
    QVERIFY(*customer);
    const ResultOf<TimeCharge> charge =
        priceVisit(state, {1, start, 10}, (*customer)->kind, DiscountRate(discount), now);
    QVERIFY2(charge, qPrintable(charge.result().message()));
    QTEST(checkoutText(*charge), "checkout");
}

QTEST_GUILESS_MAIN(PricingTest)
#include "test_pricing.moc"
