#include "GalleryShift.h"

#include "core/base/AppState.h"
#include "core/base/DateText.h"
#include "core/base/Sql.h"
#include "core/billing/Checkout.h"
#include "core/board/TableOpening.h"
#include "core/goods/GoodsDocument.h"
#include "core/members/MemberTopUp.h"

#include <cstdio>

namespace {

void report(const char* step, const QString& why)
{
    std::fprintf(stderr, "cannot stage the shift's %s: %s\n", step, qUtf8Printable(why));
}

void sell(AppState& state, const QString& table, const QString& goods, const QString& count, const QString& price)
{
    const QString amount = QString::number(count.toDouble() * price.toDouble());
    const GoodsDocument::Typed typed{DateText::date(state.BusinessDate),
                                     goods,
                                     count,
                                     price,
                                     amount,
                                     QString(),
                                     state.OperatorName,
                                     QString(),
                                     QString(),
                                     table};
    const GoodsDocument::Saved saved = GoodsDocument::save(state.DbConn, GoodsDocument::Kind::Sale, typed, 0,
                                                           {state.BusinessDate, state.OperatorName});
    if (!saved.done())
        report("sale", saved.refusal.isEmpty() ? saved.result.message() : saved.refusal.text);
}

} // namespace

void stageShift(AppState& state)
{
    const QString table = QStringLiteral("12");
    const ResultOf<TableOpening::Opened> opened = TableOpening::openTable(
        state, {table, QStringLiteral("8000000002"), QStringLiteral("1002"), QString(), QString()});
    Result result = opened.result();
    // Seventy minutes ago, as the board's own evening is staged.
    if (result)
        result = Sql::exec(state.DbConn,
                           QStringLiteral("update waimxd set ksrc=datetime(ksrc, '-70 minutes') where zhao=? and "
                                          "jsrc is null"),
                           {table.toInt()});
    if (!result || opened->outcome != TableOpening::Outcome::Opened) {
        report("member table", result.message());
        return;
    }
    sell(state, table, QStringLiteral("红牛"), QStringLiteral("2"), QStringLiteral("8"));
    const Checkout::Bill bill =
        Checkout::settle(state, {table, QStringLiteral("8000000002"), QStringLiteral("1002"), QStringLiteral("0")});
    if (!bill.settled())
        report("checkout", Checkout::notice(bill).text);
    sell(state, QString(), QStringLiteral("矿泉水"), QStringLiteral("3"), QStringLiteral("3"));
    const MemberTopUp::Outcome topUp =
        MemberTopUp::topUp(state, {QStringLiteral("8000000001"), QStringLiteral("300"), QStringLiteral("280")});
    if (!topUp.result || !topUp.refusal.isEmpty())
        report("top-up", topUp.refusal.isEmpty() ? topUp.result.message() : topUp.refusal.text);
}
