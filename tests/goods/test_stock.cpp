#include "core/goods/StockBalance.h"
#include "core/goods/StockBalanceReport.h"
#include "support/HallFixture.h"
#include "support/PdfText.h"
#include "ui/goods/StockBalanceScreen.h"

#include <QAction>
#include <QDateEdit>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

using StockBalance::Grouping;

namespace {

// Documents written as "sr|zc date name count amount", separated by ";".
bool addDocuments(HallFixture& f, const QString& documents)
{
    for (const QString& document : documents.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        QStringList p = document.trimmed().split(QLatin1Char(' '));
        const QString table = p[0] == QStringLiteral("sr") ? QStringLiteral("ckv_sr") : QStringLiteral("ckv_zc");
        if (!f.hall.exec(
                QStringLiteral("insert into %1 (rc, wlcode, count, amount, jzbj) values (?, ?, ?, ?, 1)").arg(table),
                {p[1].replace(QLatin1Char('_'), QLatin1Char(' ')), p[2], p[3].toDouble(), p[4].toDouble()}))
            return false;
    }
    return true;
}

bool addCatalogue(HallFixture& f)
{
    return f.hall.exec(QStringLiteral("insert into spzd (headcode, name, spdw) values ('002', '雪碧', '瓶'), "
                                      "('001', '可乐', '瓶')"));
}

QString figures(const StockBalance::Figures& values)
{
    QStringList texts;
    for (int f = 0; f < StockBalance::FigureCount; ++f)
        texts.append(stockFigure(values[std::size_t(f)], StockBalance::Figure(f)));
    return texts.join(QLatin1Char(' '));
}

// Lines as "name: figures", separated by "|".
QString lines(const StockBalance::Balance& balance)
{
    QStringList texts;
    for (const StockBalance::Line& line : balance.lines)
        texts.append(line.name + QStringLiteral(": ") + figures(line.figures));
    return texts.join(QLatin1Char('|'));
}

int scratchRows(HallFixture& f)
{
    return f.value(QStringLiteral("select (select count(*) from sfjctemp) + (select count(*) from sfjctemp1)")).toInt();
}

} // namespace

class TestStock : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void balance_data();
    void balance();
    void scratchTablesStayEmpty();
    void screenShowsTheMonth();
    void reportAsPdf();
};

// The period is December 2026 throughout.
void TestStock::balance_data()
{
    QTest::addColumn<QString>("documents");
    QTest::addColumn<bool>("includeZero");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("totals");

    const auto row = [](const char* name, const char* documents, bool includeZero, const char* expected,
                        const char* totals) {
        QTest::newRow(name) << documents << includeZero << expected << totals;
    };
    row("opening from documents before the period", "sr 2026-11-20 可乐 10 30; zc 2026-11-25 可乐 4 20", false,
        "可乐: 6.00 10.00 0.00 0.00 0.00 0.00 6.00 10.00", "6.00 10.00 0.00 0.00 0.00 0.00 6.00 10.00");
    row("both ends of the period inside, the next day outside",
        "sr 2026-12-01 可乐 5 15; zc 2026-12-31 可乐 2 8; zc 2026-12-31_18:30:00 可乐 1 4; zc 2027-01-01 可乐 1 4; "
        "sr 2026-11-30 雪碧 1 2.5",
        false, "可乐: 0.00 0.00 5.00 15.00 3.00 12.00 2.00 3.00|雪碧: 1.00 2.50 0.00 0.00 0.00 0.00 1.00 2.50",
        "1.00 2.50 5.00 15.00 3.00 12.00 3.00 5.50");
    row("zero closing left out, also from binary fractions",
        "sr 2026-11-02 可乐 10 30; zc 2026-12-02 可乐 10 30; sr 2026-12-03 雪碧 1 0.1; sr 2026-12-03 雪碧 1 0.2; "
        "zc 2026-12-04 雪碧 2 0.3",
        false, "", "10.00 30.00 2.00 0.30 12.00 30.30 0.00 0.00");
    row("zero closing shown when asked", "sr 2026-11-02 可乐 10 30; zc 2026-12-02 可乐 10 30", true,
        "可乐: 10.00 30.00 0.00 0.00 10.00 30.00 0.00 0.00", "10.00 30.00 0.00 0.00 10.00 30.00 0.00 0.00");
    row("a name the catalogue does not know has no line but counts", "sr 2026-12-05 可乐 2 6; sr 2026-12-05 旧可乐 1 3",
        false, "可乐: 0.00 0.00 2.00 6.00 0.00 0.00 2.00 6.00", "0.00 0.00 3.00 9.00 0.00 0.00 3.00 9.00");
}

void TestStock::balance()
{
    QFETCH(QString, documents);
    QFETCH(bool, includeZero);
    QFETCH(QString, expected);
    QFETCH(QString, totals);
    HallFixture f;
    QVERIFY(f.ready() && addCatalogue(f));
    QVERIFY(addDocuments(f, documents));

    const ResultOf<StockBalance::Balance> result =
        StockBalance::compute(f.hall.db(), QDate(2026, 12, 1), QDate(2026, 12, 31), Grouping::ByStore, includeZero);
    QVERIFY2(result, qPrintable(result.result().message()));
    QVERIFY(result->anyBusiness);
    QCOMPARE(lines(*result), expected);
    QCOMPARE(figures(result->totals), totals);
}

// A run that fails half-way, and one after rows an older program left
// behind: neither leaves rows, and the stale rows count for nothing.
void TestStock::scratchTablesStayEmpty()
{
    HallFixture f;
    QVERIFY(f.ready() && addCatalogue(f));
    QVERIFY(addDocuments(f, QStringLiteral("sr 2026-11-20 可乐 10 30; zc 2026-11-25 可乐 4 20")));
    const QDate start(2026, 12, 1);
    const QDate end(2026, 12, 31);

    QVERIFY(f.hall.refuse(QStringLiteral("injected"), QStringLiteral("after insert on sfjctemp1"),
                          QStringLiteral("injected failure")));
    const ResultOf<StockBalance::Balance> failed =
        StockBalance::compute(f.hall.db(), start, end, Grouping::ByStore, true);
    QVERIFY(!failed);
    QVERIFY(failed.result().message().contains(QStringLiteral("injected failure")));
    QCOMPARE(scratchRows(f), 0);

    QVERIFY(f.hall.allow(QStringLiteral("injected")));
    QVERIFY(f.hall.exec(QStringLiteral("insert into sfjctemp (headcode, jysl, jyje) values ('可乐', 100, 300)")));
    ResultOf<StockBalance::Balance> result = StockBalance::compute(f.hall.db(), start, end, Grouping::ByStore, true);
    QVERIFY2(result, qPrintable(result.result().message()));
    QCOMPARE(lines(*result), QStringLiteral("可乐: 6.00 10.00 0.00 0.00 0.00 0.00 6.00 10.00"));
    QCOMPARE(scratchRows(f), 0);

    result = StockBalance::compute(f.hall.db(), start, end, Grouping::ByCategory, true);
    QVERIFY2(result, qPrintable(result.result().message()));
    QVERIFY(!result->anyBusiness);
    QCOMPARE(scratchRows(f), 0);
}

// Opened on the business date's month, a run fills the grid and the total
// boxes; "按商品分类" finds nothing, says so and keeps what was shown.
void TestStock::screenShowsTheMonth()
{
    HallFixture f;
    QVERIFY(f.ready() && addCatalogue(f));
    QVERIFY(addDocuments(f, QStringLiteral("sr 2026-11-20 可乐 10 30; zc 2026-11-25 可乐 4 20; "
                                           "sr 2026-12-06 雪碧 24 48; zc 2026-12-31 雪碧 3 7.5")));
    StockBalanceScreen screen(f.hall.state);
    QCOMPARE(control<QDateEdit>(&screen, QStringLiteral("startDate"))->date(), QDate(2026, 12, 1));
    QCOMPARE(control<QDateEdit>(&screen, QStringLiteral("endDate"))->date(), QDate(2026, 12, 31));

    control<QAction>(&screen, QStringLiteral("Find"))->trigger();
    auto* grid = control<QTableWidget>(&screen, QStringLiteral("balanceGrid"));
    QCOMPARE(grid->rowCount(), 2);
    QCOMPARE(grid->item(1, 0)->text(), QStringLiteral("雪碧"));
    QCOMPARE(grid->item(1, 8)->text(), QStringLiteral("40.50"));
    QStringList boxes;
    for (const char* name : {"openingCountTotal", "inCountTotal", "outCountTotal", "closingCountTotal",
                             "openingAmountTotal", "inAmountTotal", "outAmountTotal", "closingAmountTotal"})
        boxes.append(control<QLineEdit>(&screen, QLatin1String(name))->text());
    QCOMPARE(boxes.join(QLatin1Char(' ')), QStringLiteral("6.00 24.00 3.00 27.00 10.00 48.00 7.50 50.50"));
    QCOMPARE(f.messages.count(), 0);

    control<QRadioButton>(&screen, QStringLiteral("byCategoryButton"))->setChecked(true);
    control<QAction>(&screen, QStringLiteral("Find"))->trigger();
    QCOMPARE(f.messages.texts(), QStringList{QStringLiteral("本月无业务发生！")});
    QCOMPARE(grid->rowCount(), 2);
}

// The balance on paper, read back from the PDF's text with its totals.
void TestStock::reportAsPdf()
{
    HallFixture f;
    QVERIFY(f.ready() && addCatalogue(f));
    QVERIFY(addDocuments(f, QStringLiteral("sr 2026-11-20 可乐 10 30; zc 2026-11-25 可乐 4 20; "
                                           "sr 2026-12-06 雪碧 24 48; zc 2026-12-31 雪碧 3 7.5")));
    const ResultOf<StockBalance::Balance> balance =
        StockBalance::compute(f.hall.db(), QDate(2026, 12, 1), QDate(2026, 12, 31), Grouping::ByStore, false);
    QVERIFY2(balance, qPrintable(balance.result().message()));
    const QString text = pdfText(stockBalanceReport(*balance, QDate(2026, 12, 1), QDate(2026, 12, 31)));
    const QStringList totalsLine = text.split(QLatin1Char('\n')).filter(QStringLiteral("合计"));
    QVERIFY2(totalsLine.size() == 1, qPrintable(text));
    QCOMPARE(totalsLine.first().simplified(), QStringLiteral("合计 6.00 10.00 24.00 48.00 3.00 7.50 27.00 50.50"));
    for (const QString& drawn : {QStringLiteral("收发结存表"), QStringLiteral("2026-12-01 至 2026-12-31"),
                                 QStringLiteral("002"), QStringLiteral("雪碧"), QStringLiteral("40.50")})
        QVERIFY2(text.contains(drawn), qPrintable(drawn + QStringLiteral(" is not in:\n") + text));
}

QTEST_MAIN(TestStock)
#include "test_stock.moc"
