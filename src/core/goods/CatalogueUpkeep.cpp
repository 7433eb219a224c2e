#include "core/goods/CatalogueUpkeep.h"

#include "core/base/Sql.h"

#include <QStringList>

namespace CatalogueUpkeep {

Result run(QSqlDatabase& db, const GoodsCode::Structure& structure)
{
    return Sql::transaction(db, [&]() -> Result {
        Result result = Sql::exec(db, QStringLiteral("delete from spzd where name is null or trim(name) = ''"));
        if (!result)
            return result;
        QSqlQuery codes(db);
        result =
            Sql::exec(codes, QStringLiteral("select headcode from spzd where headcode is not null order by headcode"));
        if (!result)
            return result;
        QStringList ordered;
        while (codes.next())
            ordered.append(codes.value(0).toString());
        codes.finish();
        QList<QVariantList> flags;
        for (qsizetype i = 0; i < ordered.size(); ++i) {
            const bool leaf = i + 1 == ordered.size() || ordered.at(i + 1).size() <= ordered.at(i).size();
            flags.append({leaf ? 1 : 0, ordered.at(i)});
        }
        result = Sql::execEach(db, QStringLiteral("update spzd set zzbj = ? where headcode = ?"), flags);
        if (!result)
            return result;
        QList<QVariantList> levels;
        for (int level = 1; level <= structure.levels; ++level)
            levels.append({level, structure.cumulative(level)});
        return Sql::execEach(db, QStringLiteral("update spzd set point_h = ? where length(headcode) = ?"), levels);
    });
}

} // namespace CatalogueUpkeep
