#pragma once

#include "core/base/Result.h"
#include "core/base/Sql.h"

#include <QDate>
#include <QSqlDatabase>

// Five years of a busy hall, as the benchmarks over a grown file fill it:
// spread evenly over the days, most rows reconciled by a day report ("3"),
// some by a shift report ("2") and some only settled ("1"); a few goods rows
// still unpaid. Run inside one transaction, it takes seconds, not minutes.
namespace FiveYearHistory {

constexpr int Tables = 48;
constexpr int Visits = 550000;
constexpr int GoodsRows = 1000000;
constexpr int Goods = 200;
constexpr int Members = 100000;
constexpr int Days = 1826;
inline const QDate First(2022, 1, 1);

// The settled visits and the paid goods rows.
inline Result addVisitsAndGoods(const QSqlDatabase& db)
{
    Result result = Sql::exec(
        db,
        QStringLiteral("with recursive n(i) as (select 0 union all select i + 1 from n where i < ?) "
                       "insert into waimxd (zhao, ksrc, jsrc, sc, sc1, dj, je, rc, czyname, fkfs, dzbj) "
                       "select i % ? + 1, date(?, '+' || (i % ?) || ' days') || ' 14:00:00', "
                       "date(?, '+' || (i % ?) || ' days') || ' 15:30:00', 1.5, '1:30', 20, (i % 9 + 1) * 7.5, "
                       "date(?, '+' || (i % ?) || ' days'), 'bench', '现金', "
                       "case i % 20 when 0 then '1' when 1 then '2' else '3' end from n"),
        {Visits - 1, Tables, First.toString(Qt::ISODate), Days, First.toString(Qt::ISODate), Days,
         First.toString(Qt::ISODate), Days});
    if (result)
        result = Sql::exec(
            db,
            QStringLiteral("with recursive n(i) as (select 0 union all select i + 1 from n where i < ?) "
                           "insert into ckv_zc (dj_id, rc, wlcode, count, price, amount, czyname, fkfs, zhao, jzbj, "
                           "dzbj) "
                           "select i, date(?, '+' || (i % ?) || ' days'), '商品' || (i % ? + 1), i % 3 + 1, 4.5, "
                           "(i % 3 + 1) * 4.5, 'bench', '现金', i % ? + 1, i % 100 <> 0, "
                           "case i % 20 when 0 then '1' when 1 then '2' else '3' end from n"),
            {GoodsRows - 1, First.toString(Qt::ISODate), Days, Goods, Tables});
    return result;
}

// Members opened over the five years, with cards numbered apart from any
// a demo hall holds.
inline Result addMembers(const QSqlDatabase& db)
{
    return Sql::exec(
        db,
        QStringLiteral("with recursive n(i) as (select 1 union all select i + 1 from n where i < ?) "
                       "insert into user_lb (khao, yhm, mm, klx, zt, xb, sfzh, csrc, yxrc, yk, jslj, jelj, djsj, "
                       "khrc, jbr) "
                       "select printf('%08d', 90000000 + i), '会员' || i, '', '金卡', '正常', "
                       "case i % 2 when 0 then '男' else '女' end, printf('110101198%09d', i), '1985-06-01', "
                       "'2031-12-31', i % 500, i % 3000, i % 9000, date(?, '+' || (i % ?) || ' days') || ' 10:00:00', "
                       "date(?, '+' || (i % ?) || ' days'), 'bench' from n"),
        {Members, First.toString(Qt::ISODate), Days, First.toString(Qt::ISODate), Days});
}

} // namespace FiveYearHistory
