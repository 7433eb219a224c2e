#include "core/billing/RunningCharge.h"

#include "core/base/CardKey.h"
#include "core/base/CardTypes.h"
#include "core/base/Clock.h"
#include "core/base/DateText.h"
#include "core/base/Notation.h"
#include "core/base/Sql.h"
#include "core/base/VisitCondition.h"
#include "core/billing/BillingErrors.h"
#include "core/billing/CardRate.h"
#include "core/billing/MemberCard.h"
#include "core/billing/MinimumRules.h"
#include "core/billing/OpenVisit.h"
#include "core/billing/RateBands.h"
#include "core/billing/TableNumber.h"

#include <QSqlQuery>

RunningCharge::RunningCharge(const AppState& state)
    : m_state(state)
{}

Result HallRates::load(const QSqlDatabase& db, const QDateTime& now)
{
    m_now = now;
    m_minimums.clear();
    m_cards.clear();
    const ResultOf<QHash<qint16, RateBands>> bands = RateBands::loadInUse(db);
    m_bands = bands ? *bands : QHash<qint16, RateBands>();
    Result result = bands.result();
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (result)
        result = Sql::exec(query, QStringLiteral("select zhao, zxjffz, zdxffz from zhdy where zhao in "
                                                 "(select zhao from waimxd where %1)")
                                      .arg(VisitCondition::open()));
    while (result && query.next()) {
        // A null leaves the value read starts from.
        const qint16 number = qint16(query.value(0).toInt());
        if (!m_minimums.contains(number))
            m_minimums.insert(number, {query.isNull(1) ? 0.0F : query.value(1).toFloat(),
                                       query.isNull(2) ? 0.0F : query.value(2).toFloat()});
    }
    // Each card matched as findMemberCard matches it: trimmed, without regard
    // to letter case, the first in number order answering.
    if (result)
        result = Sql::exec(query, QStringLiteral("select w.khao, u.khao, u.klx from waimxd w left join user_lb u "
                                                 "on %1 "
                                                 "where %2 and w.khao is not null order by w.khao, u.khao")
                                      .arg(CardKey::matches(QStringLiteral("u.khao"), QStringLiteral("w.khao")),
                                           VisitCondition::open(QStringLiteral("w"))));
    while (result && query.next()) {
        const QString visitCard = query.value(0).toString();
        if (m_cards.contains(visitCard))
            continue;
        MemberCard card;
        card.type = query.isNull(2) ? CardType::Cash : query.value(2).toString();
        m_cards.insert(visitCard, query.isNull(1) ? RateKind::None : card.kind());
    }
    return result;
}

Result RunningCharge::compute()
{
    const std::optional<qint16> number = tableNumber(m_table);
    if (!number)
        return BillingErrors::typeMismatch();
    const ResultOf<std::optional<OpenVisit>> visit = findOpenVisit(m_state.DbConn, *number);
    if (!visit)
        return visit.result();
    if (!*visit)
        return Result::success();
    const std::optional<QDateTime> start = DateText::parseDateTime((*visit)->start);
    if (!start)
        return BillingErrors::typeMismatch();

    const ResultOf<RateKind> kind = rateKind();
    if (!kind)
        return kind.result();
    RateBands bands;
    Result result = bands.load(m_state.DbConn, *number);
    MinimumRules rules(m_state);
    if (result)
        result = rules.read(m_table);
    if (!result)
        return result;
    return price(bands, rules, *start, Clock::now(), *kind);
}

Result RunningCharge::compute(const HallRates& rates, const QDateTime& start)
{
    const std::optional<qint16> number = tableNumber(m_table);
    if (!number || !start.isValid())
        return BillingErrors::typeMismatch();
    RateKind kind = RateKind::NonMember;
    if (!Notation::Trim(m_card).isEmpty()) {
        const auto card = rates.m_cards.constFind(m_card);
        if (card != rates.m_cards.cend()) {
            kind = *card;
        } else {
            const ResultOf<RateKind> read = rateKind();
            if (!read)
                return read.result();
            kind = *read;
        }
    }
    // A table without a row in zhdy has neither rule, as read finds it.
    const std::pair<float, float> minimums = rates.m_minimums.value(*number, {0.0F, 0.0F});
    MinimumRules rules(m_state);
    rules.setValues(minimums.first, minimums.second);
    return price(rates.m_bands.value(*number), rules, start, rates.m_now, kind);
}

Result RunningCharge::price(const RateBands& bands, MinimumRules& rules, const QDateTime& start, const QDateTime& now,
                            RateKind kind)
{
    const ResultOf<BandSplit> cut =
        splitVisit(bands, start, now, kind, RateRounding::AsStored, m_state.params.crossBandMinimumMode);
    if (!cut)
        return cut.result();
    const BandSplit& split = *cut;
    const qint16 places = m_state.params.settlementPrecision;
    if (const Result result = checkSettlementPlaces(places); !result)
        return result;

    if (!split.twoSegments()) {
        const ResultOf<float> total = priceSegment(rules, split.segments.first());
        if (!total)
            return total.result();
        m_total = *total;
        return Result::success();
    }
    const ResultOf<float> front = priceSegment(rules, split.segments.at(0));
    if (!front)
        return front.result();
    const ResultOf<float> back = priceSegment(rules, split.segments.at(1));
    if (!back)
        return back.result();
    const float sum = *back + *front;
    m_backAmount = *back;
    m_total = float(Notation::roundHalfEven(sum, places));
    m_frontAmount = m_total - m_backAmount;
    return Result::success();
}

ResultOf<RateKind> RunningCharge::rateKind() const
{
    if (Notation::Trim(m_card).isEmpty())
        return RateKind::NonMember;
    const ResultOf<std::optional<MemberCard>> card = findMemberCard(m_state.DbConn, m_card);
    if (!card)
        return card.result();
    return *card ? (*card)->kind() : RateKind::None;
}

ResultOf<float> RunningCharge::priceSegment(MinimumRules& rules, const SplitSegment& segment) const
{
    const ResultOf<BilledTime> time = segment.billedTime(rules);
    if (!time)
        return time.result();
    return time->amount(segment.rate, m_state.params.settlementPrecision);
}
