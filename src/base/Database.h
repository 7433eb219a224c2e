#pragma once

#include "base/Result.h"

#include <QSqlDatabase>

// Opening the database file as the program's one connection.
namespace Database {

inline const QString ConnectionName = QStringLiteral("DbConn");

// Opens an existing Tavoro database under the connection name, in WAL mode.
// Refuses, with a message naming the file and the cause (numbered as
// Result numbers it), a file that is missing, read-only or in a read-only
// folder, locked by another program, not a database, damaged (pointing to
// the latest backup), lacks tables, or lies where SQLite cannot use WAL. The
// file is checked read-only first and a refused file is not written to; on
// refusal the connection is removed again.
Result open(const QString& fullName, const QString& connectionName, QSqlDatabase* db);

// Opens another Tavoro database read-only under the connection name, after
// the checks of open() that need no writing, so that looking into a file
// (a backup, a file about to be chosen) never changes it.
Result openReadOnly(const QString& fullName, const QString& connectionName, QSqlDatabase* db);

// Creates a new, empty database file (readable by its owner only) with the
// schema. Refuses to touch a file that exists, and a place without WAL.
Result create(const QString& fullName, const QString& connectionName, QSqlDatabase* db);

// Closes and forgets a connection opened by open() or create().
void close(const QString& connectionName);

} // namespace Database
