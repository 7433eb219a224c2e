// Runs one multi-statement command of the hall over and over on a prepared
// power-cut hall until it is killed (or for a given number of rounds). Prints
// "ready" once the database is open. Each round leaves a committed state the
// parent can check after a kill; whatever the round needs besides the command
// (reopening a settled table, unreconciling settled rows) is a transaction of
// its own, so it is wholly there or wholly absent too.

#include "core/base/Clock.h"
#include "core/base/Database.h"
#include "core/base/FixedClock.h"
#include "core/base/Sql.h"
#include "core/billing/Checkout.h"
#include "core/billing/OpenVisit.h"
#include "core/billing/RateSchemes.h"
#include "core/board/TableMove.h"
#include "core/goods/GoodsDocument.h"
#include "core/members/MemberTopUp.h"
#include "core/reports/DayTakings.h"

#include <QCoreApplication>
#include <QHash>

#include <cstdio>
#include <functional>

namespace {

using Command = std::function<Result(AppState&, qint64 round)>;

Result reopen(QSqlDatabase& db, int table, const QString& card)
{
    return Sql::transaction(db, [&] {
        QSqlQuery visit(db);
        Result result = Sql::exec(visit,
                                  QStringLiteral("insert into waimxd (zhao, khao, ksrc, dj, dj1, czyname) "
                                                 "values (?, ?, '2026-12-06 12:20:00', 10, 10, 'system')"),
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

Result checkout(AppState& state, qint64)
{
    const QList<std::pair<int, QString>> tables = {{1, QStringLiteral("M1")}, {2, QStringLiteral("M2")}};
    for (const auto& [table, card] : tables) {
        const ResultOf<bool> inUse = isTableInUse(state.DbConn, QString::number(table));
        if (!inUse)
            return inUse.result();
        if (!*inUse) {
            const Result reopened = reopen(state.DbConn, table, card);
            if (!reopened)
                return reopened;
        }
        const Checkout::Bill bill = Checkout::settle(state, {QString::number(table), card, QString(), QString()});
        if (!bill.settled())
            return Result::failure(QStringLiteral("table %1 not settled: %2").arg(table).arg(bill.error.message()));
    }
    return Result::success();
}

Result transfer(AppState& state, qint64)
{
    const ResultOf<std::optional<OpenVisit>> visit = findOpenVisit(state.DbConn, 1);
    if (!visit)
        return visit.result();
    const qint16 source = *visit ? 1 : 2;
    const ResultOf<TableMove::Transfer> outcome = TableMove::transfer(state.DbConn, source, qint16(3 - source));
    if (outcome && *outcome != TableMove::Transfer::Moved)
        return Result::failure(TableMove::refusal(*outcome, source, qint16(3 - source)));
    return outcome.result();
}

Result swap(AppState& state, qint64)
{
    const ResultOf<bool> swapped = TableMove::swap(state.DbConn, 1, 2);
    return swapped && !*swapped ? Result::failure(QStringLiteral("nothing swapped")) : swapped.result();
}

QString amount(qint64 round)
{
    return QString::number(1 + round % 7) + QStringLiteral(".25");
}

Result recharge(AppState& state, qint64 round)
{
    const MemberTopUp::Outcome outcome =
        MemberTopUp::topUp(state, {QStringLiteral("M1"), amount(round), amount(round)});
    return outcome.refusal.isEmpty() ? outcome.result : Result::failure(outcome.refusal.text);
}

Result counterSale(AppState& state, qint64 round)
{
    GoodsDocument::Typed typed;
    typed.date = QStringLiteral("2026-12-06");
    typed.goods = QStringLiteral("可乐");
    typed.count = QStringLiteral("1");
    typed.price = amount(round);
    typed.amount = amount(round);
    typed.preparer = state.OperatorName;
    const GoodsDocument::Saved saved = GoodsDocument::save(state.DbConn, GoodsDocument::Kind::Sale, typed, 0,
                                                           {state.BusinessDate, state.OperatorName});
    return saved.refusal.isEmpty() ? saved.result : Result::failure(saved.refusal.text);
}

Result scheme(AppState& state, qint64 round)
{
    const ResultOf<QString> refusal =
        RateSchemes::assign(state.DbConn, round % 2 ? QStringLiteral("乙") : QStringLiteral("甲"), {1, 2, 3, 4, 5, 6});
    if (!refusal)
        return refusal.result();
    return refusal->isEmpty() ? Result::success() : Result::failure(*refusal);
}

// Puts the operator's reconciled rows back to settled, so that the settles
// have work again; both tables in one transaction.
Result unreconcile(AppState& state)
{
    return Sql::transaction(state.DbConn, [&] {
        Result result =
            Sql::exec(state.DbConn, QStringLiteral("update waimxd set dzbj='1' where czyname=?"), {state.OperatorName});
        if (result)
            result = Sql::exec(state.DbConn, QStringLiteral("update ckv_zc set dzbj='1' where czyname=?"),
                               {state.OperatorName});
        return result;
    });
}

ResultOf<QVariant> reconciled(const AppState& state)
{
    return Sql::scalar(state.DbConn, QStringLiteral("select max(dzbj) from waimxd where czyname=?"),
                       {state.OperatorName});
}

Result shiftSettle(AppState& state, qint64)
{
    const ResultOf<QVariant> mark = reconciled(state);
    if (!mark)
        return mark.result();
    return mark->toString() == QStringLiteral("1") ? DayTakings::settleShift(state.DbConn, state.OperatorName)
                                                   : unreconcile(state);
}

Result daySettle(AppState& state, qint64)
{
    const ResultOf<QVariant> reconciledMark = reconciled(state);
    if (!reconciledMark)
        return reconciledMark.result();
    const QString mark = reconciledMark->toString();
    if (mark == QStringLiteral("1"))
        return DayTakings::settleShift(state.DbConn, state.OperatorName);
    return mark == QStringLiteral("2") ? DayTakings::settleDay(state.DbConn) : unreconcile(state);
}

const QHash<QString, Command> Commands = {
    {QStringLiteral("checkout"), checkout},
    {QStringLiteral("transfer"), transfer},
    {QStringLiteral("swap"), swap},
    {QStringLiteral("recharge"), recharge},
    {QStringLiteral("counter sale"), counterSale},
    {QStringLiteral("scheme"), scheme},
    {QStringLiteral("shift settle"), shiftSettle},
    {QStringLiteral("day settle"), daySettle},
};

int fail(const QString& text)
{
    std::fprintf(stderr, "power_cut_child: %s\n", qUtf8Printable(text));
    return 3;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3 || !Commands.contains(args.at(2)))
        return fail(QStringLiteral("usage: power_cut_child DATABASE COMMAND [ROUNDS]"));
    const Command command = Commands.value(args.at(2));
    const qint64 rounds = args.size() > 3 ? args.at(3).toLongLong() : -1;

    FixedClock clock(QDateTime(QDate(2026, 12, 6), QTime(14, 0)));
    Clock::install(&clock);
    AppState state;
    Result result = Database::openNamed(args.at(1), QStringLiteral("power-cut"), &state.DbConn);
    if (!result)
        return fail(result.message());
    state.OperatorName = QStringLiteral("system");
    state.BusinessDate = QDate(2026, 12, 6);
    std::printf("ready\n");
    std::fflush(stdout);

    for (qint64 round = 0; rounds < 0 || round < rounds; ++round) {
        result = command(state, round);
        if (!result)
            return fail(args.at(2) + QStringLiteral(": ") + result.message());
    }
    Clock::install(nullptr);
    return 0;
}
