#pragma once

#include "core/base/Result.h"

#include <QList>
#include <QSqlDatabase>
#include <QStringList>

// Moves a hall's books from a file to an empty database on a server.
namespace ServerCopy {

struct CopiedTable
{
    QString table;
    qint64 rows = 0;
};

struct Copy
{
    // Every table of the hall, in name order, with the rows it now holds.
    QList<CopiedTable> tables;
    // Tables of the file that the program does not know; left behind.
    QStringList leftBehind;
};

// Makes the hall's schema on `server`, an empty database (see
// Database::connectEmptyServer), and copies every row of `file` into it by
// column name, each table's rows in the file's order. Every key the server
// numbers itself continues after the highest the file ever gave out. Before
// committing, each table's row count and the sum of each of its number
// columns, to the cent, are read on both sides; any difference rolls the
// whole copy back and names the table and column. All or nothing.
ResultOf<Copy> copy(const QSqlDatabase& file, QSqlDatabase& server);

} // namespace ServerCopy
