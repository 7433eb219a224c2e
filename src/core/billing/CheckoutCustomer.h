#pragma once

#include "core/base/Result.h"
#include "core/billing/RateBands.h"

#include <QSqlDatabase>
#include <QString>

#include <optional>

// Who settles a visit: a cash guest, or a member whose card was accepted.
struct CheckoutCustomer
{
    QString card;     // empty for a cash guest
    QString cardType; // klx of the card; "现金" for a cash guest
    // Both as MemberCard decides them; a cash guest pays non-member rates in cash.
    RateKind kind = RateKind::NonMember;
    bool paysFromBalance = false;
    std::optional<double> discount; // the member's zk, when set and not 0
    double balance = 0;

    bool hasCard() const { return !card.isEmpty(); }
    QString paymentMethod() const; // fkfs: "现金" or "刷卡"

    // Who settles: a blank card and password make a cash guest. Otherwise
    // the card must be found (findMemberCard) and accept the password; a
    // refused card is nobody.
    static ResultOf<std::optional<CheckoutCustomer>> identify(const QSqlDatabase& db, const QString& card,
                                                              const QString& password);
};
