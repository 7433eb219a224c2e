#include "core/members/CardInUse.h"

#include "core/base/CardKey.h"
#include "core/base/Sql.h"
#include "core/base/VisitCondition.h"

namespace CardInUse {

Result tableOf(const QSqlDatabase& db, const QString& card, QVariant* table)
{
    Result result = Result::success();
    *table = Sql::scalarOrInvalid(db,
                                  QStringLiteral("select zhao from waimxd where %1 and %2 order by zhao limit 1")
                                      .arg(VisitCondition::open(), CardKey::matches(QStringLiteral("khao"))),
                                  {card}, &result);
    return result;
}

} // namespace CardInUse
