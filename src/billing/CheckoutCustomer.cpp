#include "billing/CheckoutCustomer.h"

#include "base/Notation.h"
#include "base/Sql.h"
#include "billing/CardRate.h"

QString CheckoutCustomer::fkfs() const
{
    return paysFromBalance ? QStringLiteral("刷卡") : CardRate::Cash;
}

Result CheckoutCustomer::identify(const QSqlDatabase& db, const QString& card, const QString& password,
                                  std::optional<CheckoutCustomer>* customer)
{
    customer->reset();
    const QString number = Notation::Trim(card);
    if (number.isEmpty() && Notation::Trim(password).isEmpty()) {
        CheckoutCustomer cash;
        cash.cardType = CardRate::Cash;
        *customer = cash;
        return Result::success();
    }
    QSqlQuery query(db);
    query.setForwardOnly(true);
    const Result result =
        Sql::exec(query, QStringLiteral("select mm, klx, zk, yk from user_lb where khao=?"), {number});
    if (!result || !query.next())
        return result;
    if (!query.isNull(0) && Notation::Trim(query.value(0).toString()) != Notation::Trim(password))
        return result;

    CheckoutCustomer member;
    member.card = number;
    member.cardType = query.value(1).toString();
    member.kind = CardRate::kindOf(member.cardType);
    const QString type = Notation::Trim(member.cardType);
    member.paysFromBalance = type == QStringLiteral("现金卡") || type == QStringLiteral("现金优惠卡");
    if (!query.isNull(2) && query.value(2).toDouble() != 0)
        member.discount = query.value(2).toDouble();
    member.yk = query.value(3).toDouble();
    *customer = member;
    return result;
}
