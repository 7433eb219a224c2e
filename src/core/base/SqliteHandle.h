#pragma once

#include <QSqlDatabase>

struct sqlite3;

// SQLite's own handle of an open connection, for what Qt does not offer
// (backups, interrupting a statement); null when the connection is closed.
sqlite3* sqliteHandle(const QSqlDatabase& db);
