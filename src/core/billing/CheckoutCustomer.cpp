#include "core/billing/CheckoutCustomer.h"

#include "core/base/CardTypes.h"
#include "core/base/Notation.h"
#include "core/billing/CardRate.h"
#include "core/billing/MemberCard.h"

QString CheckoutCustomer::paymentMethod() const
{
    return paysFromBalance ? QStringLiteral("刷卡") : CardType::Cash;
}

Result CheckoutCustomer::identify(const QSqlDatabase& db, const QString& card, const QString& password,
                                  std::optional<CheckoutCustomer>* customer)
{
    customer->reset();
    if (Notation::Trim(card).isEmpty() && Notation::Trim(password).isEmpty()) {
        CheckoutCustomer cash;
        cash.cardType = CardType::Cash;
        *customer = cash;
        return Result::success();
    }
    std::optional<MemberCard> member;
    const Result result = findMemberCard(db, card, &member);
    if (!result || !member || !member->accepts(password))
        return result;
    CheckoutCustomer found;
    found.card = member->number;
    found.cardType = member->type;
    found.kind = member->kind();
    found.paysFromBalance = member->paysFromBalance();
    found.discount = member->discount;
    found.balance = member->balance;
    *customer = found;
    return result;
}
