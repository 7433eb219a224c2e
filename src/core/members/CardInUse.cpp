#include "core/members/CardInUse.h"

#include "core/base/Sql.h"

namespace CardInUse {

Result tableOf(const QSqlDatabase& db, const QString& khao, QVariant* table)
{
    Result result = Result::success();
    *table = Sql::scalar(db,
                         QStringLiteral("select zhao from waimxd where jsrc is null "
                                        "and upper(khao) = upper(?) order by zhao limit 1"),
                         {khao.trimmed()}, &result);
    return result;
}

} // namespace CardInUse
