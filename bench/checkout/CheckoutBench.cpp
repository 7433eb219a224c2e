#include "BenchHall.h"
#include "BenchStats.h"
#include "ServerHall.h"
#include "core/base/Clock.h"
#include "core/base/FixedClock.h"
#include "core/base/Sql.h"
#include "core/billing/Checkout.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>

namespace {

constexpr double TargetMilliseconds = 15;
// No file to sync: the server writes its log once per commit.
constexpr double ServerTargetMilliseconds = 5;
constexpr qint64 History = 100000;
constexpr int FirstTable = BenchHall::OpenTables + 1;
const QString Card = QStringLiteral("BENCH");

void fail(const QString& text)
{
    std::fprintf(stderr, "bench-checkout: %s\n", qUtf8Printable(text));
}

// A member who pays from a balance that never runs out, a goods catalogue
// and a settled goods history beside the visit history.
Result addCheckoutRows(QSqlDatabase& db)
{
    return Sql::transaction(db, [&] {
        Result result = Sql::exec(db,
                                  QStringLiteral("insert into user_lb (khao, klx, yk, jslj, jelj) "
                                                 "values (?, '现金优惠卡', 1e12, 0, 0)"),
                                  {Card});
        if (result)
            result = Sql::exec(
                db, QStringLiteral("with recursive n(i) as (select 1 union all select i + 1 from n where i < 200) "
                                   "insert into spzd (headcode, name, spdj, sp_max, sp_mix) "
                                   "select printf('%05d', i), '商品' || i, 5 + i % 20, i % 3, 0 from n"));
        if (result)
            result = Sql::exec(
                db,
                QStringLiteral("with recursive n(i) as (select 1 union all select i + 1 from n where i < ?) "
                               "insert into ckv_zc (rc, wlcode, count, price, amount, czyname, zhao, jzbj, dzbj) "
                               "select date('2016-01-01', '+' || (i / 300) || ' days'), '商品' || (i % 200 + 1), 1, "
                               "10, 10, '操作员', i % 48 + 1, 1, '3' from n"),
                {History * 3});
        return result;
    });
}

Result openTable(QSqlDatabase& db, int table, int serial)
{
    return Sql::transaction(db, [&] {
        Result result = Sql::exec(db,
                                  QStringLiteral("insert into waimxd (zhao, khao, ksrc, dj, dj1, czyname) "
                                                 "values (?, ?, '2026-12-06 19:00:00', 16, 22, 'bench')"),
                                  {table, Card});
        for (int i = 0; result && i < 3; ++i)
            result = Sql::exec(
                db,
                QStringLiteral("insert into ckv_zc (zhao, wlcode, count, price, amount, czyname, jzbj) "
                               "values (?, ?, 2, 6, 12, 'bench', 0)"),
                {QString::number(table), QString(QStringLiteral("商品") + QString::number((serial + i) % 200 + 1))});
        if (result)
            result = Sql::exec(db, QStringLiteral("update zhdy set sybj=1 where zhao=?"), {table});
        return result;
    });
}

// The times of `count` checkouts after a tenth as many to warm up, in
// milliseconds and sorted; empty after printing why when one failed.
QList<double> timeCheckouts(AppState& state, int count)
{
    QList<double> millis;
    const int warmUp = count / 10;
    QElapsedTimer timer;
    for (int i = 0; i < warmUp + count; ++i) {
        const int table = FirstTable + i % (BenchHall::Tables - BenchHall::OpenTables);
        if (const Result opened = openTable(state.DbConn, table, i); !opened) {
            fail(opened.message());
            return {};
        }
        timer.start();
        const Checkout::Bill bill =
            Checkout::settle(state, {QString::number(table), Card, QString(), QStringLiteral("0")});
        const double elapsed = timer.nsecsElapsed() / 1e6;
        if (!bill.settled() || bill.goods.size() != 3 || bill.charge.segments.size() != 1) {
            fail(QStringLiteral("checkout %1 did not settle one segment with three goods rows: %2")
                     .arg(i)
                     .arg(bill.error.message()));
            return {};
        }
        if (i >= warmUp)
            millis.append(elapsed);
    }
    std::sort(millis.begin(), millis.end());
    return millis;
}

void print(const char* label, const QList<double>& millis)
{
    std::printf("  %smedian %.2f ms, fastest %.2f ms, 90th percentile %.2f ms, slowest %.2f ms\n", label,
                median(millis), millis.first(), millis.at(millis.size() * 9 / 10), millis.last());
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Times one-segment checkouts of a member with three goods rows, through the commit, on 48 "
                       "tables with %1 settled visits, in WAL mode with full sync. Fails when the median is %2 ms "
                       "or more.")
            .arg(History)
            .arg(TargetMilliseconds));
    parser.addHelpOption();
    const QCommandLineOption countOption({QStringLiteral("n"), QStringLiteral("checkouts")},
                                         QStringLiteral("Timed checkouts."), QStringLiteral("COUNT"),
                                         QStringLiteral("300"));
    parser.addOption(countOption);
    ServerHall::addOption(parser);
    parser.process(app);
    const QString serverUri = ServerHall::uri(parser);
    bool isNumber = false;
    const int count = parser.value(countOption).toInt(&isNumber);
    if (!isNumber || count < 10) {
        fail(QStringLiteral("--checkouts needs a whole number of at least 10"));
        return Failed;
    }

    // 20:00, an hour after the visits start at 19:00, inside one band: one segment.
    FixedClock clock(QDateTime(QDate(2026, 12, 6), QTime(20, 0)));
    Clock::install(&clock);
    BenchHall hall;
    Result result = hall.fill(History);
    if (result)
        result = hall.addOperator();
    if (result)
        result = addCheckoutRows(hall.state.DbConn);
    if (!result) {
        fail(result.message());
        return Failed;
    }
    hall.state.OperatorName = QStringLiteral("bench");
    hall.state.BusinessDate = QDate(2026, 12, 6);
    std::printf("journal_mode %s, synchronous %s (2 = full)\n",
                qUtf8Printable(Sql::scalar(hall.state.DbConn, QStringLiteral("PRAGMA journal_mode"))->toString()),
                qUtf8Printable(Sql::scalar(hall.state.DbConn, QStringLiteral("PRAGMA synchronous"))->toString()));

    // Copied before the file's checkouts, so that both start from the same hall.
    ServerHall server;
    AppState onServer = hall.state;
    if (!serverUri.isEmpty()) {
        if (result = server.copy(serverUri, hall.state.DbConn); !result) {
            fail(result.message());
            return Failed;
        }
        onServer.DbConn = server.db;
    }

    const QList<double> millis = timeCheckouts(hall.state, count);
    if (millis.isEmpty())
        return Failed;
    QList<double> serverMillis;
    if (!serverUri.isEmpty() && (serverMillis = timeCheckouts(onServer, count)).isEmpty())
        return Failed;
    Clock::install(nullptr);

    const double med = median(millis);
    std::printf("%d checkouts, %lld settled visits in the hall:\n", count, static_cast<long long>(History));
    print("", millis);
    std::printf("  target: median under %.0f ms\n", TargetMilliseconds);
    if (serverUri.isEmpty())
        return med < TargetMilliseconds ? WithinTarget : AboveTarget;
    print("PostgreSQL: ", serverMillis);
    std::printf("  PostgreSQL target: median under %.0f ms\n", ServerTargetMilliseconds);
    return med < TargetMilliseconds && median(serverMillis) < ServerTargetMilliseconds ? WithinTarget : AboveTarget;
}
