#pragma once

#include <QString>

// The card types as they are stored in klx and user_lb.klx. The shipped
// database offers the four types; a hall may add its own.
namespace CardType {

inline const QString Discount = QStringLiteral("优惠卡");            // pays the member rate, in cash
inline const QString Balance = QStringLiteral("现金卡");             // pays the time from the balance
inline const QString BalanceDiscount = QStringLiteral("现金优惠卡"); // both
inline const QString Time = QStringLiteral("机时卡");                // a type the rate rules do not name

// The type of a guest without a card, and of a member without a type.
inline const QString Cash = QStringLiteral("现金");

} // namespace CardType
