#include "core/billing/CardRate.h"

#include "core/base/Notation.h"

namespace CardRate {

RateKind kindOf(const QString& cardType)
{
    const QString type = Notation::Trim(cardType);
    if (type == QStringLiteral("优惠卡") || type == QStringLiteral("现金优惠卡"))
        return RateKind::Member;
    return RateKind::NonMember;
}

} // namespace CardRate
