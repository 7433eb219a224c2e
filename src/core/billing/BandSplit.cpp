#include "core/billing/BandSplit.h"

#include "core/base/Notation.h"
#include "core/billing/BillingErrors.h"
#include "core/billing/MinimumRules.h"
#include "core/billing/PlayedMinutes.h"

namespace {

// The band's rate for `kind`, 0 without a band.
ResultOf<float> rateOf(const std::optional<RateBand>& band, RateKind kind, RateRounding rounding)
{
    const float rate = band ? band->rate(kind) : 0;
    if (rounding == RateRounding::AsStored)
        return rate;
    const std::optional<qint16> whole = Notation::CInt(double(rate));
    if (!whole)
        return BillingErrors::overflow();
    return float(*whole);
}

} // namespace

ResultOf<BilledTime> SplitSegment::billedTime(MinimumRules& rules) const
{
    const ResultOf<BilledTime> split = BilledTime::split(minutesBetween(from, to));
    if (!split || !applyMinimum)
        return split;
    BilledTime time = *split;
    if (const Result result = rules.applyMinimum(&time); !result)
        return result;
    return time;
}

ResultOf<BandSplit> splitVisit(const RateBands& bands, const QDateTime& start, const QDateTime& now, RateKind kind,
                               RateRounding rounding, qint16 crossBandMinimumMode)
{
    BandSplit split;
    split.nowBand = bands.inForce(now.time());
    const ResultOf<float> startRate = rateOf(bands.inForce(start.time()), kind, rounding);
    if (!startRate)
        return startRate.result();
    const ResultOf<float> rateNow = rateOf(split.nowBand, kind, rounding);
    if (!rateNow)
        return rateNow.result();

    if (*startRate == *rateNow || !split.nowBand) {
        split.noBandNow = *startRate != *rateNow;
        split.segments = {{start, now, *startRate, true}};
        return split;
    }
    const QDateTime change(now.date(), split.nowBand->start);
    const qint16 mode = crossBandMinimumMode;
    split.segments = {{start, change, *startRate, mode == 0 || mode == 1},
                      {change, now, *rateNow, mode == 0 || mode == 2}};
    return split;
}
