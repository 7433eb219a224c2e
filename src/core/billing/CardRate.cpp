#include "core/billing/CardRate.h"

#include "core/base/CardTypes.h"
#include "core/base/Notation.h"

namespace CardRate {

RateKind kindOf(const QString& cardType)
{
    const QString type = Notation::Trim(cardType);
    if (type == CardType::Discount || type == CardType::BalanceDiscount)
        return RateKind::Member;
    return RateKind::NonMember;
}

} // namespace CardRate
