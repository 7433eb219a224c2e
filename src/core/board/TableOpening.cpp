#include "core/board/TableOpening.h"

#include "core/base/AppState.h"
#include "core/base/Clock.h"
#include "core/base/DateText.h"
#include "core/base/Notation.h"
#include "core/base/Sql.h"
#include "core/billing/CardRate.h"
#include "core/billing/MemberCard.h"
#include "core/billing/OpenVisit.h"
#include "core/billing/RateBands.h"
#include "core/billing/StoredNumber.h"
#include "core/billing/TableNumber.h"
#include "core/board/TableMarks.h"

#include <QCoreApplication>
#include <QSqlQuery>

namespace TableOpening {

namespace {

Result noSuchTable(const QString& table)
{
    if (Notation::Trim(table).isEmpty())
        return Result::failure(QCoreApplication::translate("TableOpening", "请先选择台位"));
    return Result::failure(
        QCoreApplication::translate("TableOpening", "没有台号为 %1 的台位").arg(Notation::Trim(table)));
}

// The table's row in zhdy; nothing when there is none.
Result findTable(const QSqlDatabase& db, const QString& table, std::optional<qint16>* stored)
{
    stored->reset();
    const std::optional<qint16> number = tableNumber(table);
    if (!number)
        return noSuchTable(table);
    Result result = Result::success();
    const QVariant found =
        Sql::scalarOrInvalid(db, QStringLiteral("select zhao from zhdy where zhao=?"), {*number}, &result);
    if (!result)
        return result;
    if (!found.isValid())
        return noSuchTable(table);
    *stored = number;
    return result;
}

struct VisitRates
{
    double cardRate = 0;
    double cashRate = 0;
};

// The rates in force now: cashRate (dj1) is the non-member rate; cardRate (dj) the rate the
// guest's card type pays, so that a card type the rules do not name is
// priced as a cash guest, as the running charge and checkout price it.
Result ratesNow(const QSqlDatabase& db, qint16 number, const QTime& timeOfDay, RateKind kind, VisitRates* rates)
{
    RateBands bands;
    const Result result = bands.load(db, number);
    if (!result)
        return result;
    const std::optional<RateBand> band = bands.inForce(timeOfDay);
    if (band) {
        rates->cardRate = storedNumber(band->rate(kind));
        rates->cashRate = storedNumber(band->nonMemberRate);
    }
    return result;
}

// The reminder and the deposit that opening writes to the table's row.
struct Marks
{
    double reminderMinutes = 0;
    double deposit = 0;
};

// A blank box counts as 0.
std::optional<double> boxValue(const QString& text, std::optional<double> (*read)(const QString&))
{
    if (Notation::Trim(text).isEmpty())
        return 0.0;
    return read(text);
}

// The outcome refusing a box; nothing when both hold what they may.
std::optional<Outcome> readMarks(const Request& request, Marks* marks)
{
    const std::optional<double> minutes = boxValue(request.reminderMinutes, &TableMarks::reminderMinutes);
    if (!minutes)
        return Outcome::ReminderRefused;
    const std::optional<double> deposit = boxValue(request.deposit, &TableMarks::deposit);
    if (!deposit)
        return Outcome::DepositRefused;
    *marks = {*minutes, *deposit};
    return std::nullopt;
}

Result markInUse(const QSqlDatabase& db, qint16 number, const Request& request, const Marks& marks)
{
    QSqlQuery query(db);
    const Result result = Sql::exec(query, QStringLiteral("update zhdy set sybj=1, tx=?, fwfl=? where zhao=?"),
                                    {marks.reminderMinutes, marks.deposit, number});
    if (result && query.numRowsAffected() != 1)
        return noSuchTable(request.table);
    return result;
}

Result insertVisit(const AppState& state, qint16 number, const QString& card, const QDateTime& now,
                   const VisitRates& rates)
{
    return Sql::exec(
        state.DbConn,
        QStringLiteral("insert into waimxd (zhao, khao, ksrc, dj, dj1, czyname) values (?, ?, ?, ?, ?, ?)"),
        {number, card.isEmpty() ? QVariant() : QVariant(card), DateText::dateTime(now), rates.cardRate, rates.cashRate,
         state.OperatorName});
}

} // namespace

Result checkMember(const AppState& state, const QString& card, const QString& password, MemberCheck* check)
{
    *check = MemberCheck();
    std::optional<MemberCard> member;
    const Result result = findMemberCard(state.DbConn, card, &member);
    if (!result || !member || !member->accepts(password))
        return result;
    check->accepted = true;
    check->card = member->number;
    check->cardType = member->type;
    check->discount = member->discount;
    return result;
}

Result openTable(const AppState& state, const Request& request, Opened* opened)
{
    *opened = Opened();
    std::optional<qint16> number;
    Result result = findTable(state.DbConn, request.table, &number);
    if (!result)
        return result;
    std::optional<OpenVisit> visit;
    result = findOpenVisit(state.DbConn, *number, &visit);
    if (!result || visit)
        return result;
    Marks marks;
    if (const std::optional<Outcome> refused = readMarks(request, &marks)) {
        opened->outcome = *refused;
        return result;
    }

    RateKind kind = RateKind::NonMember;
    if (!request.card.isEmpty()) {
        result = checkMember(state, request.card, request.password, &opened->member);
        if (!result)
            return result;
        if (!opened->member.accepted) {
            opened->outcome = Outcome::CardRefused;
            return result;
        }
        kind = CardRate::kindOf(opened->member.cardType);
    }

    const QDateTime now = Clock::now();
    VisitRates rates;
    result = ratesNow(state.DbConn, *number, now.time(), kind, &rates);
    if (!result)
        return result;
    QSqlDatabase db = state.DbConn;
    result = Sql::transaction(db, [&] {
        Result step = markInUse(db, *number, request, marks);
        if (step)
            step = insertVisit(state, *number, opened->member.card, now, rates);
        return step;
    });
    if (result)
        opened->outcome = Outcome::Opened;
    return result;
}

Result findPositioningCard(const AppState& state, const QString& card, std::optional<PositioningCard>* found)
{
    found->reset();
    if (Notation::Trim(card).isEmpty())
        return Result::success();
    QSqlQuery query(state.DbConn);
    query.setForwardOnly(true);
    const Result result =
        Sql::exec(query, QStringLiteral("select zhao, mc from zhdy where ktkh=? order by zhao limit 1"), {card});
    if (result && query.next())
        *found = PositioningCard{qint16(query.value(0).toInt()), query.value(1).toString()};
    return result;
}

} // namespace TableOpening
