#pragma once

#include "core/base/Result.h"
#include "core/base/ServerPlace.h"

#include <QSqlDatabase>
#include <QStringList>

// The owner's view reads the hall beside the counters and never writes it: a
// file is opened read-only, a server is reached as a role that may only
// read, and the tables the core's reports fill as scratch are shadowed by
// temporary ones of the view's own connection.
namespace WebStore {

// The scratch tables the reports the view shows fill before reading them.
QStringList scratchTables();

// Opens the hall's file for reading under the connection name, prepared.
Result openFile(const QString& fullName, const QString& connectionName, QSqlDatabase* db);

// Opens the hall on its server as `reader` (the counter's place otherwise),
// prepared; libpq finds the role's password in its usual places.
Result openServer(ServerPlace place, const QString& reader, const QString& connectionName, QSqlDatabase* db);

// Makes the scratch tables again and the session read-only when the server's
// session was opened anew since (a restarted server forgets both); nothing
// otherwise. Run before each request's reading.
Result keepReady(QSqlDatabase& db);

} // namespace WebStore
