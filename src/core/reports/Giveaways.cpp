#include "core/reports/Giveaways.h"

namespace Giveaways {

ResultOf<QList<Line>> run(const QSqlDatabase& db, const QDate& start, const QDate& end)
{
    Q_UNUSED(db);
    Q_UNUSED(start);
    Q_UNUSED(end);
    return QList<Line>();
}

} // namespace Giveaways
