#include "core/goods/GoodsLookup.h"

#include "core/base/Sql.h"

namespace GoodsLookup {

Result find(const QSqlDatabase& db, const QString& text, std::optional<Goods>* found)
{
    found->reset();
    if (text.trimmed().isEmpty())
        return Result::success();
    QSqlQuery query(db);
    query.setForwardOnly(true);
    const Result result = Sql::exec(
        query,
        QStringLiteral("select name, spdj from spzd where headcode=? or spjm=? or name=? order by rowid limit 1"),
        {text, text, text});
    if (result && query.next())
        *found = Goods{query.value(0).toString(), query.value(1).toDouble()};
    return result;
}

QString priceText(double price)
{
    return QString::number(price, 'g', 15);
}

} // namespace GoodsLookup
