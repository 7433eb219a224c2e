#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QString>

class HallFixture;

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

// The hall a checkout child settles over and over: tables 1 and 2, the
// second across a rate change at 13:00, and the cards M1 (现金卡) and M2
// (现金优惠卡) holding a million each.
bool addCheckoutHall(HallFixture& f);
// What a checkout cut off at any moment, by a kill or a backup taken
// meanwhile, leaves whole on that hall.
extern const QList<HallCheck> CheckoutChecks;

// The first broken promise, "name: count", or what stopped the query;
// empty when all hold.
QString brokenCheck(const QSqlDatabase& db, const QList<HallCheck>& checks);

// Every broken promise, one "name: count" each.
QStringList brokenChecks(const QSqlDatabase& db, const QList<HallCheck>& checks);
