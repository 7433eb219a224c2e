#include "core/goods/DocumentNumber.h"

#include "core/base/Sql.h"

namespace DocumentNumber {

ResultOf<qint64> next(const QSqlDatabase& db, const QString& table)
{
    // The table name comes from the document kind, never from typing.
    const ResultOf<QVariant> largest = Sql::scalar(db, QStringLiteral("select max(dj_id) as maxdj_id from ") + table);
    if (!largest)
        return largest.result();
    return largest->isNull() ? qint64(1) : largest->toLongLong() + 1;
}

} // namespace DocumentNumber
