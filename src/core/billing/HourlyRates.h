#pragma once

#include "core/base/Result.h"

#include <QDateTime>
#include <QSqlDatabase>
#include <QTime>

// The member (memberRate) and non-member (guestRate) rate, money per hour, of the
// band in force for a table at a time of day (to the second); 0 when no band
// contains it (see RateBands::inForce). A failed query also gives 0 and is
// described in *result when given.
float memberRate(const QSqlDatabase& db, const QTime& timeOfDay, qint16 tableNumber, Result* result = nullptr);
float guestRate(const QSqlDatabase& db, const QTime& timeOfDay, qint16 tableNumber, Result* result = nullptr);

// Minute boundaries crossed from `from` to `to` on the wall clock, with dates:
// 10:00:59 to 10:01:00 is 1, 10:00:00 to 10:00:59 is 0; negative when `to`
// is earlier.
float minutesBetween(const QDateTime& from, const QDateTime& to);
