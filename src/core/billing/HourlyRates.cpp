#include "core/billing/HourlyRates.h"

#include "core/billing/RateBands.h"

namespace {

float rateAt(const QSqlDatabase& db, const QTime& timeOfDay, qint16 tableNumber, RateKind kind, Result* result)
{
    RateBands bands;
    const Result loaded = bands.load(db, tableNumber);
    if (result)
        *result = loaded;
    const std::optional<RateBand> band = loaded ? bands.inForce(timeOfDay) : std::nullopt;
    return band ? band->rate(kind) : 0;
}

qint64 minuteOfDay(const QTime& t)
{
    return t.hour() * 60 + t.minute();
}

} // namespace

float memberRate(const QSqlDatabase& db, const QTime& timeOfDay, qint16 tableNumber, Result* result)
{
    return rateAt(db, timeOfDay, tableNumber, RateKind::Member, result);
}

float guestRate(const QSqlDatabase& db, const QTime& timeOfDay, qint16 tableNumber, Result* result)
{
    return rateAt(db, timeOfDay, tableNumber, RateKind::NonMember, result);
}

float minutesBetween(const QDateTime& from, const QDateTime& to)
{
    // Calendar days and clock minutes rather than elapsed seconds: a daylight
    // saving change must not add or lose an hour of play.
    const qint64 days = from.date().daysTo(to.date());
    return float(days * 24 * 60 + minuteOfDay(to.time()) - minuteOfDay(from.time()));
}
