#include "core/billing/DiscountRate.h"

#include "core/base/TypedNumber.h"

std::optional<DiscountRate> DiscountRate::parse(const QString& typed)
{
    if (typed.trimmed().isEmpty())
        return DiscountRate();
    const std::optional<double> tenths = typedNumber(typed, 2);
    if (!tenths || *tenths >= 10)
        return std::nullopt;
    return DiscountRate(*tenths);
}
