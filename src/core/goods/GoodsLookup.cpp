#include "core/goods/GoodsLookup.h"

#include "core/base/Sql.h"

namespace GoodsLookup {

ResultOf<std::optional<Goods>> find(const QSqlDatabase& db, const QString& text)
{
    if (text.trimmed().isEmpty())
        return std::optional<Goods>();
    QSqlQuery query(db);
    query.setForwardOnly(true);
    const Result result = Sql::exec(
        query,
        QStringLiteral("select name, spdj from spzd where headcode=? or spjm=? or name=? order by rowid limit 1"),
        {text, text, text});
    if (!result)
        return result;
    if (!query.next())
        return std::optional<Goods>();
    return std::optional<Goods>(Goods{query.value(0).toString(), query.value(1).toDouble()});
}

QString priceText(double price)
{
    return QString::number(price, 'g', 15);
}

} // namespace GoodsLookup
