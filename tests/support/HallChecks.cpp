#include "support/HallChecks.h"

#include "core/base/Sql.h"

#include <QStringList>

const HallCheck TablesMarkedByVisits = {
    "a table is in use exactly while it has an open visit",
    "select count(*) from zhdy z where (z.sybj <> 0) <> exists (select 1 from waimxd w "
    "where w.zhao = z.zhao and w.jsrc is null) or (z.sybj = 0 and (z.tx <> 0 or z.fwfl <> 0))"};

const HallCheck OneOpenVisitPerTable = {
    "at most one open visit per table",
    "select count(*) from (select zhao from waimxd where jsrc is null group by zhao having count(*) > 1) as t"};

QStringList brokenChecks(const QSqlDatabase& db, const QList<HallCheck>& checks)
{
    QStringList broken;
    for (const HallCheck& check : checks) {
        const ResultOf<QVariant> count = Sql::scalar(db, QString::fromUtf8(check.brokenRows));
        if (!count || count->toInt() != 0)
            broken << QString::fromUtf8(check.name) + QStringLiteral(": ") + (count ? count->toString() : QString()) +
                          count.result().message();
    }
    return broken;
}

QString brokenCheck(const QSqlDatabase& db, const QList<HallCheck>& checks)
{
    return brokenChecks(db, checks).value(0);
}
