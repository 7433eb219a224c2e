#pragma once

#include "core/base/Result.h"
#include "core/billing/RateBands.h"

#include <QSqlDatabase>
#include <QString>
#include <QVariant>

#include <optional>

// A member's card as opening, the running charge and checkout read it.
struct MemberCard
{
    QString number;                 // as stored, which may differ in letter case from what was typed
    QString type;                   // "现金" when the member has no card type
    QVariant password;              // the password; null when the card has none
    std::optional<double> discount; // the member's discount, when set and not 0
    double balance = 0;

    RateKind kind() const;
    // "现金卡" and "现金优惠卡" pay the time from the balance; every other
    // card, one of a type the rules do not name included, pays cash.
    bool paysFromBalance() const;
    // A card without a password takes any; otherwise the trimmed passwords must match.
    bool accepts(const QString& typed) const;
};

// The one lookup of a member card: the number trimmed and compared without
// regard to letter case. The card, or nothing for an unknown card.
ResultOf<std::optional<MemberCard>> findMemberCard(const QSqlDatabase& db, const QString& number);
