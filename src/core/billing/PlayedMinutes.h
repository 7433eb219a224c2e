#pragma once

#include <QDateTime>

// Minute boundaries crossed from `from` to `to` on the wall clock, with dates:
// 10:00:59 to 10:01:00 is 1, 10:00:00 to 10:00:59 is 0; negative when `to`
// is earlier.
float minutesBetween(const QDateTime& from, const QDateTime& to);
