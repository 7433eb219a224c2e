#include "core/goods/DocumentNumber.h"

#include "core/base/Sql.h"

namespace DocumentNumber {

Result next(const QSqlDatabase& db, const QString& table, qint64* number)
{
    // The table name comes from the document kind, never from typing.
    Result result = Result::success();
    const QVariant largest =
        Sql::scalarOrInvalid(db, QStringLiteral("select max(dj_id) as maxdj_id from ") + table, {}, &result);
    *number = largest.isNull() ? 1 : largest.toLongLong() + 1;
    return result;
}

} // namespace DocumentNumber
