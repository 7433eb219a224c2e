#pragma once

#include <QHash>
#include <QList>
#include <QtGlobal>

// What the night's program did and what the commands said they took, to be
// held against what the file says at the end.
struct NightTally
{
    int opened = 0;
    int settled = 0;
    int twoBandVisits = 0;
    int shortBalances = 0;
    int topUps = 0;
    int transfers = 0;
    int swaps = 0;
    int tableSales = 0;
    int counterSales = 0;
    int shiftSettles = 0;

    double timeCharges = 0;    // the bills' time charges
    double tableGoods = 0;     // the bills' goods totals
    double counterTakings = 0; // the counter sales' amounts

    QList<qint64> closedRows; // every waimxd row a bill closed
    // Every goods row a bill settled, with the visit (djid) of that bill.
    QHash<qint64, qint64> billedGoods;
};
