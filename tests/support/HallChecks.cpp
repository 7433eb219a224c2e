#include "support/HallChecks.h"

#include "core/base/Sql.h"
#include "support/HallFixture.h"

#include <QStringList>

const HallCheck TablesMarkedByVisits = {
    "a table is in use exactly while it has an open visit",
    "select count(*) from zhdy z where (z.sybj <> 0) <> exists (select 1 from waimxd w "
    "where w.zhao = z.zhao and w.jsrc is null) or (z.sybj = 0 and (z.tx <> 0 or z.fwfl <> 0))"};

const HallCheck OneOpenVisitPerTable = {
    "at most one open visit per table",
    "select count(*) from (select zhao from waimxd where jsrc is null group by zhao having count(*) > 1) as t"};

bool addCheckoutHall(HallFixture& f)
{
    return f.addBands(1, QStringLiteral("00:01:00-23:59:00=8/10")) &&
           f.addBands(2, QStringLiteral("00:01:00-13:00:00=8/10;13:00:00-23:59:00=12/15")) &&
           f.hall.exec(QStringLiteral("insert into zhdy (zhao, mc) values (1, '一号'), (2, '二号')")) &&
           f.addMember(QStringLiteral("M1"), {}, QStringLiteral("现金卡"), {}, 1000000) &&
           f.addMember(QStringLiteral("M2"), {}, QStringLiteral("现金优惠卡"), {}, 1000000);
}

const QList<HallCheck> CheckoutChecks = {
    {"goods settled exactly with their visit", "select count(*) from ckv_zc g left join waimxd w on w.id = g.dj_id "
                                               "where w.id is null or (w.jsrc is null) <> (g.jzbj = 0)"},
    {"balance taken exactly for the closed visits",
     "select count(*) from user_lb u where abs(u.yk + (select coalesce(sum(je), 0) from waimxd w "
     "where w.khao = u.khao and w.jsrc is not null) - 1000000) > 0.001"},
    {"member's charges total exactly the closed visits",
     "select count(*) from user_lb u where abs(u.jelj - (select coalesce(sum(je), 0) from waimxd w "
     "where w.khao = u.khao and w.jsrc is not null)) > 0.001"},
    TablesMarkedByVisits,
    {"every closed row is settled and points at its front row",
     "select count(*) from waimxd w where w.jsrc is not null and (w.dzbj is distinct from '1' or w.je is null or not "
     "exists "
     "(select 1 from waimxd f where f.id = cast(w.djid as integer) and f.jsrc is not null and f.zhao = w.zhao))"},
    {"a bill has one row, or two across the rate change of table 2",
     "select count(*) from waimxd f where f.jsrc is not null and f.id = cast(f.djid as integer) and "
     "(select count(*) from waimxd b where b.djid = f.djid) <> case f.zhao when 2 then 2 else 1 end"},
    OneOpenVisitPerTable,
};

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
