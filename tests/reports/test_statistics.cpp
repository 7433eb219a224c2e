#include "core/base/Schema.h"
#include "core/reports/Giveaways.h"
#include "core/reports/IncomeAnalysis.h"
#include "core/reports/PeriodChoice.h"
#include "core/reports/StatisticsReport.h"
#include "support/HallFixture.h"
#include "support/PdfText.h"
#include "ui/reports/IncomeStatisticsScreen.h"

#include <QAbstractItemModel>
#include <QChartView>
#include <QComboBox>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTableView>
#include <QTest>

using IncomeAnalysis::Grouping;
using IncomeAnalysis::Subject;

Q_DECLARE_METATYPE(PeriodChoice::Kind)
Q_DECLARE_METATYPE(IncomeAnalysis::Subject)
Q_DECLARE_METATYPE(IncomeAnalysis::Grouping)

namespace {

// Visits and goods around the first days of December 2026: settled in the
// period with every mark, just before and just after it, one still open
// and goods not yet paid.
bool addTakings(HallFixture& f)
{
    return f.hall.exec(
               QStringLiteral("insert into waimxd (zhao, ksrc, jsrc, je, rc, czyname, dzbj) values "
                              "(1, '2026-11-30 10:00:00', '2026-11-30 11:00:00', 10, '2026-11-30', 'system', '3'), "
                              "(1, '2026-12-01 10:00:00', '2026-12-01 11:00:00', 20, '2026-12-01', 'system', '1'), "
                              "(2, '2026-12-01 10:00:00', '2026-12-01 11:00:00', 30, '2026-12-01', 'system', '2'), "
                              "(1, '2026-12-05 10:00:00', '2026-12-05 11:00:00', 40, '2026-12-05', 'system', '3'), "
                              "(2, '2026-12-07 10:00:00', '2026-12-07 11:00:00', 80, '2026-12-07', 'system', '3')")) &&
           f.hall.exec(QStringLiteral(
               "insert into ckv_zc (rc, wlcode, count, price, amount, czyname, jzbj, dzbj) values "
               "('2026-12-01', '可乐', 1, 5, 5, 'system', 1, '1'), ('2026-12-01', '可乐', 1, 6, 6, 'system', 1, '2'), "
               "('2026-12-05', '香烟', 1, 7, 7, 'system', 1, '3'), ('2026-12-05', '香烟', 1, 100, 100, 'system', 0, "
               "'2'), ('2026-12-07', '可乐', 1, 9, 9, 'system', 1, '3')")) &&
           f.addTables(3) && f.openVisit(3, today("19:00:00"));
}

// Two days, three operators: a guest, a member at the member rate, a typed
// 8 across a rate change, a free visit split at one, a visit free only in
// its front, an open one and one after the period; goods sold below their
// list price by the box and by a table's reduction, above it, from before
// the list price was recorded and not yet paid.
bool addGiveaways(HallFixture& f)
{
    return f.hall.exec(
               QStringLiteral("insert into waimxd (id, djid, zhao, jsrc, rc, czyname, je, je1, zk, zkje) values "
                              "(1, '1', 1, '2026-12-05 11:00:00', '2026-12-05', 'system', 20, 20, 0, 0), "
                              "(2, '2', 1, '2026-12-05 12:00:00', '2026-12-05', 'system', 16, 20, 0, 0), "
                              "(3, '3', 1, '2026-12-05 18:00:00', '2026-12-05', '张三', 5.6, 6.67, 8, 1.4), "
                              "(4, '3', 1, '2026-12-05 19:00:00', '2026-12-05', '张三', 12.4, 15, 8, 2.6), "
                              "(5, '5', 1, '2026-12-06 18:00:00', '2026-12-06', 'system', 0, 10, 0, 0), "
                              "(6, '5', 1, '2026-12-06 19:00:00', '2026-12-06', 'system', 0, 15, 0, 0), "
                              "(7, '7', 1, '2026-12-06 18:00:00', '2026-12-06', 'system', 0, 5, 0, 0), "
                              "(8, '7', 1, '2026-12-06 19:00:00', '2026-12-06', 'system', 3, 3, 0, 0), "
                              "(9, '9', 1, null, '2026-12-06', 'system', 0, 10, 0, 0), "
                              "(10, '10', 1, '2026-12-07 10:00:00', '2026-12-07', 'system', 0, 10, 0, 0), "
                              "(11, '11', 1, '2026-12-06 10:00:00', '2026-12-06', '张三', 10, 10, null, null)")) &&
           f.hall.exec(QStringLiteral(
               "insert into ckv_zc (rc, czyname, wlcode, count, price, amount, jzbj, spdj) values "
               "('2026-12-05', 'system', '货', 3, 3.5, 10.5, 1, 4), ('2026-12-05', 'system', '货', 3, 10, 28, 1, 10), "
               "('2026-12-06', '张三', '货', 1, 12, 12, 1, 10), ('2026-12-06', '张三', '货', 2, 5, 9, 1, null), "
               "('2026-12-06', '张三', '货', 1, 10, 0, 0, 10), ('2026-12-06', '李四', '货', 1, 3.3, 3, 1, 3.3)"));
}

QString rowsText(const IncomeAnalysis::Analysis& analysis)
{
    QStringList rows;
    for (const IncomeAnalysis::Row& row : analysis.rows)
        rows.append(row.label + QLatin1Char('=') + IncomeAnalysis::money(row.amount));
    return rows.join(QLatin1Char(';'));
}

} // namespace

class TestStatistics : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void periodEnds_data();
    void periodEnds();
    void monthLengths();
    void conditions_data();
    void conditions();
    void screenShowsPeriodAndMark_data();
    void screenShowsPeriodAndMark();
    void reportAsPdfWithChart();
    void giveaways_data();
    void giveaways();
};

void TestStatistics::periodEnds_data()
{
    QTest::addColumn<PeriodChoice::Kind>("kind");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    using K = PeriodChoice::Kind;
    QTest::newRow("February 2000 is leap")
        << K::ThisMonth << QDate(2000, 2, 10) << QDate(2000, 2, 1) << QDate(2000, 2, 29);
    QTest::newRow("February 1900 is not")
        << K::ThisMonth << QDate(1900, 2, 10) << QDate(1900, 2, 1) << QDate(1900, 2, 28);
    QTest::newRow("April") << K::ThisMonth << QDate(2026, 4, 30) << QDate(2026, 4, 1) << QDate(2026, 4, 30);
    QTest::newRow("month to date") << K::MonthToDate << QDate(2000, 2, 29) << QDate(2000, 2, 1) << QDate(2000, 2, 29);
    QTest::newRow("year to date") << K::YearToDate << QDate(2026, 12, 6) << QDate(2026, 1, 1) << QDate(2026, 12, 6);
    QTest::newRow("this year") << K::ThisYear << QDate(1900, 2, 10) << QDate(1900, 1, 1) << QDate(1900, 12, 31);
    QTest::newRow("today") << K::Today << QDate(2026, 12, 6) << QDate(2026, 12, 6) << QDate(2026, 12, 6);
    QTest::newRow("all keeps the dates") << K::All << QDate(2026, 12, 6) << QDate() << QDate();
    QTest::newRow("custom keeps the dates") << K::Custom << QDate(2026, 12, 6) << QDate() << QDate();
}

void TestStatistics::periodEnds()
{
    QFETCH(PeriodChoice::Kind, kind);
    QFETCH(QDate, today);
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    const auto period = PeriodChoice::period(kind, today);
    QCOMPARE(period.has_value(), from.isValid());
    if (period) {
        QCOMPARE(period->first, from);
        QCOMPARE(period->second, to);
    }
}

// Checked against Qt's own Gregorian calendar, leap centuries included.
void TestStatistics::monthLengths()
{
    for (const int year : {1900, 2000, 2023, 2024})
        for (int month = 1; month <= 12; ++month)
            QCOMPARE(PeriodChoice::daysInMonth(year, month), QDate(year, month, 1).daysInMonth());
}

void TestStatistics::conditions_data()
{
    QTest::addColumn<Subject>("subject");
    QTest::addColumn<Grouping>("grouping");
    QTest::addColumn<bool>("useMark");
    QTest::addColumn<QString>("rows");
    QTest::addColumn<QString>("tableFees");
    QTest::newRow("fees by day, any settled visit")
        << Subject::TableFees << Grouping::ByDay << false << QStringLiteral("2026-12-01=50.00;2026-12-05=40.00")
        << QStringLiteral("90.00");
    QTest::newRow("fees by day, reconciled only")
        << Subject::TableFees << Grouping::ByDay << true << QStringLiteral("2026-12-01=30.00;2026-12-05=40.00")
        << QStringLiteral("70.00");
    QTest::newRow("fees by table, any settled visit") << Subject::TableFees << Grouping::ByItem << false
                                                      << QStringLiteral("1=60.00;2=30.00") << QStringLiteral("90.00");
    QTest::newRow("fees by table, reconciled only") << Subject::TableFees << Grouping::ByItem << true
                                                    << QStringLiteral("1=40.00;2=30.00") << QStringLiteral("70.00");
    QTest::newRow("goods by day are reconciled and paid without the mark")
        << Subject::Goods << Grouping::ByDay << false << QStringLiteral("2026-12-01=6.00;2026-12-05=7.00")
        << QStringLiteral("70.00");
    QTest::newRow("goods by goods with the mark") << Subject::Goods << Grouping::ByItem << true
                                                  << QStringLiteral("可乐=6.00;香烟=7.00") << QStringLiteral("70.00");
}

void TestStatistics::conditions()
{
    QFETCH(Subject, subject);
    QFETCH(Grouping, grouping);
    QFETCH(bool, useMark);
    QFETCH(QString, rows);
    QFETCH(QString, tableFees);
    HallFixture f;
    QVERIFY(f.ready());
    QVERIFY2(addTakings(f), qPrintable(f.error()));
    const ResultOf<IncomeAnalysis::Analysis> analysis =
        IncomeAnalysis::run(f.hall.db(), {subject, grouping, useMark, QDate(2026, 12, 1), QDate(2026, 12, 6)});
    QVERIFY2(analysis, qPrintable(analysis.result().message()));
    QCOMPARE(rowsText(*analysis), rows);
    QCOMPARE(IncomeAnalysis::money(analysis->tableFees), tableFees);
}

void TestStatistics::screenShowsPeriodAndMark_data()
{
    QTest::addColumn<bool>("useMark");
    QTest::addColumn<QString>("tableFees");
    QTest::newRow("every settled visit") << false << QStringLiteral("90.00");
    QTest::newRow("reconciled visits") << true << QStringLiteral("70.00");
}

// Nothing was taken on the tests' day, so the screen opens on an empty grid;
// the month so far then shows the days that took something.
void TestStatistics::screenShowsPeriodAndMark()
{
    QFETCH(bool, useMark);
    QFETCH(QString, tableFees);
    HallFixture f;
    QVERIFY(f.ready());
    QVERIFY2(addTakings(f), qPrintable(f.error()));
    f.hall.state.params.reportsUseMark = useMark;
    IncomeStatisticsScreen screen(f.hall.state);
    const QAbstractItemModel* rows = control<QTableView>(&screen, QStringLiteral("MSGrid"))->model();
    auto* feesBox = control<QLineEdit>(&screen, QStringLiteral("tableFeesEdit"));
    QCOMPARE(rows->rowCount(), 10);
    for (int row = 0; row < rows->rowCount(); ++row)
        QVERIFY(rows->index(row, 1).data().toString().isEmpty());
    QCOMPARE(feesBox->text(), QString());
    QVERIFY(control<QChartView>(&screen, QStringLiteral("Chart"))->isHidden());

    auto* kind = control<QComboBox>(&screen, QStringLiteral("CmdKind"));
    kind->setCurrentIndex(int(PeriodChoice::Kind::MonthToDate));
    emit kind->activated(kind->currentIndex());
    QCOMPARE(rows->rowCount(), 2);
    QCOMPARE(rows->index(1, 0).data().toString(), QStringLiteral("2026-12-05"));
    QCOMPARE(rows->index(1, 1).data().toString(), QStringLiteral("40.00"));
    QCOMPARE(feesBox->text(), tableFees);
    QVERIFY(!control<QChartView>(&screen, QStringLiteral("Chart"))->isHidden());
}

// The month by table as the owner gets it on paper, read back from the PDF:
// the rows, their total, the table fees and the chart's texts.
void TestStatistics::reportAsPdfWithChart()
{
    HallFixture f;
    QVERIFY(f.ready());
    QVERIFY2(addTakings(f), qPrintable(f.error()));
    const IncomeAnalysis::Question question{Subject::TableFees, Grouping::ByItem, false, QDate(2026, 12, 1),
                                            QDate(2026, 12, 31)};
    const ResultOf<IncomeAnalysis::Analysis> analysis = IncomeAnalysis::run(f.hall.db(), question);
    QVERIFY2(analysis, qPrintable(analysis.result().message()));
    const ReportDocument report = statisticsReport(*analysis, question, QStringLiteral("system"));
    QCOMPARE(report.chart.bars.size(), 2);
    const QString text = pdfText(report);
    for (const QString& drawn : {QStringLiteral("营业报告"), QStringLiteral("日期从 2026-12-01 至 2026-12-31"),
                                 QStringLiteral("台位号"), QStringLiteral("60.00"), QStringLiteral("110.00"),
                                 QStringLiteral("台位费用现金：170.00"), QStringLiteral("台位费用（按台位号）")})
        QVERIFY2(text.contains(drawn), qPrintable(drawn + QStringLiteral(" is not in:\n") + text));
    QVERIFY2(text.contains(QRegularExpression(QStringLiteral("合\\s*计\\s+170\\.00"))), qPrintable(text));
}

void TestStatistics::giveaways_data()
{
    QTest::addColumn<bool>("older");
    QTest::addColumn<QStringList>("lines"); // day operator: time given, free visits, goods reduced, discounts
    QTest::newRow("recorded") << false
                              << QStringList{QStringLiteral("2026-12-05 system: 4 0 3.5 0"),
                                             QStringLiteral("2026-12-05 张三: 3.67 0 0 4"),
                                             QStringLiteral("2026-12-06 system: 30 1 0 0"),
                                             QStringLiteral("2026-12-06 张三: 0 0 1 0"),
                                             QStringLiteral("2026-12-06 李四: 0 0 0.3 0")};
    // Without the discount and the list price, the sales count only what
    // their own price and the table's reduction tell.
    QTest::newRow("older file") << true
                                << QStringList{QStringLiteral("2026-12-05 system: 4 0 2 0"),
                                               QStringLiteral("2026-12-05 张三: 3.67 0 0 0"),
                                               QStringLiteral("2026-12-06 system: 30 1 0 0"),
                                               QStringLiteral("2026-12-06 张三: 0 0 1 0"),
                                               QStringLiteral("2026-12-06 李四: 0 0 0.3 0")};
}

void TestStatistics::giveaways()
{
    QFETCH(bool, older);
    QFETCH(QStringList, lines);
    HallFixture f;
    QVERIFY2(f.ready() && addGiveaways(f), qPrintable(f.error()));
    const auto report = [&] {
        QStringList shown;
        const ResultOf<QList<Giveaways::Line>> run =
            Giveaways::run(f.hall.db(), QDate(2026, 12, 5), QDate(2026, 12, 6));
        if (!run)
            return QStringList{run.result().message()};
        for (const Giveaways::Line& line : *run)
            shown.append(QStringLiteral("%1 %2: %3 %4 %5 %6")
                             .arg(line.day.toString(Qt::ISODate), line.operatorName)
                             .arg(line.timeGivenAway)
                             .arg(line.freeVisits)
                             .arg(line.goodsReductions)
                             .arg(line.checkoutDiscounts));
        return shown;
    };
    if (older) {
        for (const char* drop : {"alter table waimxd drop column zkje", "alter table waimxd drop column zk",
                                 "alter table ckv_zc drop column spdj"})
            QVERIFY(f.hall.exec(QLatin1String(drop)));
        QCOMPARE(report(), lines);
        const ResultOf<QStringList> added = Schema::addMissingColumns(f.hall.db());
        QVERIFY(added && added->size() == 3);
    }
    QCOMPARE(report(), lines);
}

QTEST_MAIN(TestStatistics)
#include "test_statistics.moc"
