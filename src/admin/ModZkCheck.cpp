#include "admin/ModZkCheck.h"

#include "base/ModCWCl.h"
#include "base/Notation.h"
#include "base/Sql.h"

DiscountCheck ModZkCheck(const QSqlDatabase& db, const QString& operatorName, float rate)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    const Result result =
        Sql::exec(query, QStringLiteral("select zk from czyzd where trim(czy_name) = ? order by rowid limit 1"),
                  {Notation::Trim(operatorName)});
    if (!result)
        return {false, Notice::critical(errorText(result.number(), result.message()))};
    if (!query.next())
        return {};
    const QVariant zk = query.value(0);
    if (zk.isNull())
        return {false, Notice::exclamation(QStringLiteral("折扣率权限未设定，请重新设定。"))};
    // The rate arrives as a float: compare at that precision, or a limit of
    // 8.7 would refuse the rate 8.7.
    const float limit = static_cast<float>(zk.toDouble());
    if (rate == 0 || (limit <= rate && rate < 10))
        return {true, {}};
    return {false, Notice::exclamation(QStringLiteral("折扣率超过你的最大折扣权限") + discountText(zk.toDouble()) +
                                       QStringLiteral("  ，请重新设定。"))};
}

QString discountText(double zk)
{
    return QString::number(static_cast<float>(zk), 'g', 7);
}
