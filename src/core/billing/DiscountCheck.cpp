#include "core/billing/DiscountCheck.h"

#include "core/base/ErrorReporter.h"
#include "core/base/Notation.h"
#include "core/base/Sql.h"

#include <QCoreApplication>

DiscountCheck checkDiscount(const QSqlDatabase& db, const QString& operatorName, DiscountRate rate)
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
    const QVariant storedLimit = query.value(0);
    if (storedLimit.isNull())
        return {false,
                Notice::exclamation(QCoreApplication::translate("DiscountCheck", "折扣率权限未设定，请重新设定。"))};
    // A typed rate has at most two decimals: the limit is taken to two as
    // well, so that one stored as the float 8.69999981 admits the rate 8.7.
    const double limit = double(qRound64(storedLimit.toDouble() * 100)) / 100;
    if (!rate.discounts() || limit <= rate.tenths())
        return {true, {}};
    return {false, Notice::exclamation(
                       QCoreApplication::translate("DiscountCheck", "折扣率超过你的最大折扣权限%1  ，请重新设定。")
                           .arg(discountText(storedLimit.toDouble())))};
}

QString discountText(double limit)
{
    return QString::number(static_cast<float>(limit), 'g', 7);
}
