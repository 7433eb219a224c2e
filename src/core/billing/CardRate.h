#pragma once

#include "core/billing/RateBands.h"

#include <QString>

namespace CardRate {

// CardType::Discount and CardType::BalanceDiscount pay the member rate.
// Every other type pays the non-member rate: CardType::Balance, a cash
// guest, and also a type the rules do not name (such as CardType::Time),
// which would otherwise play for nothing.
RateKind kindOf(const QString& cardType);

} // namespace CardRate
