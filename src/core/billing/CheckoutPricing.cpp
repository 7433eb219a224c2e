#include "core/billing/CheckoutPricing.h"

#include "core/base/Notation.h"
#include "core/billing/MinimumRules.h"

namespace {

double hours(const BilledTime& time)
{
    return time.R / 60.0 + time.H;
}

// The comparison amount is money like any other: kept to the cent.
float cents(double amount)
{
    return float(Notation::roundHalfEven(amount, 2));
}

Result segmentOf(MinimumRules& rules, const SplitSegment& split, float dj1, BilledSegment* segment)
{
    segment->start = split.from;
    segment->end = split.to;
    segment->dj = split.rate;
    segment->dj1 = dj1;
    return split.billedTime(rules, &segment->time);
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

Result priceVisit(const AppState& state, const VisitToPrice& visit, RateKind kind, DiscountRate discount,
                  const QDateTime& now, TimeCharge* charge)
{
    *charge = TimeCharge();
    const qint16 places = state.params.settlementPrecision;
    Result result = checkSettlementPlaces(places);
    RateBands bands;
    if (result)
        result = bands.load(state.DbConn, visit.zhao);
    MinimumRules rules(state);
    if (result)
        result = rules.GetZdxf(QString::number(visit.zhao));
    BandSplit split;
    if (result)
        result =
            splitVisit(bands, visit.start, now, kind, RateRounding::Whole, state.params.crossBandMinimumMode, &split);
    if (!result)
        return result;

    if (!split.twoSegments()) {
        BilledSegment only;
        result = segmentOf(rules, split.segments.first(), visit.dj1, &only);
        if (!result)
            return result;
        only.je = only.time.amount(only.dj, places);
        if (discount.discounts())
            only.je = float(Notation::roundHalfEven(double(only.je) * discount.tenths() / 10, places));
        only.je1 = only.time.amount(only.dj1, 0);
        charge->segments = {only};
        charge->total = only.je;
        charge->noBandNow = split.noBandNow;
        return result;
    }

    BilledSegment front;
    BilledSegment back;
    result = segmentOf(rules, split.segments.at(0), visit.dj1, &front);
    if (result)
        result = segmentOf(rules, split.segments.at(1), split.nowBand->fhybz, &back);
    if (!result)
        return result;
    front.je = front.time.amount(front.dj, places);
    back.je = back.time.amount(back.dj, places);
    if (discount.discounts()) {
        front.je = float(double(front.je) * discount.tenths() / 10);
        back.je = float(Notation::roundHalfEven(double(back.je) * discount.tenths() / 10, places));
    }
    front.je1 = cents(hours(front.time) * double(front.dj1));
    back.je1 = cents(hours(back.time) * double(back.dj1));
    const float sum = front.je + back.je;
    charge->total = float(Notation::roundHalfEven(sum, 0));
    back.je = charge->total - front.je;
    charge->segments = {front, back};
    return result;
}
