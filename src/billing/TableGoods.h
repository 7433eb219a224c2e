#pragma once

#include "base/Result.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>

// A goods row of a table as checkout settled it.
struct SettledGoods
{
    qint64 id = 0;
    QString wlcode;
    double count = 0;
    double amount = 0; // after the goods' reduction
};

namespace TableGoods {

// Settles the unsettled goods rows of a table in id order: each amount is
// reduced once per row by its goods' member reduction (sp_max) for a card
// customer or non-member reduction (sp_mix) otherwise, then the row is
// marked settled by the operator. Runs inside the caller's transaction.
Result settle(const QSqlDatabase& db, qint16 zhao, bool memberPrices, const QString& czyname,
              QList<SettledGoods>* goods);

} // namespace TableGoods
