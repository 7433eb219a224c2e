#include "core/members/ConsumptionQuery.h"

#include "core/base/Sql.h"
#include "core/members/MemberRecord.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlQueryModel>

namespace ConsumptionQuery {

QString listCode(Kind kind)
{
    return kind == Kind::Detail ? QStringLiteral("hyxf") : QStringLiteral("hyxflj");
}

QString conditionCode(Kind kind)
{
    return kind == Kind::Detail ? QStringLiteral("hyxftj") : QStringLiteral("hyxflj");
}

QString openVisit()
{
    return QCoreApplication::translate("ConsumptionQuery", "未结账");
}

QString statement(Kind kind, const ConsumptionCondition::Condition& condition)
{
    QString text =
        kind == Kind::Detail
            ? QStringLiteral("SELECT waimxd.id, waimxd.ksrc, COALESCE(waimxd.jsrc, ?) AS jsrc, waimxd.sc, user_lb.yhm, "
                             "user_lb.khao, "
                             "user_lb.sfzh, user_lb.xb, user_lb.csrc, waimxd.dj, waimxd.je, waimxd.czyname, "
                             "waimxd.rc, waimxd.sc1 FROM user_lb INNER JOIN waimxd ON user_lb.khao = waimxd.khao")
            : QStringLiteral("select %1 from user_lb").arg(MemberRecord::Columns);
    if (!condition.sql.isEmpty())
        text += QStringLiteral(" WHERE ") + condition.sql;
    return text;
}

Result run(const QSqlDatabase& db, Kind kind, const ConsumptionCondition::Condition& condition, QSqlQueryModel* model)
{
    QSqlQuery query(db);
    QVariantList values = condition.values;
    if (kind == Kind::Detail)
        values.prepend(openVisit());
    const Result result = Sql::exec(query, statement(kind, condition), values);
    if (!result)
        return result;
    model->setQuery(std::move(query));
    if (model->lastError().isValid())
        return Result::fromSqlError(model->lastError());
    return Result::success();
}

} // namespace ConsumptionQuery
