#include "core/billing/BilledTime.h"

#include "core/base/Notation.h"
#include "core/billing/BillingErrors.h"

#include <cmath>
#include <limits>

namespace {

bool fits16(double value)
{
    return value >= std::numeric_limits<qint16>::min() && value <= std::numeric_limits<qint16>::max();
}

} // namespace

ResultOf<BilledTime> BilledTime::split(float minutes)
{
    const double m = std::trunc(double(minutes));
    const double hours = std::trunc(m / 60);
    const double rest = m - 60 * hours;
    const double total = 60 * hours + rest;
    if (!fits16(hours) || !fits16(total))
        return BillingErrors::overflow();
    BilledTime time;
    time.H = qint16(hours);
    time.R = qint16(rest);
    time.T = qint16(total);
    return time;
}

float BilledTime::amount(float rate, int places) const
{
    const double hours = R / 60.0 + H;
    return float(Notation::roundHalfEven(hours * double(rate), places));
}

Result checkSettlementPlaces(qint16 places)
{
    if (places < 0 || places > 9)
        return BillingErrors::invalidProcedureCall();
    return Result::success();
}
