#pragma once

#include "core/base/Result.h"
#include "core/billing/BilledTime.h"
#include "core/billing/RateBands.h"

#include <QDateTime>
#include <QList>

#include <optional>

class MinimumRules;

// How a visit's rates are read off its bands: as stored, for the running
// charge on the board, or taken to whole money (half to even), as checkout
// bills them.
enum class RateRounding
{
    AsStored,
    Whole
};

// One stretch of a visit priced at one rate.
struct SplitSegment
{
    QDateTime from;
    QDateTime to;
    float rate = 0;
    // Whether the table's minimum rules reach this stretch: always for a
    // single segment, across a change as "跨时段计费最低计费标准方式" says.
    bool applyMinimum = true;

    // The stretch's minutes split into hours and minutes, after the minimum
    // rules when they reach it.
    ResultOf<BilledTime> billedTime(MinimumRules& rules) const;
};

// A visit cut where its rate changes: one segment at the start rate, or a
// front at the start rate up to the start of the band in force now and a
// back at the rate now. Only one change is recognised, however many bands
// the front spans.
struct BandSplit
{
    QList<SplitSegment> segments;
    // The band in force now, whose non-member rate a back segment records.
    std::optional<RateBand> nowBand;
    // The rates differ only because no band is in force now: with no change
    // moment to cut at, the whole visit runs at the start rate rather than
    // for nothing.
    bool noBandNow = false;

    bool twoSegments() const { return segments.size() == 2; }
};

// The one place a visit is cut across rate bands: the visit from `start` to
// `now` as cut. The board's running charge and checkout both price what it
// returns. Fails with an overflow when a whole rate leaves 16 bits.
ResultOf<BandSplit> splitVisit(const RateBands& bands, const QDateTime& start, const QDateTime& now, RateKind kind,
                               RateRounding rounding, qint16 crossBandMinimumMode);
