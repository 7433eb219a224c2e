#pragma once

#include "core/base/Result.h"

// The time of one segment as the charge rules count it: whole hours H and
// minutes R, 16-bit like the rules' arithmetic, so that a stay too long for
// them is an overflow and never a wrapped-around amount.
struct BilledTime
{
    qint16 H = 0;
    qint16 R = 0;
    // 60·H + R as split, before any rule changes H or R.
    qint16 T = 0;

    // The time of `minutes`: H = minutes / 60 truncated toward zero and R
    // the rest; fails with the overflow error when H or T leaves 16 bits.
    static ResultOf<BilledTime> split(float minutes);

    // (R / 60 + H) × rate in double with the rate widened, rounded half to
    // even to `places` decimals and kept as a float.
    float amount(float rate, int places) const;
};

// Amounts are rounded to 0 to 9 decimals; any other setting is refused, as
// beyond 9 a float amount has no digits left to round.
Result checkSettlementPlaces(qint16 places);
