#pragma once

#include "core/base/Result.h"

#include <QSqlDatabase>
#include <QStringList>

// The database's tables, views and indexes, from the one schema file.
namespace Schema {

QString sql();

// Creates every table, view and index on an empty database, in a file or
// on a server.
Result create(const QSqlDatabase& db);

// The same on a server, one statement at a time, inside the caller's
// transaction: a server's transactions do not nest.
Result createOnServer(const QSqlDatabase& db);

// Creates one table of the schema, as the store writes it, on a database
// that lacks it.
Result createTable(const QSqlDatabase& db, const QString& table);

// The same table as a temporary one of this connection alone, which an
// unqualified name then means on either store: a reader that may not write
// the hall runs the functions that fill such a table unchanged.
Result createTemporaryTable(const QSqlDatabase& db, const QString& table);

// The tables a file must have for the program to work on it. The rate
// scheme table is left out: the rate-scheme editor adds it to older files.
QStringList requiredTables();

// The tables of the given file that are missing from the required ones.
QStringList missingTables(const QSqlDatabase& db);

// Creates the indexes of the schema that an older file lacks, so that it
// answers the reports as fast as a new one; the names of those created.
ResultOf<QStringList> addMissingIndexes(const QSqlDatabase& db);

// Adds the columns that the program writes from its first statement on to
// an older file that lacks them, and gives its existing rows the value that
// keeps them counted as before; the columns added, as "table.column". All or
// nothing.
ResultOf<QStringList> addMissingColumns(const QSqlDatabase& db);

} // namespace Schema
