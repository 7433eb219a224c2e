#include "core/billing/OpenVisit.h"

#include "core/base/Sql.h"
#include "core/base/VisitCondition.h"
#include "core/billing/BillingErrors.h"
#include "core/billing/TableNumber.h"

Result findOpenVisit(const QSqlDatabase& db, qint16 number, std::optional<OpenVisit>* visit)
{
    visit->reset();
    QSqlQuery query(db);
    query.setForwardOnly(true);
    const Result result = Sql::exec(query, OpenVisitQuery, {number});
    if (result && query.next())
        *visit = OpenVisit{query.value(0).toLongLong(), query.value(1).toString(), query.value(2).toString()};
    return result;
}

ResultOf<bool> isTableInUse(const QSqlDatabase& db, const QString& table)
{
    const std::optional<qint16> number = tableNumber(table);
    if (!number)
        return BillingErrors::typeMismatch();
    std::optional<OpenVisit> visit;
    const Result found = findOpenVisit(db, *number, &visit);
    if (!found)
        return found;
    return visit.has_value();
}

Result countOpenTables(const QSqlDatabase& db, int* count)
{
    Result result = Result::success();
    *count =
        Sql::scalarOrInvalid(
            db, QStringLiteral("select count(distinct zhao) from waimxd where ") + VisitCondition::open(), {}, &result)
            .toInt();
    return result;
}
