#include "BoardHall.h"

#include "core/base/Database.h"
#include "core/base/Sql.h"

#include <QAtomicInt>

namespace {

QAtomicInt serial;

const QString Numbers = QStringLiteral("with recursive n(i) as (select 1 union all select i + 1 from n where i < ?) ");

Result addTables(const QSqlDatabase& db, int tables)
{
    return Sql::exec(db,
                     Numbers + QStringLiteral("insert into zhdy (zhao, mc, sybj, tx, fwfl) "
                                              "select i, '台' || i, i <= ?, (i % 3) * 30, 50 from n"),
                     {tables, BoardHall::openTablesOf(tables)});
}

// Two bands a table, the day and the evening, so that a visit open across
// 18:00 is priced in two segments as at the counter.
Result addBands(const QSqlDatabase& db, int tables)
{
    return Sql::exec(db,
                     Numbers + QStringLiteral("insert into jfbz (zhao, hybz, fhybz, kssj, jssj, jfdw, dwname) "
                                              "select i, 8, 10, '08:00:00', '18:00:00', 1, '小时' from n "
                                              "union all "
                                              "select i, 12, 15, '18:00:00', '23:59:00', 1, '小时' from n"),
                     {tables});
}

// The cards of the open visits, as members at the member rate.
Result addMembers(const QSqlDatabase& db, int tables)
{
    return Sql::exec(db,
                     Numbers + QStringLiteral("insert into user_lb (khao, klx, zk, yk, jslj, jelj) "
                                              "select 'M' || i, '优惠卡', 0, 100, 0, 0 from n where i % 4 = 0"),
                     {tables});
}

// One statement writes the whole history, so a million rows take seconds.
Result addHistory(const QSqlDatabase& db, int tables, qint64 visits)
{
    return Sql::exec(
        db,
        Numbers + QStringLiteral("insert into waimxd (zhao, khao, ksrc, jsrc, sc, sc1, dj, dj1, je, je1, djid, rc, "
                                 "czyname, fkfs, dzbj) "
                                 "select i % ? + 1, case when i % 5 = 0 then 'M' || (i % 40) else '' end, "
                                 "datetime('2016-01-01 08:00:00', '+' || (i * 4) || ' minutes'), "
                                 "datetime('2016-01-01 09:30:00', '+' || (i * 4) || ' minutes'), "
                                 "1.5, '1:30', 10, 10, 15, 15, i, "
                                 "date('2016-01-01', '+' || (i * 4 / 1440) || ' days'), '操作员', '现金', '3' "
                                 "from n"),
        {visits, tables});
}

Result addOpenVisits(const QSqlDatabase& db, int tables)
{
    return Sql::exec(db,
                     Numbers + QStringLiteral("insert into waimxd (zhao, khao, ksrc, dj, dj1, czyname) "
                                              "select i, case when i % 4 = 0 then 'M' || i end, "
                                              "datetime('2026-12-06 15:00:00', '+' || (i % 180) || ' minutes'), "
                                              "12, 15, '操作员' from n"),
                     {BoardHall::openTablesOf(tables)});
}

} // namespace

BoardHall::BoardHall()
    : m_connection(QStringLiteral("bench-board-") + QString::number(serial.fetchAndAddRelaxed(1)))
{}

BoardHall::~BoardHall()
{
    db = QSqlDatabase();
    Database::close(m_connection);
}

Result BoardHall::fill(int tables, qint64 settledVisits)
{
    if (!m_dir.isValid())
        return Result::failure(QStringLiteral("no temporary folder: ") + m_dir.errorString());
    const Result result = Database::create(m_dir.filePath(QStringLiteral("jssfserver.mdb")), m_connection, &db);
    if (!result)
        return result;
    return Sql::transaction(db, [&] {
        Result step = addTables(db, tables);
        if (step)
            step = addBands(db, tables);
        if (step)
            step = addMembers(db, tables);
        if (step)
            step = addHistory(db, tables, settledVisits);
        if (step)
            step = addOpenVisits(db, tables);
        return step;
    });
}
