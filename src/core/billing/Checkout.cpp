#include "core/billing/Checkout.h"

#include "core/base/Clock.h"
#include "core/base/DateText.h"
#include "core/base/ErrorReporter.h"
#include "core/base/Notation.h"
#include "core/base/Sql.h"
#include "core/base/TableNews.h"
#include "core/billing/BillingErrors.h"
#include "core/billing/CheckoutCustomer.h"
#include "core/billing/DiscountCheck.h"
#include "core/billing/OpenVisit.h"
#include "core/billing/StoredNumber.h"
#include "core/billing/TableNumber.h"
#include "core/billing/VisitRows.h"

#include <QCoreApplication>

#include <optional>

namespace Checkout {

namespace {

// Refusals roll the transaction back like failures, but are told apart.
class Settlement
{
public:
    Settlement(const AppState& state, const Request& request, DiscountRate typed, Bill* bill)
        : m_state(state)
        , m_request(request)
        , m_typed(typed)
        , m_bill(bill)
    {}

    // Prices the bill and writes nothing. A short balance is a refusal that
    // leaves the bill priced in full.
    Result price();
    // Writes the priced bill: after price(), inside the caller's transaction.
    // A card's balance that another counter spent meanwhile is a refusal.
    Result write();
    // The refusal that ended price(), or Failed when none did.
    Outcome refusal() const { return m_refusal; }

private:
    Result refuse(Outcome outcome)
    {
        m_refusal = outcome;
        return Result::failure(QString());
    }
    Result chargeMember(const CheckoutCustomer& customer);
    Result freeTable() const;

    const AppState& m_state;
    const Request& m_request;
    const DiscountRate m_typed; // as checked against the operator's limit
    Bill* m_bill;
    Outcome m_refusal = Outcome::Failed;
    QList<VisitRows::OpenRow> m_rows;
    std::optional<CheckoutCustomer> m_customer;
};

Result Settlement::price()
{
    const QSqlDatabase& db = m_state.DbConn;
    const ResultOf<QList<VisitRows::OpenRow>> rows = VisitRows::openRows(db, m_bill->tableNumber);
    if (!rows)
        return rows.result();
    m_rows = *rows;
    if (m_rows.isEmpty())
        return refuse(Outcome::NoOpenVisit);
    const ResultOf<std::optional<CheckoutCustomer>> identified =
        CheckoutCustomer::identify(db, m_request.card, m_request.password);
    if (!identified)
        return identified.result();
    m_customer = *identified;
    if (!m_customer)
        return refuse(Outcome::CardRefused);
    const std::optional<QDateTime> start = DateText::parseDateTime(m_rows.first().start);
    if (!start)
        return BillingErrors::typeMismatch();

    const CheckoutCustomer& customer = *m_customer;
    m_bill->card = customer.card;
    m_bill->cardType = customer.cardType;
    m_bill->paymentMethod = customer.paymentMethod();
    const DiscountRate discount = customer.discount ? DiscountRate(*customer.discount) : m_typed;
    m_bill->discount = discountText(discount.tenths());
    m_bill->start = *start;
    const VisitToPrice visit{m_bill->tableNumber, *start, m_rows.first().nonMemberRate};
    const ResultOf<TimeCharge> charge = priceVisit(m_state, visit, customer.kind, discount, m_bill->end);
    if (!charge)
        return charge.result();
    m_bill->charge = *charge;
    const ResultOf<QList<SettledGoods>> goodsRows = TableGoods::price(db, m_bill->tableNumber, customer.hasCard());
    if (!goodsRows)
        return goodsRows.result();
    m_bill->goods = *goodsRows;

    double goods = 0;
    for (const SettledGoods& row : std::as_const(m_bill->goods))
        goods += row.amount;
    m_bill->goodsTotal = Notation::roundHalfEven(goods, 2);
    m_bill->grandTotal = Notation::roundHalfEven(m_bill->timeCharge() + m_bill->goodsTotal, 2);
    if (customer.paysFromBalance && customer.balance < m_bill->timeCharge())
        return refuse(Outcome::ShortBalance);
    return Result::success();
}

Result Settlement::write()
{
    const CheckoutCustomer& customer = *m_customer;
    // A card's own discount is its card type's terms; only the typed one is the operator's.
    const double typed = !customer.discount && m_typed.discounts() ? m_typed.tenths() : 0;
    const VisitRows::Stamp stamp{customer.hasCard() ? QVariant(customer.card) : QVariant(),
                                 DateText::date(m_state.BusinessDate), m_state.OperatorName, customer.paymentMethod(),
                                 typed};
    const ResultOf<QList<qint64>> closed =
        VisitRows::close(m_state.DbConn, m_bill->tableNumber, m_rows, stamp, m_bill->charge);
    if (!closed)
        return closed.result();
    m_bill->visitIds = *closed;
    Result result = chargeMember(customer);
    if (result)
        result = TableGoods::settle(m_state.DbConn, m_bill->goods, m_state.OperatorName);
    if (result)
        result = freeTable();
    if (result)
        result = TableNews::tell(m_state.DbConn, m_bill->tableNumber);
    return result;
}

// The member's hours and time charges grow by the bill; a card that pays by
// balance also pays the time charge from it, if the balance still holds it
// when the row is written: another counter may have spent it since it was read.
Result Settlement::chargeMember(const CheckoutCustomer& customer)
{
    if (!customer.hasCard())
        return Result::success();
    double hours = 0;
    for (const BilledSegment& segment : std::as_const(m_bill->charge.segments))
        hours += storedNumber(segment.hours());
    hours = Notation::roundHalfEven(hours, 4);
    const double money = m_bill->timeCharge();
    if (customer.paysFromBalance) {
        QSqlQuery charged(m_state.DbConn);
        const Result result = Sql::exec(charged,
                                        QStringLiteral("update user_lb set jslj=coalesce(jslj, 0)+?, "
                                                       "jelj=coalesce(jelj, 0)+?, yk=coalesce(yk, 0)-? "
                                                       "where khao=? and coalesce(yk, 0)>=?"),
                                        {hours, money, money, customer.card, money});
        if (result && charged.numRowsAffected() != 1)
            return refuse(Outcome::ShortBalance);
        return result;
    }
    return Sql::exec(
        m_state.DbConn,
        QStringLiteral("update user_lb set jslj=coalesce(jslj, 0)+?, jelj=coalesce(jelj, 0)+? where khao=?"),
        {hours, money, customer.card});
}

Result Settlement::freeTable() const
{
    return Sql::exec(m_state.DbConn, QStringLiteral("update zhdy set sybj=0, fwfl=0, tx=0 where zhao=?"),
                     {m_bill->tableNumber});
}

QString noBandNowText(float rate)
{
    return QCoreApplication::translate("Checkout",
                                       "当前时间不在任何计费时段内，本次按开台时的单价 %1 元/小时一段计费。")
        .arg(QString::number(rate));
}

// The table's open visit and the typed discount within the operator's
// authority: the typed discount when the bill may be priced, nothing (with
// the outcome in the bill) when it may not.
std::optional<DiscountRate> admit(const AppState& state, const Request& request, Bill* bill)
{
    bill->end = Clock::now();
    const std::optional<qint16> number = tableNumber(request.table);
    const ResultOf<std::optional<OpenVisit>> open =
        number ? findOpenVisit(state.DbConn, *number) : ResultOf<std::optional<OpenVisit>>(std::nullopt);
    if (!open) {
        bill->error = open.result();
        return std::nullopt;
    }
    if (!*open) {
        bill->outcome = Outcome::NoOpenVisit;
        return std::nullopt;
    }
    bill->tableNumber = *number;
    const std::optional<DiscountRate> typed = DiscountRate::parse(request.discount);
    const DiscountCheck discount = typed ? checkDiscount(state.DbConn, state.OperatorName, *typed)
                                         : DiscountCheck{false, Notice::exclamation(DiscountTypingText)};
    if (!discount.allowed) {
        bill->outcome = Outcome::DiscountRefused;
        bill->discountRefusal = discount.notice;
        return std::nullopt;
    }
    return typed;
}

// A bill that did not go through, with the refusal or failure that stopped it.
void stopped(Outcome refusal, const Result& result, Bill* bill)
{
    bill->outcome = refusal;
    if (bill->outcome == Outcome::Failed)
        bill->error = result;
    bill->visitIds.clear();
    bill->goods.clear();
    bill->goodsTotal = 0;
    bill->grandTotal = 0;
}

} // namespace

Bill settle(const AppState& state, const Request& request)
{
    Bill bill;
    const std::optional<DiscountRate> typed = admit(state, request, &bill);
    if (!typed)
        return bill;
    QSqlDatabase db = state.DbConn;
    std::optional<Settlement> settlement;
    const Result result = Sql::transaction(db, [&] {
        // Another counter's checkout or move of the table waits for this
        // one, or this one for it, and then finds what it left.
        settlement.emplace(state, request, *typed, &bill);
        if (const ResultOf<bool> held =
                Sql::holdRow(db, QStringLiteral("zhdy"), QStringLiteral("zhao"), bill.tableNumber);
            !held)
            return held.result();
        const Result priced = settlement->price();
        return priced ? settlement->write() : priced;
    });
    if (result) {
        bill.outcome = Outcome::Settled;
        return bill;
    }
    stopped(settlement ? settlement->refusal() : Outcome::Failed, result, &bill);
    // The visit was open when the bill was asked for.
    if (bill.outcome == Outcome::NoOpenVisit)
        bill.outcome = Outcome::SettledMeanwhile;
    return bill;
}

Bill quote(const AppState& state, const Request& request)
{
    Bill bill;
    bill.provisional = true;
    const std::optional<DiscountRate> typed = admit(state, request, &bill);
    if (!typed)
        return bill;
    Settlement settlement(state, request, *typed, &bill);
    const Result result = settlement.price();
    if (result)
        bill.outcome = Outcome::Quoted;
    else if (settlement.refusal() == Outcome::ShortBalance)
        bill.outcome = Outcome::ShortBalance;
    else
        stopped(settlement.refusal(), result, &bill);
    return bill;
}

Notice notice(const Bill& bill)
{
    switch (bill.outcome) {
    case Outcome::CardRefused:
        return Notice::information(CardRefusedText);
    case Outcome::ShortBalance:
        return Notice::exclamation(ShortBalanceText);
    case Outcome::Failed:
        return Notice::critical((bill.provisional
                                     ? QCoreApplication::translate("Checkout", "预结单没有算出。\n")
                                     : QCoreApplication::translate("Checkout", "结帐未完成，本台继续计时。\n")) +
                                errorText(bill.error.number(), bill.error.message()));
    case Outcome::Settled:
    case Outcome::Quoted:
        return bill.charge.noBandNow ? Notice::information(noBandNowText(bill.charge.segments.first().rate)) : Notice();
    case Outcome::DiscountRefused:
        return bill.discountRefusal;
    case Outcome::SettledMeanwhile:
        return Notice::information(
            QCoreApplication::translate("Checkout", "%1号台刚在另一台电脑上结账或转台，台位已刷新。")
                .arg(bill.tableNumber));
    case Outcome::NoOpenVisit:
        break;
    }
    return {};
}

} // namespace Checkout
