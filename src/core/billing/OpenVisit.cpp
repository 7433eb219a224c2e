#include "core/billing/OpenVisit.h"

#include "core/base/Sql.h"
#include "core/base/VisitCondition.h"
#include "core/billing/BillingErrors.h"
#include "core/billing/TableNumber.h"

ResultOf<std::optional<OpenVisit>> findOpenVisit(const QSqlDatabase& db, qint16 number)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    const Result result = Sql::exec(query, OpenVisitQuery, {number});
    if (!result)
        return result;
    if (!query.next())
        return std::optional<OpenVisit>();
    return std::optional<OpenVisit>(OpenVisit{query.value(0).toLongLong(), query.value(1).toString(),
                                              query.value(2).toString(), query.value(3).toString()});
}

ResultOf<bool> isTableInUse(const QSqlDatabase& db, const QString& table)
{
    const std::optional<qint16> number = tableNumber(table);
    if (!number)
        return BillingErrors::typeMismatch();
    const ResultOf<std::optional<OpenVisit>> visit = findOpenVisit(db, *number);
    if (!visit)
        return visit.result();
    return visit->has_value();
}

ResultOf<int> countOpenTables(const QSqlDatabase& db)
{
    const ResultOf<QVariant> count =
        Sql::scalar(db, QStringLiteral("select count(distinct zhao) from waimxd where ") + VisitCondition::open());
    if (!count)
        return count.result();
    return count->toInt();
}
