#include "core/members/CardInUse.h"

#include "core/base/CardKey.h"
#include "core/base/Sql.h"
#include "core/base/VisitCondition.h"

namespace CardInUse {

ResultOf<std::optional<QString>> tableOf(const QSqlDatabase& db, const QString& card)
{
    const ResultOf<QVariant> table =
        Sql::scalar(db,
                    QStringLiteral("select zhao from waimxd where %1 and %2 order by zhao limit 1")
                        .arg(VisitCondition::open(), CardKey::matches(QStringLiteral("khao"))),
                    {card});
    if (!table)
        return table.result();
    return table->isValid() ? std::optional<QString>(table->toString()) : std::nullopt;
}

} // namespace CardInUse
