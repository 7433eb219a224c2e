#include "core/reports/ListingReport.h"
#include "support/HallFixture.h"
#include "support/PdfText.h"
#include "ui/reports/ListingGrid.h"

#include <QApplication>
#include <QHeaderView>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QTableView>
#include <QTest>

class TestListingReport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cellText_data();
    void cellText();
    void atMostThirtyColumnsInOrder();
    void memberReportAsPdf();
    void gridShowsOnlyTheDictionarysFields();
};

void TestListingReport::cellText_data()
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

void TestListingReport::cellText()
{
    QFETCH(QVariant, value);
    QFETCH(QString, type);
    QFETCH(QString, shown);
    QCOMPARE(ListingReport::cellText(value, type), shown);
}

// Forty shown fields written in reverse: the page takes the first thirty by
// their order number, not by the order the rows happen to be stored in.
void TestListingReport::atMostThirtyColumnsInOrder()
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
void TestListingReport::memberReportAsPdf()
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
void TestListingReport::gridShowsOnlyTheDictionarysFields()
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

QTEST_MAIN(TestListingReport)
#include "test_listing_report.moc"
