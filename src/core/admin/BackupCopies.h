#pragma once

#include "core/base/Result.h"

#include <QDateTime>
#include <QSqlDatabase>

struct AppState;

// Backup copies of the open database, named by the hour: beside the file, or,
// for books on a server, in this user's data folder.
namespace BackupCopies {

// "data" followed by year, month, day and hour, each zero-padded, and "-N"
// for the Nth copy of that hour: 3 March 2005 at 9 o'clock gives
// "data2005030309.bak", then "data2005030309-2.bak".
QString fileName(const QDateTime& moment, int copy = 1);

// The first backup name for that moment in the database's folder that no
// file has taken yet.
QString target(const AppState& state, const QDateTime& moment);

// Copies the database open on db into target with SQLite's online backup, so
// rows committed but still in the write-ahead log are included. The copy is
// written under a temporary name beside target and renamed to it only when
// complete; an existing file of that name is never replaced (the backup then
// fails), and a failed backup leaves no partial file behind. The copy is a
// self-contained file (no WAL). Books on a server are dumped by pg_dump in its
// custom format instead, for pg_restore.
Result backup(const QSqlDatabase& db, const QString& target);

struct Outcome
{
    QString target;
    Result result = Result::success();
};

// The backup for the current hour under a free name, as the program's menu
// and exit run it.
Outcome backupNow(const AppState& state);

} // namespace BackupCopies
