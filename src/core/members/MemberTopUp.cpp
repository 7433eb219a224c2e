#include "core/members/MemberTopUp.h"

#include "core/base/AppState.h"
#include "core/base/Notation.h"
#include "core/base/Sql.h"
#include "core/base/TypedNumber.h"
#include "core/members/RechargeRecord.h"

#include <QCoreApplication>

namespace MemberTopUp {

bool passwordMatches(const AppState& state, const QString& entered)
{
    return entered == state.params.depositPassword;
}

Outcome topUp(AppState& state, const Request& request)
{
    Outcome outcome;
    const std::optional<double> credited = typedAmount(request.credited);
    if (!credited || *credited <= 0) {
        outcome.refusal = Notice::exclamation(
            QCoreApplication::translate("MemberTopUp", "存入卡中金额请输入大于 0、不超过 %1 的数字，最多两位小数！")
                .arg(QString::number(LargestAmount, 'f', 0)));
        return outcome;
    }
    if (request.paid.trimmed().isEmpty()) {
        outcome.refusal = Notice::exclamation(QCoreApplication::translate("MemberTopUp", "请输入实付金额！"));
        return outcome;
    }
    const std::optional<double> paid = typedAmount(request.paid);
    if (!paid) {
        outcome.refusal = Notice::exclamation(amountRule(QCoreApplication::translate("MemberTopUp", "实付金额")));
        return outcome;
    }
    QSqlDatabase db = state.DbConn;
    outcome.result = Sql::transaction(db, [&] {
        // Another counter's top-up or card payment of the member waits, so
        // that the balance read here is still the balance when it is written.
        if (const ResultOf<bool> held =
                Sql::holdRow(db, QStringLiteral("user_lb"), QStringLiteral("khao"), request.card);
            !held)
            return held.result();
        const ResultOf<QVariant> balance =
            Sql::scalar(db, QStringLiteral("select coalesce(yk, 0) from user_lb where khao = ?"), {request.card});
        if (!balance)
            return balance.result();
        if (!balance->isValid()) {
            outcome.refusal = Notice::critical(
                QCoreApplication::translate("MemberTopUp", "卡号 %1 的会员已不存在，存款没有记入。").arg(request.card));
            return Result::success();
        }
        Result result = Sql::exec(db, QStringLiteral("update user_lb set yk = ? where khao = ?"),
                                  {Notation::roundHalfEven(balance->toDouble() + *credited, 2), request.card});
        if (result)
            result = RechargeRecord::writeWithCredit(
                db, {state.BusinessDate, state.OperatorName, *paid, 0, QStringLiteral("加款"), request.card, true},
                *credited);
        return result;
    });
    return outcome;
}

} // namespace MemberTopUp
