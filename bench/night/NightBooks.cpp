#include "NightBooks.h"

#include "core/base/DateText.h"
#include "core/base/Sql.h"
#include "core/reports/DayTakings.h"

#include <QSet>
#include <QSqlQuery>

#include <cmath>
#include <cstdio>

namespace {

qint64 cents(double amount)
{
    return std::llround(amount * 100);
}

QVariant one(const QSqlDatabase& db, const QString& sql, const QVariantList& values = {})
{
    const ResultOf<QVariant> value = Sql::scalar(db, sql, values);
    if (!value) {
        std::fprintf(stderr, "bench-night: %s\n", qUtf8Printable(value.result().message()));
        return QVariant();
    }
    return *value;
}

bool report(bool held, const QString& what)
{
    std::printf("  %-4s %s\n", held ? "ok" : "MISS", qUtf8Printable(what));
    return held;
}

bool visitsClosedOnce(const QSqlDatabase& db, const NightTally& tally)
{
    const qint64 open = one(db, QStringLiteral("select count(*) from waimxd where jsrc is null")).toLongLong();
    const qint64 closed = one(db, QStringLiteral("select count(*) from waimxd where jsrc is not null")).toLongLong();
    const qint64 visits =
        one(db, QStringLiteral("select count(distinct djid) from waimxd where jsrc is not null")).toLongLong();
    const QSet<qint64> distinct(tally.closedRows.cbegin(), tally.closedRows.cend());
    bool held = report(open == 0, QStringLiteral("open visits left: %1").arg(open));
    held &= report(tally.opened == tally.settled && visits == tally.settled,
                   QStringLiteral("%1 visits opened, %2 settled, %3 in the file")
                       .arg(tally.opened)
                       .arg(tally.settled)
                       .arg(visits));
    held &= report(distinct.size() == tally.closedRows.size() && closed == tally.closedRows.size(),
                   QStringLiteral("%1 visit rows closed by the bills, %2 of them distinct, %3 closed in the file")
                       .arg(tally.closedRows.size())
                       .arg(distinct.size())
                       .arg(closed));
    return held;
}

bool takingsMatch(const QSqlDatabase& db, const QDate& businessDate, const NightTally& tally)
{
    const QString day = DateText::date(businessDate);
    const double visits =
        one(db, QStringLiteral("select coalesce(sum(je), 0) from waimxd where jsrc is not null and rc = ?"), {day})
            .toDouble();
    const double goods =
        one(db, QStringLiteral("select coalesce(sum(amount), 0) from ckv_zc where jzbj = 1 and rc = ?"), {day})
            .toDouble();
    const double counter =
        one(db, QStringLiteral("select coalesce(sum(je), 0) from srmx where xm = '商品现金' and rc = ?"), {day})
            .toDouble();
    const ResultOf<DayTakings::Totals> read = DayTakings::totals(db, {businessDate, QString(), std::nullopt});
    const DayTakings::Totals totals = read ? *read : DayTakings::Totals();
    bool held = report(read && cents(totals.tableFees.value_or(0)) == cents(visits) &&
                           cents(totals.other.value_or(0)) == cents(goods),
                       QStringLiteral("day report: table fees %1, goods %2; the file: visits %3, paid goods %4")
                           .arg(totals.tableFees.value_or(0), 0, 'f', 2)
                           .arg(totals.other.value_or(0), 0, 'f', 2)
                           .arg(visits, 0, 'f', 2)
                           .arg(goods, 0, 'f', 2));
    held &=
        report(cents(visits) == cents(tally.timeCharges), QStringLiteral("time charges on the bills %1, in the file %2")
                                                              .arg(tally.timeCharges, 0, 'f', 2)
                                                              .arg(visits, 0, 'f', 2));
    held &= report(cents(goods) == cents(tally.tableGoods + tally.counterTakings) &&
                       cents(counter) == cents(tally.counterTakings),
                   QStringLiteral("goods on the bills %1 and at the counter %2 (booked %3), paid goods in the file %4")
                       .arg(tally.tableGoods, 0, 'f', 2)
                       .arg(tally.counterTakings, 0, 'f', 2)
                       .arg(counter, 0, 'f', 2)
                       .arg(goods, 0, 'f', 2));
    return held;
}

// A card's balance is what it opened with and was topped up by, less the
// time it paid for from the balance.
bool balancesMatch(const QSqlDatabase& db)
{
    QSqlQuery members(db);
    members.setForwardOnly(true);
    const Result result = Sql::exec(
        members,
        QStringLiteral("select u.khao, u.yk, "
                       "(select coalesce(sum(je), 0) from srmx s where s.khao = u.khao and s.xm = '开户'), "
                       "(select coalesce(sum(kzje), 0) from srmx s where s.khao = u.khao and s.xm = '加款'), "
                       "(select coalesce(sum(je), 0) from waimxd w where w.khao = u.khao and w.fkfs = '刷卡' and "
                       "w.jsrc is not null) "
                       "from user_lb u order by u.khao"));
    int checked = 0;
    QStringList wrong;
    while (result && members.next()) {
        ++checked;
        const double expected = members.value(2).toDouble() + members.value(3).toDouble() - members.value(4).toDouble();
        if (cents(members.value(1).toDouble()) != cents(expected))
            wrong.append(QStringLiteral("%1 holds %2, should %3")
                             .arg(members.value(0).toString())
                             .arg(members.value(1).toDouble(), 0, 'f', 2)
                             .arg(expected, 0, 'f', 2));
    }
    return report(result && checked > 0 && wrong.isEmpty(),
                  QStringLiteral("member balances = opening + top-ups - card-paid time: %1 cards%2")
                      .arg(checked)
                      .arg(wrong.isEmpty() ? QString() : QStringLiteral("; ") + wrong.join(QStringLiteral("; "))));
}

// A sale to a table is booked to the visit open there (hyid); the bill that
// settles it must be that visit's, wherever the party has moved since.
bool goodsOnTheirBills(const QSqlDatabase& db, const NightTally& tally)
{
    QSqlQuery goods(db);
    goods.setForwardOnly(true);
    const Result result =
        Sql::exec(goods, QStringLiteral("select id, hyid from ckv_zc where hyid is not null order by id"));
    int rows = 0;
    int elsewhere = 0;
    while (result && goods.next()) {
        ++rows;
        elsewhere += tally.billedGoods.value(goods.value(0).toLongLong()) == goods.value(1).toLongLong() ? 0 : 1;
    }
    return report(result && rows == tally.billedGoods.size() && elsewhere == 0,
                  QStringLiteral("goods sold to tables %1, settled by the bills %2, on a bill of another visit %3")
                      .arg(rows)
                      .arg(tally.billedGoods.size())
                      .arg(elsewhere));
}

bool allReconciled(const QSqlDatabase& db)
{
    const qint64 visits =
        one(db, QStringLiteral("select count(*) from waimxd where dzbj is null or dzbj <> '3'")).toLongLong();
    const qint64 goods =
        one(db, QStringLiteral("select count(*) from ckv_zc where jzbj <> 1 or dzbj is null or dzbj <> '3'"))
            .toLongLong();
    return report(
        visits == 0 && goods == 0,
        QStringLiteral("rows not marked 3 after the settles: %1 visit rows, %2 goods rows").arg(visits).arg(goods));
}

} // namespace

bool booksBalance(const QSqlDatabase& db, const QDate& businessDate, const NightTally& tally)
{
    const QString integrity = one(db, QStringLiteral("PRAGMA integrity_check")).toString();
    bool held = report(integrity == QStringLiteral("ok"), QStringLiteral("integrity_check: ") + integrity);
    held &= visitsClosedOnce(db, tally);
    held &= takingsMatch(db, businessDate, tally);
    held &= goodsOnTheirBills(db, tally);
    held &= balancesMatch(db);
    held &= allReconciled(db);
    return held;
}
