#include "admin/HistoryClearing.h"

#include "base/DateText.h"
#include "base/Sql.h"

namespace HistoryClearing {

Result clearBefore(QSqlDatabase& db, const QDate& before)
{
    const QString date = DateText::date(before);
    return Sql::transaction(db, [&] {
        Result result = Sql::exec(db, QStringLiteral("delete from ckv_zc where rc < ? and jzbj = 1"), {date});
        if (result)
            result = Sql::exec(db, QStringLiteral("delete from waimxd where rc < ? and jsrc is not null"), {date});
        return result;
    });
}

} // namespace HistoryClearing
