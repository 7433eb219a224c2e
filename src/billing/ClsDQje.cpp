#include "billing/ClsDQje.h"

#include "base/Clock.h"
#include "base/DateText.h"
#include "base/Notation.h"
#include "billing/BillingErrors.h"
#include "billing/ClsZdxf.h"
#include "billing/MemberCard.h"
#include "billing/ModuseCheck.h"
#include "billing/RateBands.h"
#include "billing/TableNumber.h"

ClsDQje::ClsDQje(const AppState& state)
    : m_state(state)
{}

Result ClsDQje::GETJe()
{
    const std::optional<qint16> zhao = tableNumber(m_strZh);
    if (!zhao)
        return BillingErrors::typeMismatch();
    std::optional<OpenVisit> visit;
    Result result = findOpenVisit(m_state.DbConn, *zhao, &visit);
    if (!result || !visit)
        return result;
    const std::optional<QDateTime> start = DateText::parseDateTime(visit->ksrc);
    if (!start)
        return BillingErrors::typeMismatch();

    RateKind kind = RateKind::NonMember;
    result = rateKind(&kind);
    RateBands bands;
    if (result)
        result = bands.load(m_state.DbConn, *zhao);
    BandSplit split;
    if (result)
        result = splitVisit(bands, *start, Clock::now(), kind, RateRounding::AsStored,
                            m_state.params.crossBandMinimumMode, &split);
    ClsZdxf rules(m_state);
    if (result)
        result = rules.GetZdxf(m_strZh);
    const qint16 places = m_state.params.settlementPrecision;
    if (result)
        result = checkSettlementPlaces(places);
    if (!result)
        return result;

    if (!split.twoSegments()) {
        float total = 0;
        result = priceSegment(rules, split.segments.first(), &total);
        if (result)
            m_intzje = total;
        return result;
    }
    float front = 0;
    float back = 0;
    result = priceSegment(rules, split.segments.at(0), &front);
    if (result)
        result = priceSegment(rules, split.segments.at(1), &back);
    if (!result)
        return result;
    const float sum = back + front;
    m_intHdje = back;
    m_intzje = float(Notation::roundHalfEven(sum, places));
    m_intQdje = m_intzje - m_intHdje;
    return result;
}

Result ClsDQje::rateKind(RateKind* kind) const
{
    *kind = RateKind::NonMember;
    if (Notation::Trim(m_strkh).isEmpty())
        return Result::success();
    std::optional<MemberCard> card;
    const Result result = findMemberCard(m_state.DbConn, m_strkh, &card);
    if (result)
        *kind = card ? card->kind() : RateKind::None;
    return result;
}

Result ClsDQje::priceSegment(ClsZdxf& rules, const SplitSegment& segment, float* amount) const
{
    BilledTime time;
    const Result result = segment.billedTime(rules, &time);
    if (result)
        *amount = time.amount(segment.rate, m_state.params.settlementPrecision);
    return result;
}
