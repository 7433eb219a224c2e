#pragma once

#include "base/Result.h"

#include <QDateTime>
#include <QSqlDatabase>

struct AppState;

// Backup copies of the open database, one file per hour beside the database.
namespace Modulback {

// "data" followed by year, month, day and hour without leading zeros:
// 3 March 2005 at 9 o'clock gives "data2005339.bak".
QString fileName(const QDateTime& moment);

// The backup file for that moment in the database's folder.
QString target(const AppState& state, const QDateTime& moment);

// Copies the database open on db into target with SQLite's online backup, so
// rows committed but still in the write-ahead log are included. The copy is
// written under a temporary name beside target and renamed over it only when
// complete: a failed backup leaves an earlier file of that name untouched and
// no partial file behind. The copy is a self-contained file (no WAL).
Result backup(const QSqlDatabase& db, const QString& target);

struct Outcome
{
    QString target;
    Result result = Result::success();
};

// The backup for the current hour, as the program's menu and exit run it.
Outcome backupNow(const AppState& state);

} // namespace Modulback
