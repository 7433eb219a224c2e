#include "billing/ClsDQje.h"

#include "base/Clock.h"
#include "base/DateText.h"
#include "base/ModCWCl.h"
#include "base/Notation.h"
#include "base/Sql.h"
#include "billing/BilledTime.h"
#include "billing/BillingErrors.h"
#include "billing/CardRate.h"
#include "billing/ClsZdxf.h"
#include "billing/ModGETPrice.h"
#include "billing/ModuseCheck.h"
#include "billing/RateBands.h"
#include "billing/TableNumber.h"

ClsDQje::ClsDQje(const AppState& state)
    : m_state(state)
{}

Result ClsDQje::GETJe()
{
    const Result result = compute();
    if (!result)
        ShowErr(result);
    return result;
}

Result ClsDQje::compute()
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
    if (!Notation::Trim(m_strkh).isEmpty()) {
        std::optional<QString> cardType;
        result = GetKlx(&cardType);
        if (!result)
            return result;
        kind = cardType ? CardRate::kindOf(*cardType) : RateKind::None;
    }

    RateBands bands;
    result = bands.load(m_state.DbConn, *zhao);
    if (!result)
        return result;
    const QDateTime now = Clock::now();
    const std::optional<RateBand> startBand = bands.inForce(start->time());
    const std::optional<RateBand> nowBand = bands.inForce(now.time());
    const float startRate = startBand ? startBand->rate(kind) : 0;
    const float rateNow = nowBand ? nowBand->rate(kind) : 0;

    ClsZdxf rules(m_state);
    result = rules.GetZdxf(m_strZh);
    if (!result)
        return result;
    const qint16 places = m_state.params.settlementPrecision;
    result = checkSettlementPlaces(places);
    if (!result)
        return result;

    // Without a band now there is no change moment: the whole visit is
    // priced at the start rate rather than for nothing.
    if (startRate == rateNow || !nowBand) {
        float total = 0;
        result = priceSegment(rules, *start, now, true, startRate, &total);
        if (result)
            m_intzje = total;
        return result;
    }

    const QDateTime change(now.date(), nowBand->kssj);
    const qint16 mode = m_state.params.crossBandMinimumMode;
    float front = 0;
    float back = 0;
    result = priceSegment(rules, *start, change, mode == 0 || mode == 1, startRate, &front);
    if (result)
        result = priceSegment(rules, change, now, mode == 0 || mode == 2, rateNow, &back);
    if (!result)
        return result;
    const float sum = back + front;
    m_intHdje = back;
    m_intzje = float(Notation::roundHalfEven(sum, places));
    m_intQdje = m_intzje - m_intHdje;
    return result;
}

Result ClsDQje::GetKlx(std::optional<QString>* cardType) const
{
    cardType->reset();
    QSqlQuery query(m_state.DbConn);
    query.setForwardOnly(true);
    const Result result = Sql::exec(query, QStringLiteral("select klx from user_lb where khao=?"), {m_strkh});
    if (result && query.next())
        *cardType = query.isNull(0) ? CardRate::Cash : query.value(0).toString();
    return result;
}

Result ClsDQje::priceSegment(ClsZdxf& rules, const QDateTime& from, const QDateTime& to, bool applyMinimum, float rate,
                             float* amount) const
{
    BilledTime time;
    Result result = BilledTime::split(GetFzs(from, to), &time);
    if (result && applyMinimum)
        result = rules.applyMinimum(&time);
    if (result)
        *amount = time.amount(rate, m_state.params.settlementPrecision);
    return result;
}
