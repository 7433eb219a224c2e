#include "core/billing/BandSplit.h"
#include "support/HallFixture.h"

#include <QTest>

namespace {

const QString OneBand = QStringLiteral("00:01:00-23:59:00=8/10");
const QString DayAndEvening = QStringLiteral("08:00:00-18:00:00=8/10;18:00:00-23:59:00=12/15");

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

class BandSplitTest : public QObject
{
    Q_OBJECT

private slots:
    void split_data();
    void split();
};

void BandSplitTest::split_data()
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

    row("same rate", OneBand, "14:00:00", "15:00:00", guest, stored, 0, "10*");
    row("two bands, mode 0", DayAndEvening, "17:20:00", "18:50:00", guest, stored, 0, "10* | 06 18:00 | 15*");
    row("mode 1: front only", DayAndEvening, "17:20:00", "18:50:00", guest, stored, 1, "10* | 06 18:00 | 15");
    row("mode 2: back only", DayAndEvening, "17:20:00", "18:50:00", guest, stored, 2, "10 | 06 18:00 | 15*");
    row("mode 3: neither", DayAndEvening, "17:20:00", "18:50:00", guest, stored, 3, "10 | 06 18:00 | 15");
    row("member rates", DayAndEvening, "17:20:00", "18:50:00", RateKind::Member, stored, 0, "8* | 06 18:00 | 12*");
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

void BandSplitTest::split()
{
    QFETCH(QString, bands);
    QFETCH(QDateTime, start);
    QFETCH(QDateTime, now);
    QFETCH(RateKind, kind);
    QFETCH(RateRounding, rounding);
    QFETCH(int, mode);
    QFETCH(QString, expected);

    HallFixture hall;
    QVERIFY2(hall.ready() && hall.addBands(1, bands), qPrintable(hall.error()));
    RateBands loaded;
    QVERIFY(loaded.load(hall.hall.db(), 1));
    const ResultOf<BandSplit> cut = splitVisit(loaded, start, now, kind, rounding, qint16(mode));
    QVERIFY2(cut, qPrintable(cut.result().message()));
    const BandSplit& split = *cut;
    QCOMPARE(describe(split), expected);
    QCOMPARE(split.segments.first().from, start);
    QCOMPARE(split.segments.last().to, now);
    if (split.twoSegments())
        QCOMPARE(split.segments.first().to, split.segments.last().from);
}

QTEST_GUILESS_MAIN(BandSplitTest)
#include "test_bandsplit.moc"
