#include "core/base/TableNews.h"

#include "core/base/Sql.h"
#include "core/base/SqlDialect.h"

namespace TableNews {

Result tell(const QSqlDatabase& db, qint16 table)
{
    if (SqlDialect::of(db) != SqlDialect::Store::Server)
        return Result::success();
    return Sql::exec(db, QStringLiteral("select pg_notify(?, ?)"), {Channel, QString::number(table)});
}

} // namespace TableNews
