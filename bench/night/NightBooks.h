#pragma once

#include "NightTally.h"

#include <QDate>
#include <QSqlDatabase>

// The books at the end of the night, checked with statements of their own
// over the file rather than through the code that wrote it. Each check
// prints one line; returns whether all held.
bool booksBalance(const QSqlDatabase& db, const QDate& businessDate, const NightTally& tally);
