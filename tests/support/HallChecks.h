#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QString>

// A promise the books keep whatever happened to the program: a query
// counting the rows that break it, named so that a failure says which.
struct HallCheck
{
    const char* name;
    const char* brokenRows;
};

// The promises of the board: whatever opened, moved or settled a table,
// killed or racing another counter, these hold.
extern const HallCheck TablesMarkedByVisits;
extern const HallCheck OneOpenVisitPerTable;

// The first broken promise, "name: count", or what stopped the query;
// empty when all hold.
QString brokenCheck(const QSqlDatabase& db, const QList<HallCheck>& checks);

// Every broken promise, one "name: count" each.
QStringList brokenChecks(const QSqlDatabase& db, const QList<HallCheck>& checks);
