#pragma once

#include "core/base/Result.h"

#include <QDate>
#include <QList>
#include <QSqlDatabase>
#include <QString>

// What the hall gave away: the time billed below the guest price, the visits
// charged nothing, the goods sold below their list price and the money the
// discounts typed at checkout took off, for the owner to see who gave what.
namespace Giveaways {

struct Line
{
    QDate day;
    QString operatorName;
    double timeGivenAway = 0; // Σ(je1 − je): the guest price of the time minus what was charged
    int freeVisits = 0;       // settled visits charged 0
    double goodsReductions = 0;
    double checkoutDiscounts = 0;
};

// By business day (rc) and operator (czyname), over settled visits and paid goods of the period, both days
// included, in day then operator order. Nothing is written.
ResultOf<QList<Line>> run(const QSqlDatabase& db, const QDate& start, const QDate& end);

} // namespace Giveaways
