#include "NightRun.h"

#include "NightHall.h"
#include "core/base/AppState.h"
#include "core/base/Clock.h"
#include "core/base/DateText.h"
#include "core/billing/Checkout.h"
#include "core/board/TableMove.h"
#include "core/board/TableOpening.h"
#include "core/goods/GoodsDocument.h"
#include "core/members/MemberTopUp.h"
#include "core/reports/DayTakings.h"

#include <cmath>

namespace {

// Chances per simulated second; one draw decides which, if any, happens.
constexpr double OpenChance = 1.0 / 45;
constexpr double CheckoutChance = 1.0 / 50;
constexpr double TableSaleChance = 1.0 / 80;
constexpr double CounterSaleChance = 1.0 / 400;
constexpr double TopUpChance = 1.0 / 900;
constexpr double TransferChance = 1.0 / 1500;
constexpr double SwapChance = 1.0 / 2000;

// A guest plays at least this long before the operator settles the table.
constexpr qint64 ShortestVisit = 10 * 60;

Result failed(const QString& what, const QString& why)
{
    return Result::failure(Clock::now().toString(QStringLiteral("HH:mm:ss ")) + what + QStringLiteral(": ") + why);
}

} // namespace

NightRun::NightRun(AppState& state, BoardModel& board, NightTally& tally, unsigned seed)
    : m_state(state)
    , m_board(board)
    , m_tally(tally)
    , m_random(seed)
{}

QList<int> NightRun::rows(bool inUse) const
{
    QList<int> found;
    for (int row = 0; row < m_board.rowCount(); ++row) {
        if (m_board.table(row).visit.has_value() == inUse)
            found.append(row);
    }
    return found;
}

int NightRun::pick(const QList<int>& rows)
{
    return rows.at(std::uniform_int_distribution<qsizetype>(0, rows.size() - 1)(m_random));
}

Result NightRun::act()
{
    double draw = std::uniform_real_distribution<double>(0, 1)(m_random);
    const auto falls = [&draw](double chance) {
        draw -= chance;
        return draw < 0;
    };
    if (falls(OpenChance))
        return open();
    if (falls(CheckoutChance))
        return checkoutAny();
    if (falls(TableSaleChance))
        return sellToTable();
    if (falls(CounterSaleChance))
        return sellAtCounter();
    if (falls(TopUpChance)) {
        const QStringList& cards = NightHall::cards();
        return topUp(cards.at(std::uniform_int_distribution<qsizetype>(0, cards.size() - 1)(m_random)),
                     QStringLiteral("100"));
    }
    if (falls(TransferChance))
        return transfer();
    if (falls(SwapChance))
        return swap();
    return Result::success();
}

Result NightRun::open()
{
    const QList<int> free = rows(false);
    if (free.isEmpty())
        return Result::success();
    const BoardRow& table = m_board.table(pick(free));
    TableOpening::Request request{QString::number(table.number), QString(), QString(), QStringLiteral("0"),
                                  QStringLiteral("0")};
    if (std::bernoulli_distribution(0.45)(m_random)) {
        const QString card =
            NightHall::cards().at(std::uniform_int_distribution<qsizetype>(0, NightHall::cards().size() - 1)(m_random));
        bool onBoard = false;
        for (int row : rows(true))
            onBoard = onBoard || m_board.table(row).visit->card.compare(card, Qt::CaseInsensitive) == 0;
        if (!onBoard) {
            request.card = card;
            request.password = NightHall::password();
        }
    }
    if (std::bernoulli_distribution(0.2)(m_random)) {
        request.reminderMinutes = QStringLiteral("60");
        request.deposit = QStringLiteral("50");
    }
    const ResultOf<TableOpening::Opened> opened = TableOpening::openTable(m_state, request);
    if (!opened)
        return failed(QStringLiteral("opening table ") + request.table, opened.result().message());
    if (opened->outcome != TableOpening::Outcome::Opened)
        return failed(QStringLiteral("opening table ") + request.table,
                      QStringLiteral("not opened, outcome %1").arg(int(opened->outcome)));
    ++m_tally.opened;
    return opened.result();
}

Result NightRun::checkoutAny()
{
    QList<int> due;
    for (int row : rows(true)) {
        if (m_board.table(row).visit->start.secsTo(Clock::now()) >= ShortestVisit)
            due.append(row);
    }
    return due.isEmpty() ? Result::success() : checkout(pick(due));
}

// A card that pays from a balance too small is topped up at the counter and
// the table settled again, as the operator would.
Result NightRun::checkout(int row)
{
    const BoardRow& table = m_board.table(row);
    const QString card = table.visit->card;
    const Checkout::Request request{QString::number(table.number), card,
                                    card.isEmpty() ? QString() : NightHall::password(), QStringLiteral("0")};
    Checkout::Bill bill = Checkout::settle(m_state, request);
    if (bill.outcome == Checkout::Outcome::ShortBalance) {
        ++m_tally.shortBalances;
        const Result result = topUp(card, QString::number(std::ceil(bill.timeCharge() / 100) * 100 + 100));
        if (!result)
            return result;
        bill = Checkout::settle(m_state, request);
    }
    if (!bill.settled())
        return failed(QStringLiteral("checkout of table ") + request.table,
                      QStringLiteral("outcome %1 %2").arg(int(bill.outcome)).arg(bill.error.message()));
    ++m_tally.settled;
    m_tally.twoBandVisits += bill.charge.segments.size() > 1 ? 1 : 0;
    m_tally.timeCharges += bill.timeCharge();
    m_tally.tableGoods += bill.goodsTotal;
    m_tally.closedRows.append(bill.visitIds);
    for (const SettledGoods& goods : std::as_const(bill.goods))
        m_tally.billedGoods.insert(goods.id, bill.visitIds.first());
    return Result::success();
}

Result NightRun::sellToTable()
{
    const QList<int> inUse = rows(true);
    if (inUse.isEmpty())
        return Result::success();
    const QString table = QString::number(m_board.table(pick(inUse)).number);
    const qsizetype item = std::uniform_int_distribution<qsizetype>(0, NightHall::goods().size() - 1)(m_random);
    const QString count = QString::number(std::uniform_int_distribution<int>(1, 4)(m_random));
    const QString price = QString::number(4 + 3 * item);
    GoodsDocument::Typed typed;
    typed.date = DateText::date(m_state.BusinessDate);
    typed.goods = NightHall::goods().at(item);
    typed.count = count;
    typed.price = price;
    typed.amount = GoodsDocument::amountText(GoodsDocument::amountOf(count, price).value_or(0));
    typed.preparer = m_state.OperatorName;
    typed.table = table;
    const GoodsDocument::Saved saved = GoodsDocument::save(m_state.DbConn, GoodsDocument::Kind::Sale, typed, 0,
                                                           {m_state.BusinessDate, m_state.OperatorName});
    if (!saved.done())
        return failed(QStringLiteral("sale to table ") + table, saved.result.message() + saved.refusal.text);
    ++m_tally.tableSales;
    return Result::success();
}

Result NightRun::sellAtCounter()
{
    const qsizetype item = std::uniform_int_distribution<qsizetype>(0, NightHall::goods().size() - 1)(m_random);
    const QString count = QString::number(std::uniform_int_distribution<int>(1, 6)(m_random));
    const QString price = QString::number(4 + 3 * item) + QStringLiteral(".5");
    const double amount = GoodsDocument::amountOf(count, price).value_or(0);
    GoodsDocument::Typed typed;
    typed.date = DateText::date(m_state.BusinessDate);
    typed.goods = NightHall::goods().at(item);
    typed.count = count;
    typed.price = price;
    typed.amount = GoodsDocument::amountText(amount);
    typed.preparer = m_state.OperatorName;
    const GoodsDocument::Saved saved = GoodsDocument::save(m_state.DbConn, GoodsDocument::Kind::Sale, typed, 0,
                                                           {m_state.BusinessDate, m_state.OperatorName});
    if (!saved.done())
        return failed(QStringLiteral("counter sale"), saved.result.message() + saved.refusal.text);
    ++m_tally.counterSales;
    m_tally.counterTakings += amount;
    return Result::success();
}

Result NightRun::topUp(const QString& card, const QString& amount)
{
    const MemberTopUp::Outcome outcome = MemberTopUp::topUp(m_state, {card, amount, amount});
    if (!outcome.result || !outcome.refusal.isEmpty())
        return failed(QStringLiteral("top-up of ") + card, outcome.result.message() + outcome.refusal.text);
    ++m_tally.topUps;
    return Result::success();
}

Result NightRun::transfer()
{
    const QList<int> inUse = rows(true);
    const QList<int> free = rows(false);
    if (inUse.isEmpty() || free.isEmpty())
        return Result::success();
    const qint16 source = m_board.table(pick(inUse)).number;
    const qint16 target = m_board.table(pick(free)).number;
    const ResultOf<TableMove::Transfer> outcome = TableMove::transfer(m_state.DbConn, source, target);
    if (!outcome || *outcome != TableMove::Transfer::Moved)
        return failed(QStringLiteral("transfer %1 to %2").arg(source).arg(target),
                      outcome ? TableMove::refusal(*outcome, source, target) : outcome.result().message());
    ++m_tally.transfers;
    return outcome.result();
}

Result NightRun::swap()
{
    const QList<int> inUse = rows(true);
    if (inUse.size() < 2)
        return Result::success();
    const int first = pick(inUse);
    int second = first;
    while (second == first)
        second = pick(inUse);
    const qint16 a = m_board.table(first).number;
    const qint16 b = m_board.table(second).number;
    const ResultOf<bool> swapped = TableMove::swap(m_state.DbConn, a, b);
    if (!swapped || !*swapped)
        return failed(QStringLiteral("swap %1 and %2").arg(a).arg(b), swapped.result().message());
    ++m_tally.swaps;
    return swapped.result();
}

Result NightRun::changeShift(const QString& nextOperator)
{
    const Result result = DayTakings::settleShift(m_state.DbConn, m_state.OperatorName);
    if (!result)
        return failed(QStringLiteral("shift settle"), result.message());
    ++m_tally.shiftSettles;
    m_state.OperatorName = nextOperator;
    return result;
}

Result NightRun::endDay()
{
    Result result = changeShift(m_state.OperatorName);
    if (result)
        result = DayTakings::settleDay(m_state.DbConn);
    return result ? result : failed(QStringLiteral("day settle"), result.message());
}
