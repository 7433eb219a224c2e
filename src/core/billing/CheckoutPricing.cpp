#include "core/billing/CheckoutPricing.h"

#include "core/base/Notation.h"
#include "core/billing/MinimumRules.h"

namespace {

double hoursOf(const BilledTime& time)
{
    return time.R / 60.0 + time.H;
}

// The comparison amount is money like any other: kept to the cent.
float cents(double amount)
{
    return float(Notation::roundHalfEven(amount, 2));
}

// The segment with its billed time, not yet priced.
ResultOf<BilledSegment> segmentOf(MinimumRules& rules, const SplitSegment& split, float nonMemberRate)
{
    BilledSegment segment;
    segment.start = split.from;
    segment.end = split.to;
    segment.rate = split.rate;
    segment.nonMemberRate = nonMemberRate;
    const ResultOf<BilledTime> time = split.billedTime(rules);
    if (!time)
        return time.result();
    segment.time = *time;
    return segment;
}

} // namespace

float BilledSegment::hours() const
{
    return float(Notation::roundHalfEven(hoursOf(time), 4));
}

QString BilledSegment::hoursText() const
{
    return QString::number(time.H) + QLatin1Char(':') + QString::number(time.R);
}

ResultOf<TimeCharge> priceVisit(const AppState& state, const VisitToPrice& visit, RateKind kind, DiscountRate discount,
                                const QDateTime& now)
{
    const qint16 places = state.params.settlementPrecision;
    Result result = checkSettlementPlaces(places);
    RateBands bands;
    if (result)
        result = bands.load(state.DbConn, visit.tableNumber);
    MinimumRules rules(state);
    if (result)
        result = rules.read(QString::number(visit.tableNumber));
    if (!result)
        return result;
    const ResultOf<BandSplit> cut =
        splitVisit(bands, visit.start, now, kind, RateRounding::Whole, state.params.crossBandMinimumMode);
    if (!cut)
        return cut.result();
    const BandSplit& split = *cut;

    TimeCharge charge;
    if (!split.twoSegments()) {
        const ResultOf<BilledSegment> segment = segmentOf(rules, split.segments.first(), visit.nonMemberRate);
        if (!segment)
            return segment.result();
        BilledSegment only = *segment;
        only.amount = only.time.amount(only.rate, places);
        if (discount.discounts()) {
            const float full = only.amount;
            only.amount = float(Notation::roundHalfEven(double(only.amount) * discount.tenths() / 10, places));
            only.discountOff = cents(double(full) - double(only.amount));
        }
        only.nonMemberAmount = only.time.amount(only.nonMemberRate, 0);
        charge.segments = {only};
        charge.total = only.amount;
        charge.noBandNow = split.noBandNow;
        return charge;
    }

    const ResultOf<BilledSegment> frontSegment = segmentOf(rules, split.segments.at(0), visit.nonMemberRate);
    if (!frontSegment)
        return frontSegment.result();
    const ResultOf<BilledSegment> backSegment = segmentOf(rules, split.segments.at(1), split.nowBand->nonMemberRate);
    if (!backSegment)
        return backSegment.result();
    BilledSegment front = *frontSegment;
    BilledSegment back = *backSegment;
    front.amount = front.time.amount(front.rate, places);
    back.amount = back.time.amount(back.rate, places);
    const float fullFront = front.amount;
    const double fullTotal = Notation::roundHalfEven(double(front.amount + back.amount), 0);
    if (discount.discounts()) {
        front.amount = float(double(front.amount) * discount.tenths() / 10);
        back.amount = float(Notation::roundHalfEven(double(back.amount) * discount.tenths() / 10, places));
    }
    front.nonMemberAmount = cents(hoursOf(front.time) * double(front.nonMemberRate));
    back.nonMemberAmount = cents(hoursOf(back.time) * double(back.nonMemberRate));
    const float sum = front.amount + back.amount;
    charge.total = float(Notation::roundHalfEven(sum, 0));
    back.amount = charge.total - front.amount;
    if (discount.discounts()) {
        front.discountOff = cents(double(fullFront) - double(front.amount));
        back.discountOff = cents(fullTotal - double(charge.total) - double(front.discountOff));
    }
    charge.segments = {front, back};
    return charge;
}
