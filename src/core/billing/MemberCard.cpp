#include "core/billing/MemberCard.h"

#include "core/base/CardKey.h"
#include "core/base/CardTypes.h"
#include "core/base/Notation.h"
#include "core/base/Sql.h"
#include "core/billing/CardRate.h"

#include <QSqlQuery>

RateKind MemberCard::kind() const
{
    return CardRate::kindOf(type);
}

bool MemberCard::paysFromBalance() const
{
    const QString trimmed = Notation::Trim(type);
    return trimmed == CardType::Balance || trimmed == CardType::BalanceDiscount;
}

bool MemberCard::accepts(const QString& typed) const
{
    return password.isNull() || Notation::Trim(password.toString()) == Notation::Trim(typed);
}

ResultOf<std::optional<MemberCard>> findMemberCard(const QSqlDatabase& db, const QString& number)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    // Two cards that differ only in letter case cannot both be meant; the
    // one written first answers, as it always has.
    const Result result = Sql::exec(query,
                                    QStringLiteral("select khao, klx, mm, zk, yk from user_lb "
                                                   "where %1 order by khao limit 1")
                                        .arg(CardKey::matches(QStringLiteral("khao"))),
                                    {number});
    if (!result)
        return result;
    if (!query.next())
        return std::optional<MemberCard>();
    MemberCard found;
    found.number = query.value(0).toString();
    found.type = query.isNull(1) ? CardType::Cash : query.value(1).toString();
    found.password = query.value(2);
    if (!query.isNull(3) && query.value(3).toDouble() != 0)
        found.discount = query.value(3).toDouble();
    found.balance = query.value(4).toDouble();
    return std::optional<MemberCard>(found);
}
