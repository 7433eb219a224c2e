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
        // A table being opened with the card at another counter is waited
        // for, and then found.
        if (const ResultOf<bool> held = Sql::holdRow(db, QStringLiteral("user_lb"), QStringLiteral("khao"), card);
            !held)
            return held.result();
        const ResultOf<std::optional<QString>> table = CardInUse::tableOf(db, card);
        if (!table)
            return table.result();
        if (*table) {
            removal.refusal = Notice::exclamation(
                QCoreApplication::translate("MemberDeletion", "会员 '%1' 的卡正在 %2 号台使用，不能删除！")
                    .arg(name, **table));
            return Result::success();
        }
        return Sql::exec(db, QStringLiteral("delete from user_lb where khao = ?"), {card});
    });
    return removal;
}

ResultOf<QString> question(const QSqlDatabase& db, const QString& card, const QString& name)
{
    const ResultOf<QVariant> balance = Sql::scalar(db, QStringLiteral("select yk from user_lb where khao = ?"), {card});
    if (!balance)
        return balance.result();
    return QCoreApplication::translate("MemberDeletion",
                                       "确实要删除会员 '%1' 吗？\n卡上余额 %2 元将随会员删除（充值记录保留）。")
        .arg(name, Notation::moneyText(balance->toDouble()));
}

} // namespace MemberDeletion
