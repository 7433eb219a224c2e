#pragma once

#include "core/base/Result.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QStringList>

// What SQLite and PostgreSQL say differently, in one place: every other
// statement of the program is written once and runs on both.
namespace SqlDialect {

enum class Store
{
    File,   // SQLite, one file on this counter
    Server, // PostgreSQL, shared by the hall's counters
};

Store of(const QSqlDatabase& db);

// After the connection to a server was lost (the server restarted), opens
// the same session again before the next statement, so that the counter
// goes on by itself once the server is back. Nothing on a file, or while
// connected. A command stops at its first failure, so no statement of a
// transaction the server rolled back runs on the new session. While the
// server cannot be reached, a lost connection, tried again only every few
// seconds.
Result reconnectIfLost(const QSqlDriver* driver);

// How many rows of `columns` values one insert statement writes: one on a
// file, where a statement prepared once for every row is quickest; a few
// hundred on a server, which answers each statement with a round trip.
qsizetype rowsPerInsert(const QSqlDatabase& db, qsizetype columns);

// Whether the database has an index of that name.
ResultOf<bool> hasIndex(const QSqlDatabase& db, const QString& name);

// The schema file's statements as a server runs them, one per entry,
// without comments, derived from the file's:
// - 64-bit integers and doubles, as SQLite's INTEGER and REAL are, so that
//   money keeps its cents;
// - an identity column for the file's autoincrement keys;
// - a visit's start defaults to the local time as the same ISO text;
// - each table without an integer key gets the `rowid` SQLite gives every
//   table, numbered in the order rows are written, since lists are read and
//   ordered by it.
QStringList serverSchema(const QString& schema);

} // namespace SqlDialect
