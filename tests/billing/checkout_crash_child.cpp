// Settles the tables of a crash-test hall over and over until it is killed
// (or for a given number of rounds): each round opens every free table again
// with a member card and three goods rows, in a transaction of its own, and
// settles it. Prints "ready" once the database is open.

#include "base/Clock.h"
#include "base/Database.h"
#include "base/FixedClock.h"
#include "base/Sql.h"
#include "billing/Checkout.h"
#include "billing/ModuseCheck.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

const QList<std::pair<int, QString>> Tables = {{1, QStringLiteral("M1")}, {2, QStringLiteral("M2")}};

Result reopen(QSqlDatabase& db, int table, const QString& card)
{
    return Sql::transaction(db, [&] {
        QSqlQuery visit(db);
        Result result = Sql::exec(visit,
                                  QStringLiteral("insert into waimxd (zhao, khao, ksrc, dj, dj1, czyname) "
                                                 "values (?, ?, '2026-12-06 12:20:00', 10, 10, 'crash')"),
                                  {table, card});
        const qint64 id = visit.lastInsertId().toLongLong();
        for (int i = 0; result && i < 3; ++i)
            result = Sql::exec(db,
                               QStringLiteral("insert into ckv_zc (dj_id, zhao, wlcode, count, price, amount, jzbj) "
                                              "values (?, ?, '可乐', 1, 10, 10, 0)"),
                               {id, QString::number(table)});
        if (result)
            result = Sql::exec(db, QStringLiteral("update zhdy set sybj=1, tx=15, fwfl=100 where zhao=?"), {table});
        return result;
    });
}

int fail(const QString& text)
{
    std::fprintf(stderr, "checkout_crash_child: %s\n", qUtf8Printable(text));
    return 3;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2)
        return fail(QStringLiteral("usage: checkout_crash_child DATABASE [ROUNDS]"));
    const qint64 rounds = args.size() > 2 ? args.at(2).toLongLong() : -1;

    FixedClock clock(QDateTime(QDate(2026, 12, 6), QTime(14, 0)));
    Clock::install(&clock);
    AppState state;
    Result result = Database::open(args.at(1), QStringLiteral("crash"), &state.DbConn);
    if (!result)
        return fail(result.message());
    state.OperatorName = QStringLiteral("crash");
    state.BusinessDate = QDate(2026, 12, 6);
    std::printf("ready\n");
    std::fflush(stdout);

    for (qint64 round = 0; rounds < 0 || round < rounds; ++round) {
        for (const auto& [table, card] : Tables) {
            if (!IsZhUse(state.DbConn, QString::number(table), &result)) {
                if (result)
                    result = reopen(state.DbConn, table, card);
                if (!result)
                    return fail(result.message());
            }
            const Checkout::Bill bill = Checkout::settle(state, {QString::number(table), card, QString(), QString()});
            if (!bill.settled())
                return fail(QStringLiteral("table %1 not settled: %2").arg(table).arg(bill.error.message()));
        }
    }
    Clock::install(nullptr);
    return 0;
}
