#include "core/members/MemberDeletion.h"

#include "core/base/Notation.h"
#include "core/base/Sql.h"
#include "core/members/CardInUse.h"

#include <QCoreApplication>

namespace MemberDeletion {

Removal remove(QSqlDatabase& db, const QString& card, const QString& name)
{
    Removal removal;
    removal.result = Sql::transaction(db, [&] {
        QVariant table;
        const Result result = CardInUse::tableOf(db, card, &table);
        if (!result)
            return result;
        if (table.isValid()) {
            removal.refusal = Notice::exclamation(
                QCoreApplication::translate("MemberDeletion", "会员 '%1' 的卡正在 %2 号台使用，不能删除！")
                    .arg(name, table.toString()));
            return Result::success();
        }
        return Sql::exec(db, QStringLiteral("delete from user_lb where khao = ?"), {card});
    });
    return removal;
}

Result question(const QSqlDatabase& db, const QString& card, const QString& name, QString* text)
{
    Result result = Result::success();
    const QVariant balance =
        Sql::scalarOrInvalid(db, QStringLiteral("select yk from user_lb where khao = ?"), {card}, &result);
    if (!result)
        return result;
    *text = QCoreApplication::translate("MemberDeletion",
                                        "确实要删除会员 '%1' 吗？\n卡上余额 %2 元将随会员删除（充值记录保留）。")
                .arg(name, Notation::moneyText(balance.toDouble()));
    return result;
}

} // namespace MemberDeletion
