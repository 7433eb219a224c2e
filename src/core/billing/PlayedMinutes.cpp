#include "core/billing/PlayedMinutes.h"

#include "core/billing/RateBands.h"

namespace {

qint64 minuteOfDay(const QTime& t)
{
    return t.hour() * 60 + t.minute();
}

} // namespace

float minutesBetween(const QDateTime& from, const QDateTime& to)
{
    // Calendar days and clock minutes rather than elapsed seconds: a daylight
    // saving change must not add or lose an hour of play.
    const qint64 days = from.date().daysTo(to.date());
    return float(days * 24 * 60 + minuteOfDay(to.time()) - minuteOfDay(from.time()));
}
