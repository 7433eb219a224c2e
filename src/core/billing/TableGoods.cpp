#include "core/billing/TableGoods.h"

#include "core/base/Notation.h"
#include "core/base/Sql.h"

namespace TableGoods {

namespace {

// The goods' reduction; 0 for goods the catalogue does not hold.
ResultOf<double> reductionOf(const QSqlDatabase& db, const QString& goods, bool memberPrices)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    const Result result =
        Sql::exec(query,
                  memberPrices ? QStringLiteral("select sp_max from spzd where name=? order by rowid limit 1")
                               : QStringLiteral("select sp_mix from spzd where name=? order by rowid limit 1"),
                  {goods});
    if (!result)
        return result;
    return query.next() ? query.value(0).toDouble() : 0.0;
}

} // namespace

ResultOf<QList<SettledGoods>> price(const QSqlDatabase& db, qint16 tableNumber, bool memberPrices)
{
    QSqlQuery rows(db);
    rows.setForwardOnly(true);
    const Result result = Sql::exec(
        rows, QStringLiteral("select id, wlcode, count, amount from ckv_zc where zhao=? and jzbj=0 order by id"),
        {QString::number(tableNumber)});
    if (!result)
        return result;
    QList<SettledGoods> goods;
    while (rows.next()) {
        SettledGoods row{rows.value(0).toLongLong(), rows.value(1).toString(), rows.value(2).toDouble(),
                         rows.value(3).toDouble()};
        goods.append(row);
    }
    for (SettledGoods& row : goods) {
        const ResultOf<double> reduction = reductionOf(db, row.name, memberPrices);
        if (!reduction)
            return reduction.result();
        row.amount = Notation::roundHalfEven(row.amount - *reduction, 2);
    }
    return goods;
}

Result settle(const QSqlDatabase& db, const QList<SettledGoods>& goods, const QString& operatorName)
{
    Result result = Result::success();
    for (qsizetype i = 0; result && i < goods.size(); ++i) {
        const SettledGoods& row = goods.at(i);
        result = Sql::exec(db, QStringLiteral("update ckv_zc set amount=?, jzbj=1, czyname=?, dzbj='1' where id=?"),
                           {row.amount, operatorName, row.id});
    }
    return result;
}

} // namespace TableGoods
