#include "core/board/TableOpening.h"

#include "core/base/AppState.h"
#include "core/base/Clock.h"
#include "core/base/DateText.h"
#include "core/base/Notation.h"
#include "core/base/Sql.h"
#include "core/base/TableNews.h"
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

// The number of the table's row in zhdy; a text naming no row is refused.
ResultOf<qint16> findTable(const QSqlDatabase& db, const QString& table)
{
    const std::optional<qint16> number = tableNumber(table);
    if (!number)
        return noSuchTable(table);
    const ResultOf<QVariant> found = Sql::scalar(db, QStringLiteral("select zhao from zhdy where zhao=?"), {*number});
    if (!found)
        return found.result();
    if (!found->isValid())
        return noSuchTable(table);
    return *number;
}

struct VisitRates
{
    double cardRate = 0;
    double cashRate = 0;
};

// The rates in force now: cashRate (dj1) is the non-member rate; cardRate (dj) the rate the
// guest's card type pays, so that a card type the rules do not name is
// priced as a cash guest, as the running charge and checkout price it.
// Both are 0 when no band is in force.
ResultOf<VisitRates> ratesNow(const QSqlDatabase& db, qint16 number, const QTime& timeOfDay, RateKind kind)
{
    RateBands bands;
    if (const Result result = bands.load(db, number); !result)
        return result;
    VisitRates rates;
    if (const std::optional<RateBand> band = bands.inForce(timeOfDay)) {
        rates.cardRate = storedNumber(band->rate(kind));
        rates.cashRate = storedNumber(band->nonMemberRate);
    }
    return rates;
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

Result markInUse(const QSqlDatabase& db, qint16 number, const Marks& marks)
{
    return Sql::exec(db, QStringLiteral("update zhdy set sybj=1, tx=?, fwfl=? where zhao=?"),
                     {marks.reminderMinutes, marks.deposit, number});
}

Result insertVisit(const AppState& state, qint16 number, const QString& card, const QDateTime& now,
                   const VisitRates& rates)
{
    return Sql::exec(
        state.DbConn,
        QStringLiteral("insert into waimxd (zhao, khao, ksrc, dj, dj1, czyname, zdname) values (?, ?, ?, ?, ?, ?, ?)"),
        {number, card.isEmpty() ? QVariant() : QVariant(card), DateText::dateTime(now), rates.cardRate, rates.cashRate,
         state.OperatorName, state.CounterName});
}

// Checks again, holding the table's row (and the member's), what may have
// changed since the boxes were read: another counter may have opened the
// table, or deleted the member, meanwhile. Writes only when neither did.
Result openHeld(const AppState& state, qint16 number, const Request& request, const Marks& marks, const QDateTime& now,
                const VisitRates& rates, Opened* opened)
{
    const QSqlDatabase& db = state.DbConn;
    const ResultOf<bool> held = Sql::holdRow(db, QStringLiteral("zhdy"), QStringLiteral("zhao"), number);
    if (!held)
        return held.result();
    if (!*held)
        return noSuchTable(request.table);
    const ResultOf<std::optional<OpenVisit>> visit = findOpenVisit(db, number);
    if (!visit)
        return visit.result();
    if (*visit) {
        opened->outcome = Outcome::AlreadyOpen;
        opened->openedAt = (*visit)->counter;
        return Result::success();
    }
    if (!opened->member.card.isEmpty()) {
        const ResultOf<bool> member =
            Sql::holdRow(db, QStringLiteral("user_lb"), QStringLiteral("khao"), opened->member.card);
        if (!member)
            return member.result();
        if (!*member) {
            opened->outcome = Outcome::CardRefused;
            return Result::success();
        }
    }
    Result step = markInUse(db, number, marks);
    if (step)
        step = insertVisit(state, number, opened->member.card, now, rates);
    if (step)
        step = TableNews::tell(db, number);
    if (step)
        opened->outcome = Outcome::Opened;
    return step;
}

} // namespace

ResultOf<MemberCheck> checkMember(const AppState& state, const QString& card, const QString& password)
{
    const ResultOf<std::optional<MemberCard>> found = findMemberCard(state.DbConn, card);
    if (!found)
        return found.result();
    const std::optional<MemberCard>& member = *found;
    MemberCheck check;
    if (!member || !member->accepts(password))
        return check;
    check.accepted = true;
    check.card = member->number;
    check.cardType = member->type;
    check.discount = member->discount;
    return check;
}

ResultOf<Opened> openTable(const AppState& state, const Request& request)
{
    Opened opened;
    const ResultOf<qint16> number = findTable(state.DbConn, request.table);
    if (!number)
        return number.result();
    const ResultOf<std::optional<OpenVisit>> visit = findOpenVisit(state.DbConn, *number);
    if (!visit)
        return visit.result();
    if (*visit) {
        opened.openedAt = (*visit)->counter;
        return opened;
    }
    Marks marks;
    if (const std::optional<Outcome> refused = readMarks(request, &marks)) {
        opened.outcome = *refused;
        return opened;
    }

    RateKind kind = RateKind::NonMember;
    if (!request.card.isEmpty()) {
        const ResultOf<MemberCheck> member = checkMember(state, request.card, request.password);
        if (!member)
            return member.result();
        opened.member = *member;
        if (!opened.member.accepted) {
            opened.outcome = Outcome::CardRefused;
            return opened;
        }
        kind = CardRate::kindOf(opened.member.cardType);
    }

    const QDateTime now = Clock::now();
    const ResultOf<VisitRates> rates = ratesNow(state.DbConn, *number, now.time(), kind);
    if (!rates)
        return rates.result();
    QSqlDatabase db = state.DbConn;
    if (const Result result =
            Sql::transaction(db, [&] { return openHeld(state, *number, request, marks, now, *rates, &opened); });
        !result)
        return result;
    return opened;
}

ResultOf<std::optional<PositioningCard>> findPositioningCard(const AppState& state, const QString& card)
{
    if (Notation::Trim(card).isEmpty())
        return std::optional<PositioningCard>();
    QSqlQuery query(state.DbConn);
    query.setForwardOnly(true);
    if (const Result result =
            Sql::exec(query, QStringLiteral("select zhao, mc from zhdy where ktkh=? order by zhao limit 1"), {card});
        !result)
        return result;
    if (!query.next())
        return std::optional<PositioningCard>();
    return std::optional<PositioningCard>(PositioningCard{qint16(query.value(0).toInt()), query.value(1).toString()});
}

} // namespace TableOpening
