#pragma once

#include "core/base/Result.h"

#include <QSqlDatabase>

// The pause after failed logins: each failure doubles it (1 s, 2 s, 4 s ...,
// at most an hour), and a successful login clears it. The count and the
// time of the last failure are kept in the database, in a table of their
// own that no parameter screen shows, so that restarting the program does
// not reset them. Older files get the table on first use.
namespace LoginPause {

inline constexpr qint64 LongestPause = 3600;

// The seconds to wait after that many failures in a row, wherever the count
// is kept.
qint64 pauseAfter(qint64 failures);

// The seconds still to wait before the next attempt; 0 when it may be made.
ResultOf<qint64> secondsToWait(const QSqlDatabase& db);

// Writes the failed login of the chosen operator at this counter to the
// operator log and doubles the pause, both or neither.
Result recordFailure(QSqlDatabase& db, const QString& operatorName, const QString& counterName);

Result clear(const QSqlDatabase& db);

} // namespace LoginPause
