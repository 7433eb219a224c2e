#pragma once

#include "core/billing/RateBands.h"

#include <QString>

namespace CardRate {

// The card type of a guest without a card.
inline const QString Cash = QStringLiteral("现金");

// "优惠卡" and "现金优惠卡" pay the member rate. Every other type pays the
// non-member rate: "现金卡", a cash guest, and also a type the rules do not
// name (such as "机时卡"), which would otherwise play for nothing.
RateKind kindOf(const QString& cardType);

} // namespace CardRate
