#include "members/MemberDeletion.h"

#include "base/Sql.h"

namespace MemberDeletion {

Removal remove(QSqlDatabase& db, const QString& khao, const QString& name)
{
    Removal removal;
    removal.result = Sql::transaction(db, [&] {
        Result result = Result::success();
        const QVariant table = Sql::scalar(db,
                                           QStringLiteral("select zhao from waimxd where jsrc is null "
                                                          "and upper(khao) = upper(?) order by zhao limit 1"),
                                           {khao.trimmed()}, &result);
        if (!result)
            return result;
        if (table.isValid()) {
            removal.refusal = Notice::exclamation(
                QStringLiteral("会员 '%1' 的卡正在 %2 号台使用，不能删除！").arg(name, table.toString()));
            return Result::success();
        }
        return Sql::exec(db, QStringLiteral("delete from user_lb where khao = ?"), {khao});
    });
    return removal;
}

} // namespace MemberDeletion
