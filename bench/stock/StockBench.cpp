#include "BenchStats.h"
#include "core/base/Database.h"
#include "core/base/Sql.h"
#include "core/goods/StockBalance.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <cmath>
#include <cstdio>

namespace {

constexpr double TargetRatio = 1.5;
constexpr int Goods = 200;
constexpr int Documents = 500000;
constexpr int Days = 1826;
const QDate First(2022, 1, 1);
const QDate MonthStart(2026, 12, 1);
const QDate MonthEnd(2026, 12, 31);

void fail(const QString& text)
{
    std::fprintf(stderr, "bench-stock: %s\n", qUtf8Printable(text));
}

// Every goods item bought and sold on every day of the five years in turn;
// the documents store the goods name, as the documents screen writes it.
Result addHall(QSqlDatabase& db)
{
    Result result =
        Sql::exec(db,
                  QStringLiteral("with recursive n(i) as (select 1 union all select i + 1 from n where i < ?) "
                                 "insert into spzd (headcode, name, spdw, spdj) "
                                 "select printf('%03d', i), '商品' || i, '瓶', 5 from n"),
                  {Goods});
    for (const QString& table : {QStringLiteral("ckv_sr"), QStringLiteral("ckv_zc")}) {
        if (!result)
            break;
        result = Sql::exec(db,
                           QStringLiteral("with recursive n(i) as (select 0 union all select i + 1 from n where i < ?) "
                                          "insert into %1 (dj_id, rc, wlcode, count, price, amount, czyname, jzbj) "
                                          "select i, date(?, '+' || (i % ?) || ' days'), '商品' || (i % ? + 1), "
                                          "i % 7 + 1, 2.5, (i % 7 + 1) * 2.5, 'bench', 1 from n")
                               .arg(table),
                           {Documents / 2 - 1, First.toString(Qt::ISODate), Days, Goods});
    }
    return result;
}

// The same figures in one statement, straight from the documents.
const QString DirectQuery =
    QStringLiteral("select spzd.headcode, spzd.name, spzd.spdw, o_sl, o_je, r_sl, r_je, c_sl, c_je, "
                   "o_sl + r_sl - c_sl, o_je + r_je - c_je from ("
                   "select wlcode, "
                   "sum(case when rc < ? then sign * count else 0 end) as o_sl, "
                   "sum(case when rc < ? then sign * amount else 0 end) as o_je, "
                   "sum(case when rc >= ? and sign = 1 then count else 0 end) as r_sl, "
                   "sum(case when rc >= ? and sign = 1 then amount else 0 end) as r_je, "
                   "sum(case when rc >= ? and sign = -1 then count else 0 end) as c_sl, "
                   "sum(case when rc >= ? and sign = -1 then amount else 0 end) as c_je "
                   "from (select 1 as sign, wlcode, rc, count, amount from ckv_sr where rc < ? "
                   "union all select -1, wlcode, rc, count, amount from ckv_zc where rc < ?) as documents "
                   "group by wlcode) as goods join spzd on goods.wlcode = spzd.name order by spzd.headcode");

Result runDirect(const QSqlDatabase& db, double* closingAmount)
{
    const QString from = MonthStart.toString(Qt::ISODate);
    const QString until = MonthEnd.addDays(1).toString(Qt::ISODate);
    QSqlQuery query(db);
    const Result result = Sql::exec(query, DirectQuery, {from, from, from, from, from, from, until, until});
    if (!result)
        return result;
    double sum = 0;
    while (query.next())
        sum += query.value(10).toDouble();
    *closingAmount = sum;
    return Result::success();
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Times the stock balance of one month over %1 documents of five years and %2 goods, beside one "
                       "GROUP BY query giving the same figures on the same file. Fails when the median balance "
                       "takes %3 times the query's median or more.")
            .arg(Documents)
            .arg(Goods)
            .arg(TargetRatio));
    parser.addHelpOption();
    const int runs = timedRuns(parser, app, 11);
    if (runs == 0) {
        fail(QStringLiteral("--runs needs a whole number of at least 3"));
        return Failed;
    }

    QTemporaryDir dir;
    QSqlDatabase db;
    Result result = Database::create(dir.filePath(QStringLiteral("jssfserver.mdb")), QStringLiteral("bench"), &db);
    if (result)
        result = Sql::transaction(db, [&] { return addHall(db); });
    if (!result) {
        fail(result.message());
        return Failed;
    }

    QList<double> balanceTimes;
    QList<double> directTimes;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        const ResultOf<StockBalance::Balance> balance =
            StockBalance::compute(db, MonthStart, MonthEnd, StockBalance::Grouping::ByStore, true);
        result = balance.result();
        balanceTimes.append(double(timer.nsecsElapsed()) / 1e6);
        double direct = 0;
        timer.restart();
        if (result)
            result = runDirect(db, &direct);
        directTimes.append(double(timer.nsecsElapsed()) / 1e6);
        if (!result) {
            fail(result.message());
            return Failed;
        }
        double fromBalance = 0;
        for (const StockBalance::Line& line : balance->lines)
            fromBalance += line.figures[StockBalance::ClosingAmount];
        if (balance->lines.size() != Goods || std::abs(fromBalance - direct) > 0.005) {
            fail(QStringLiteral("the balance (%1 goods, closing %2) differs from the query (closing %3)")
                     .arg(balance->lines.size())
                     .arg(fromBalance, 0, 'f', 2)
                     .arg(direct, 0, 'f', 2));
            return Failed;
        }
    }
    const double ratio = median(balanceTimes) / median(directTimes);
    std::printf("goods: %d, documents: %d over five years, month %s, runs: %d\n", Goods, Documents,
                qPrintable(MonthStart.toString(QStringLiteral("yyyy-MM"))), runs);
    std::printf("stock balance (sfjc):        median %.2f ms\n", median(balanceTimes));
    std::printf("one GROUP BY query directly: median %.2f ms\n", median(directTimes));
    std::printf("ratio %.2f (target < %.1f)\n", ratio, TargetRatio);
    db = QSqlDatabase();
    Database::close(QStringLiteral("bench"));
    return ratio < TargetRatio ? WithinTarget : AboveTarget;
}
