#include "core/billing/BandSplit.h"

#include "core/base/Notation.h"
#include "core/billing/BillingErrors.h"
#include "core/billing/MinimumRules.h"
#include "core/billing/PlayedMinutes.h"

namespace {

Result rateOf(const std::optional<RateBand>& band, RateKind kind, RateRounding rounding, float* rate)
{
    *rate = band ? band->rate(kind) : 0;
    if (rounding == RateRounding::AsStored)
        return Result::success();
    const std::optional<qint16> whole = Notation::CInt(double(*rate));
    if (!whole)
        return BillingErrors::overflow();
    *rate = *whole;
    return Result::success();
}

} // namespace

Result SplitSegment::billedTime(MinimumRules& rules, BilledTime* time) const
{
    Result result = BilledTime::split(minutesBetween(from, to), time);
    if (result && applyMinimum)
        result = rules.applyMinimum(time);
    return result;
}

Result splitVisit(const RateBands& bands, const QDateTime& start, const QDateTime& now, RateKind kind,
                  RateRounding rounding, qint16 crossBandMinimumMode, BandSplit* split)
{
    *split = BandSplit();
    split->nowBand = bands.inForce(now.time());
    float startRate = 0;
    float rateNow = 0;
    Result result = rateOf(bands.inForce(start.time()), kind, rounding, &startRate);
    if (result)
        result = rateOf(split->nowBand, kind, rounding, &rateNow);
    if (!result)
        return result;

    if (startRate == rateNow || !split->nowBand) {
        split->noBandNow = startRate != rateNow;
        split->segments = {{start, now, startRate, true}};
        return result;
    }
    const QDateTime change(now.date(), split->nowBand->start);
    const qint16 mode = crossBandMinimumMode;
    split->segments = {{start, change, startRate, mode == 0 || mode == 1},
                       {change, now, rateNow, mode == 0 || mode == 2}};
    return result;
}
