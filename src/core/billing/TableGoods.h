#pragma once

#include "core/base/Result.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>

// A goods row of a table as checkout prices and settles it.
struct SettledGoods
{
    qint64 id = 0;
    QString name; // wlcode: the goods as the row names them
    double count = 0;
    double amount = 0; // after the goods' reduction
};

namespace TableGoods {

// The unsettled goods rows of a table in id order, each amount reduced once
// per row by its goods' member reduction (sp_max) for a card customer or
// non-member reduction (sp_mix) otherwise. Reads only: the provisional bill
// and the checkout price them here alike. The value is the priced rows.
ResultOf<QList<SettledGoods>> price(const QSqlDatabase& db, qint16 tableNumber, bool memberPrices);

// Writes the priced rows at their amounts and marks them settled by the
// operator. Runs inside the caller's transaction.
Result settle(const QSqlDatabase& db, const QList<SettledGoods>& goods, const QString& operatorName);

} // namespace TableGoods
