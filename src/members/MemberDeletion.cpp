#include "members/MemberDeletion.h"

#include "base/Sql.h"
#include "members/CardInUse.h"

#include <QCoreApplication>

namespace MemberDeletion {

Removal remove(QSqlDatabase& db, const QString& khao, const QString& name)
{
    Removal removal;
    removal.result = Sql::transaction(db, [&] {
        QVariant table;
        const Result result = CardInUse::tableOf(db, khao, &table);
        if (!result)
            return result;
        if (table.isValid()) {
            removal.refusal = Notice::exclamation(
                QCoreApplication::translate("MemberDeletion", "会员 '%1' 的卡正在 %2 号台使用，不能删除！")
                    .arg(name, table.toString()));
            return Result::success();
        }
        return Sql::exec(db, QStringLiteral("delete from user_lb where khao = ?"), {khao});
    });
    return removal;
}

} // namespace MemberDeletion
