#include "core/billing/CheckoutCustomer.h"

#include "core/base/CardTypes.h"
#include "core/base/Notation.h"
#include "core/billing/CardRate.h"
#include "core/billing/MemberCard.h"

QString CheckoutCustomer::paymentMethod() const
{
    return paysFromBalance ? QStringLiteral("刷卡") : CardType::Cash;
}

ResultOf<std::optional<CheckoutCustomer>> CheckoutCustomer::identify(const QSqlDatabase& db, const QString& card,
                                                                     const QString& password)
{
    if (Notation::Trim(card).isEmpty() && Notation::Trim(password).isEmpty()) {
        CheckoutCustomer cash;
        cash.cardType = CardType::Cash;
        return std::optional<CheckoutCustomer>(cash);
    }
    const ResultOf<std::optional<MemberCard>> looked = findMemberCard(db, card);
    if (!looked)
        return looked.result();
    const std::optional<MemberCard>& member = *looked;
    if (!member || !member->accepts(password))
        return std::optional<CheckoutCustomer>();
    CheckoutCustomer found;
    found.card = member->number;
    found.cardType = member->type;
    found.kind = member->kind();
    found.paysFromBalance = member->paysFromBalance();
    found.discount = member->discount;
    found.balance = member->balance;
    return std::optional<CheckoutCustomer>(found);
}
