#include "BenchHall.h"

#include "core/base/Database.h"
#include "core/base/Sql.h"

#include <QAtomicInt>

namespace {

QAtomicInt serial;

const QStringList CardTypes = {QStringLiteral("优惠卡"), QStringLiteral("现金优惠卡"), QStringLiteral("现金卡"),
                               QStringLiteral("机时卡")};

Result addTables(QSqlDatabase& db)
{
    static const QList<std::pair<const char*, const char*>> bands = {
        {"00:01:00", "08:00:00"}, {"08:00:00", "12:00:00"}, {"12:00:00", "16:00:00"},
        {"16:00:00", "18:00:00"}, {"18:00:00", "22:00:00"}, {"22:00:00", "23:59:00"},
    };
    for (int table = 1; table <= BenchHall::Tables; ++table) {
        Result result =
            Sql::exec(db, QStringLiteral("insert into zhdy (zhao, mc, sybj, zxjffz, zdxffz) values (?, ?, ?, ?, ?)"),
                      {table, QString(QStringLiteral("台") + QString::number(table)),
                       table <= BenchHall::OpenTables ? 1 : 0, (table % 3) * 15, (table % 4) * 30});
        for (int band = 0; result && band < bands.size(); ++band)
            result = Sql::exec(db,
                               QStringLiteral("insert into jfbz (zhao, hybz, fhybz, kssj, jssj, jfdw, dwname) "
                                              "values (?, ?, ?, ?, ?, 1, '小时')"),
                               {table, 8 + band * 2, 10 + band * 3, QString::fromLatin1(bands[band].first),
                                QString::fromLatin1(bands[band].second)});
        if (!result)
            return result;
    }
    return Result::success();
}

Result addMembers(QSqlDatabase& db)
{
    for (int i = 0; i < CardTypes.size(); ++i) {
        const Result result =
            Sql::exec(db, QStringLiteral("insert into user_lb (khao, yhm, klx, zt, yk) values (?, ?, ?, '正常', 500)"),
                      {BenchHall::cardOf(i + 1), QStringLiteral("会员"), CardTypes[i]});
        if (!result)
            return result;
    }
    return Result::success();
}

// One statement writes the whole history, so a million rows take seconds.
Result addHistory(QSqlDatabase& db, qint64 visits)
{
    return Sql::exec(
        db,
        QStringLiteral("with recursive n(i) as (select 1 union all select i + 1 from n where i < ?) "
                       "insert into waimxd (zhao, khao, ksrc, jsrc, sc, sc1, dj, dj1, je, je1, djid, rc, czyname, "
                       "fkfs, dzbj) "
                       "select i % 48 + 1, case when i % 5 = 0 then 'M000' || (i % 4 + 1) else '' end, "
                       "datetime('2016-01-01 08:00:00', '+' || (i * 4) || ' minutes'), "
                       "datetime('2016-01-01 09:30:00', '+' || (i * 4) || ' minutes'), "
                       "1.5, '1:30', 10, 10, 15, 15, i, "
                       "date('2016-01-01', '+' || (i * 4 / 1440) || ' days'), '操作员', '现金', '3' from n"),
        {visits});
}

Result addOpenVisits(QSqlDatabase& db)
{
    for (int table = 1; table <= BenchHall::OpenTables; ++table) {
        const QString start =
            QStringLiteral("2026-12-06 %1:%2:00").arg(15 + table % 3).arg(table % 60, 2, 10, QLatin1Char('0'));
        const Result result = Sql::exec(db,
                                        QStringLiteral("insert into waimxd (zhao, khao, ksrc, dj, dj1, czyname) "
                                                       "values (?, ?, ?, 10, 10, '操作员')"),
                                        {table, BenchHall::cardOf(table), start});
        if (!result)
            return result;
    }
    return Result::success();
}

} // namespace

BenchHall::BenchHall()
    : m_connection(QStringLiteral("bench-") + QString::number(serial.fetchAndAddRelaxed(1)))
{}

BenchHall::~BenchHall()
{
    state.DbConn = QSqlDatabase();
    Database::close(m_connection);
}

QString BenchHall::file() const
{
    return m_dir.filePath(QStringLiteral("jssfserver.mdb"));
}

QString BenchHall::cardOf(int table)
{
    const int kind = table % 5;
    return kind == 0 ? QString() : QStringLiteral("M000") + QString::number(kind);
}

Result BenchHall::addOperator()
{
    return Sql::exec(state.DbConn, QStringLiteral("insert into czyzd (czy_name, zk) values ('bench', 0)"));
}

Result BenchHall::fill(qint64 settledVisits)
{
    if (!m_dir.isValid())
        return Result::failure(QStringLiteral("no temporary folder: ") + m_dir.errorString());
    Result result = Database::create(file(), m_connection, &state.DbConn);
    if (!result)
        return result;
    return Sql::transaction(state.DbConn, [&] {
        Result step = addTables(state.DbConn);
        if (step)
            step = addMembers(state.DbConn);
        if (step)
            step = addHistory(state.DbConn, settledVisits);
        if (step)
            step = addOpenVisits(state.DbConn);
        return step;
    });
}
