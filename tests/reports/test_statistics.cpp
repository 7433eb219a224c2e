#include "core/base/Schema.h"
#include "core/reports/Giveaways.h"
#include "core/reports/IncomeAnalysis.h"
#include "core/reports/ListingReport.h"
#include "core/reports/PeriodChoice.h"
#include "core/reports/StatisticsReport.h"
#include "support/HallFixture.h"
#include "support/PdfText.h"
#include "ui/reports/IncomeStatisticsScreen.h"
#include "ui/reports/ListingGrid.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QChartView>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QSqlRecord>
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

// The reports of a period: their dates, the income analysis on screen and on
// paper, what was given away, and the listings a dictionary lays out.
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
    void cellText_data();
    void cellText();
    void atMostThirtyColumnsInOrder();
    void memberReportAsPdf();
    void gridShowsOnlyTheDictionarysFields();
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
    const auto period = PeriodChoice::period(kind, today);
    QCOMPARE(period.has_value(), from.isValid());
    if (period) {
        QCOMPARE(period->first, from);
        QTEST(period->second, "to");
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
    const auto row = [](const char* name, Subject subject, Grouping grouping, bool useMark, const char* rows,
                        const char* tableFees) {
        QTest::newRow(name) << subject << grouping << useMark << QString::fromUtf8(rows)
                            << QString::fromUtf8(tableFees);
    };
    row("fees by day, any settled visit", Subject::TableFees, Grouping::ByDay, false,
        "2026-12-01=50.00;2026-12-05=40.00", "90.00");
    row("fees by day, reconciled only", Subject::TableFees, Grouping::ByDay, true, "2026-12-01=30.00;2026-12-05=40.00",
        "70.00");
    row("fees by table, any settled visit", Subject::TableFees, Grouping::ByItem, false, "1=60.00;2=30.00", "90.00");
    row("fees by table, reconciled only", Subject::TableFees, Grouping::ByItem, true, "1=40.00;2=30.00", "70.00");
    row("goods by day are reconciled and paid without the mark", Subject::Goods, Grouping::ByDay, false,
        "2026-12-01=6.00;2026-12-05=7.00", "70.00");
    row("goods by goods with the mark", Subject::Goods, Grouping::ByItem, true, "可乐=6.00;香烟=7.00", "70.00");
}

void TestStatistics::conditions()
{
    QFETCH(Subject, subject);
    QFETCH(Grouping, grouping);
    QFETCH(bool, useMark);
    QFETCH(QString, tableFees);
    HallFixture f;
    QVERIFY2(f.ready() && addTakings(f), qPrintable(f.error()));
    const ResultOf<IncomeAnalysis::Analysis> analysis =
        IncomeAnalysis::run(f.hall.db(), {subject, grouping, useMark, QDate(2026, 12, 1), QDate(2026, 12, 6)});
    QVERIFY2(analysis, qPrintable(analysis.result().message()));
    QTEST(rowsText(*analysis), "rows");
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
    HallFixture f;
    QVERIFY2(f.ready() && addTakings(f), qPrintable(f.error()));
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
    QTEST(feesBox->text(), "tableFees");
    QVERIFY(!control<QChartView>(&screen, QStringLiteral("Chart"))->isHidden());
}

// The month by table as the owner gets it on paper, read back from the PDF:
// the rows, their total, the table fees and the chart's texts.
void TestStatistics::reportAsPdfWithChart()
{
    HallFixture f;
    QVERIFY2(f.ready() && addTakings(f), qPrintable(f.error()));
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
    const QStringList sixth =
        QStringLiteral("2026-12-06 system: 30 1 0 0|2026-12-06 张三: 0 0 1 0|2026-12-06 李四: 0 0 0.3 0").split(u'|');
    QTest::newRow("recorded")
        << false << QStringLiteral("2026-12-05 system: 4 0 3.5 0|2026-12-05 张三: 3.67 0 0 4").split(u'|') + sixth;
    // Without the discount and the list price, the sales count only what
    // their own price and the table's reduction tell.
    QTest::newRow("older file")
        << true << QStringLiteral("2026-12-05 system: 4 0 2 0|2026-12-05 张三: 3.67 0 0 0").split(u'|') + sixth;
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

void TestStatistics::cellText_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("shown");
    QTest::newRow("money keeps its cents") << QVariant(12.5) << QStringLiteral("MON") << QStringLiteral("12.50");
    QTest::newRow("money rounds the hair of binary")
        << QVariant(0.1 + 0.2) << QStringLiteral("MON") << QStringLiteral("0.30");
    QTest::newRow("rate") << QVariant(8.5) << QStringLiteral("BFL") << QStringLiteral("8.50%");
    QTest::newRow("whole number") << QVariant(2.6) << QStringLiteral("INT") << QStringLiteral("3");
    QTest::newRow("moment to the minute") << QVariant(QStringLiteral("2026-12-06 20:15:59"))
                                          << QStringLiteral("DATETIME") << QStringLiteral("2026-12-06 20:15");
    QTest::newRow("nothing stays empty") << QVariant() << QStringLiteral("MON") << QString();
}

void TestStatistics::cellText()
{
    QFETCH(QVariant, value);
    QFETCH(QString, type);
    QTEST(ListingReport::cellText(value, type), "shown");
}

// Forty shown fields written in reverse: the page takes the first thirty by
// their order number, not by the order the rows happen to be stored in.
void TestStatistics::atMostThirtyColumnsInOrder()
{
    HallFixture f;
    QVERIFY(f.ready());
    QStringList fields;
    for (int n = 40; n >= 1; --n) {
        QVERIFY(f.hall.exec(QStringLiteral("INSERT INTO pr_codedict (xh, table_code, table_name, colm_code, colm_name, "
                                           "colm_type, colm_cd, can_show, sum_tag) "
                                           "VALUES (?, 'wide', '宽表', ?, ?, 'MON', 3, 1, '1')"),
                            {n, QStringLiteral("f%1").arg(n), QStringLiteral("列%1").arg(n)}));
        fields.prepend(QStringLiteral("%1.5 AS f%1").arg(n));
    }
    QSqlQueryModel rows;
    rows.setQuery(QStringLiteral("SELECT ") + fields.join(QStringLiteral(", ")), f.hall.db());

    const ResultOf<ReportDictionary> dictionary = ReportDictionary::read(f.hall.db(), QStringLiteral("wide"), true);
    QVERIFY2(dictionary, qPrintable(dictionary.result().message()));
    const ReportDocument report = ListingReport::document(*dictionary, rows);
    QCOMPARE(report.columns.size(), 30);
    QCOMPARE(report.columns.first().caption, QStringLiteral("列1"));
    QCOMPARE(report.columns.last().caption, QStringLiteral("列30"));
    QCOMPARE(report.rows.size(), 1);
    QCOMPARE(report.rows.first().last(), QStringLiteral("30.50"));
    QCOMPARE(report.totals.last(), QStringLiteral("30.50"));
    QVERIFY(report.landscape);
}

// The member summary as the owner gets it on paper: read back from the
// PDF's text, with every member on it and the balances added up.
void TestStatistics::memberReportAsPdf()
{
    HallFixture f;
    QVERIFY(f.ready() && f.addMember(QStringLiteral("A001"), QVariant(), QStringLiteral("现金卡"), 0, 100));
    QVERIFY(f.addMember(QStringLiteral("B002"), QVariant(), QStringLiteral("优惠卡"), 8.5, 50.5));
    for (int i = 0; i < 300; ++i)
        QVERIFY(f.addMember(QStringLiteral("C%1").arg(i, 3, 10, QLatin1Char('0')), QVariant(), QStringLiteral("优惠卡"),
                            0, 1));

    QSqlQueryModel rows;
    rows.setQuery(QStringLiteral("SELECT * FROM user_lb"), f.hall.db());
    const ResultOf<ReportDictionary> dictionary = ReportDictionary::read(f.hall.db(), QStringLiteral("hyxflj"), true);
    QVERIFY2(dictionary, qPrintable(dictionary.result().message()));
    const QString text = pdfText(ListingReport::document(*dictionary, rows));
    for (const QString& drawn :
         {QStringLiteral("会员消费汇总"), QStringLiteral("卡号"), QStringLiteral("余额"), QStringLiteral("A001"),
          QStringLiteral("50.50"), QStringLiteral("C299"), QStringLiteral("450.50")})
        QVERIFY2(text.contains(drawn), qPrintable(drawn + QStringLiteral(" is not in:\n") + text));
    QVERIFY2(!text.contains(QStringLiteral("开户日期")), "a field not to be shown was printed");
}

// Laid out twice, as a screen does after every query: the captions it set
// the first time must not hide the fields the second time.
void TestStatistics::gridShowsOnlyTheDictionarysFields()
{
    HallFixture f;
    QVERIFY(f.ready() && f.addMember(QStringLiteral("A001"), QStringLiteral("pw"), QStringLiteral("现金卡"), 0, 100));
    QSqlQueryModel rows;
    rows.setQuery(QStringLiteral("SELECT * FROM user_lb"), f.hall.db());
    QTableView grid;
    grid.setModel(&rows);
    const int khao = rows.record().indexOf(QStringLiteral("khao"));
    const int mm = rows.record().indexOf(QStringLiteral("mm"));
    for (int pass = 0; pass < 2; ++pass) {
        ListingGrid::layOut(&grid, f.hall.db(), QStringLiteral("hyxflj"));
        QVERIFY(!grid.isColumnHidden(khao));
        QVERIFY(grid.isColumnHidden(mm));
        QCOMPARE(rows.headerData(khao, Qt::Horizontal).toString(), QStringLiteral("卡号"));
        QVERIFY(grid.columnWidth(khao) >= 60);
    }
}

QTEST_MAIN(TestStatistics)
#include "test_statistics.moc"
