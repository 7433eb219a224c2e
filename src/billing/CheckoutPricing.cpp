#include "billing/CheckoutPricing.h"

#include "base/Notation.h"
#include "billing/BillingErrors.h"
#include "billing/ClsZdxf.h"
#include "billing/ModGETPrice.h"

namespace {

bool discounts(double discount)
{
    return discount > 0 && discount < 10;
}

double hours(const BilledTime& time)
{
    return time.R / 60.0 + time.H;
}

Result wholeRate(const std::optional<RateBand>& band, RateKind kind, float* rate)
{
    const std::optional<qint16> whole = Notation::CInt(band ? double(band->rate(kind)) : 0.0);
    if (!whole)
        return BillingErrors::overflow();
    *rate = *whole;
    return Result::success();
}

BilledSegment segmentOf(const QDateTime& start, const QDateTime& end, float dj, float dj1)
{
    BilledSegment segment;
    segment.start = start;
    segment.end = end;
    segment.dj = dj;
    segment.dj1 = dj1;
    return segment;
}

Result billedTime(ClsZdxf& rules, const QDateTime& from, const QDateTime& to, bool applyMinimum, BilledTime* time)
{
    Result result = BilledTime::split(GetFzs(from, to), time);
    if (result && applyMinimum)
        result = rules.applyMinimum(time);
    return result;
}

} // namespace

float BilledSegment::sc() const
{
    return float(Notation::roundHalfEven(hours(time), 4));
}

QString BilledSegment::sc1() const
{
    return QString::number(time.H) + QLatin1Char(':') + QString::number(time.R);
}

Result priceVisit(const AppState& state, const VisitToPrice& visit, RateKind kind, double discount,
                  const QDateTime& now, TimeCharge* charge)
{
    *charge = TimeCharge();
    const qint16 places = state.params.settlementPrecision;
    Result result = checkSettlementPlaces(places);
    RateBands bands;
    if (result)
        result = bands.load(state.DbConn, visit.zhao);
    ClsZdxf rules(state);
    if (result)
        result = rules.GetZdxf(QString::number(visit.zhao));
    const std::optional<RateBand> nowBand = bands.inForce(now.time());
    float startRate = 0;
    float rateNow = 0;
    if (result)
        result = wholeRate(bands.inForce(visit.start.time()), kind, &startRate);
    if (result)
        result = wholeRate(nowBand, kind, &rateNow);
    if (!result)
        return result;

    // Without a band now there is no change moment: the whole visit runs at
    // the start rate rather than for nothing.
    if (startRate == rateNow || !nowBand) {
        BilledSegment only = segmentOf(visit.start, now, startRate, visit.dj1);
        result = billedTime(rules, visit.start, now, true, &only.time);
        if (!result)
            return result;
        only.je = only.time.amount(startRate, places);
        if (discounts(discount))
            only.je = float(Notation::roundHalfEven(double(only.je) * discount / 10, places));
        only.je1 = only.time.amount(only.dj1, 0);
        charge->segments = {only};
        charge->total = only.je;
        charge->noBandNow = startRate != rateNow;
        return result;
    }

    const QDateTime change(now.date(), nowBand->kssj);
    const qint16 mode = state.params.crossBandMinimumMode;
    BilledSegment front = segmentOf(visit.start, change, startRate, visit.dj1);
    BilledSegment back = segmentOf(change, now, rateNow, nowBand->fhybz);
    result = billedTime(rules, visit.start, change, mode == 0 || mode == 1, &front.time);
    if (result)
        result = billedTime(rules, change, now, mode == 0 || mode == 2, &back.time);
    if (!result)
        return result;
    front.je = front.time.amount(startRate, places);
    back.je = back.time.amount(rateNow, places);
    if (discounts(discount)) {
        front.je = float(double(front.je) * discount / 10);
        back.je = float(Notation::roundHalfEven(double(back.je) * discount / 10, places));
    }
    front.je1 = float(hours(front.time) * double(front.dj1));
    back.je1 = float(hours(back.time) * double(back.dj1));
    const float sum = front.je + back.je;
    charge->total = float(Notation::roundHalfEven(sum, 0));
    back.je = charge->total - front.je;
    charge->segments = {front, back};
    return result;
}
