#include "DemoHall.h"

#include "core/admin/OwnerPassword.h"
#include "core/base/Clock.h"
#include "core/base/DateText.h"
#include "core/base/Notation.h"
#include "core/base/PasswordHash.h"
#include "core/base/Sql.h"
#include "core/data/ShippedRows.h"

namespace DemoHall {

namespace {

struct Rates
{
    double member;
    double guest;
};

struct TableKind
{
    int billingUnit;
    int minimumMinutes;
    Rates night;
    Rates day;
    Rates evening;
};

const TableKind Pool{15, 0, {15, 20}, {20, 25}, {25, 30}};
const TableKind Snooker{15, 60, {25, 30}, {30, 40}, {40, 50}};
const TableKind Vip{30, 60, {40, 50}, {50, 60}, {60, 80}};

struct Table
{
    int number;
    const char* name;
    const TableKind& kind;
};

const QList<Table> tables = {
    {1, "1号台", Pool},      {2, "2号台", Pool},       {3, "3号台", Pool}, {4, "4号台", Pool},
    {5, "5号台", Pool},      {6, "6号台", Pool},       {7, "7号台", Pool}, {8, "8号台", Pool},
    {9, "斯诺克1", Snooker}, {10, "斯诺克2", Snooker}, {11, "VIP1", Vip},  {12, "VIP2", Vip},
};

struct Member
{
    const char* card;
    const char* name;
    const char* password; // nullptr: the card needs none
    const char* cardType;
    const char* sex;
    const char* phone;
    const char* born;
    const char* kind; // ztinfo code
    double balance;
    double hours;
    double discount;
    int daysAgo; // account opened
};

const QList<Member> members = {
    {"8000000001", "李明", "1001", "优惠卡", "男", "13800000001", "1988-03-12", "01", 200, 0, 9.5, 60},
    {"8000000002", "王芳", "1002", "现金卡", "女", "13800000002", "1992-07-25", "02", 500, 0, 0, 45},
    {"8000000003", "赵强", "1003", "现金优惠卡", "男", "13800000003", "1985-11-02", "03", 300, 0, 9, 30},
    {"8000000004", "陈静", "1004", "机时卡", "女", "13800000004", "1995-01-18", "01", 100, 10, 0, 20},
    {"8000000005", "刘洋", nullptr, "优惠卡", "男", "13800000005", "2000-09-30", "01", 50, 0, 0, 10},
};

struct Goods
{
    const char* code;
    const char* name;
    const char* shortCode;
    const char* unit;
    double price;
    double memberReduction;
    double cost;
    double bought;
};

// One level of three-character codes, as the catalogue screen defines it.
const QList<Goods> goods = {
    {"001", "矿泉水", "KQS", "瓶", 3, 0, 1.2, 48}, {"002", "可乐", "KL", "罐", 5, 0, 2.5, 48},
    {"003", "雪碧", "XB", "罐", 5, 0, 2.5, 24},    {"004", "红牛", "HN", "罐", 8, 1, 4.5, 24},
    {"005", "冰红茶", "BHC", "瓶", 4, 0, 2, 24},   {"006", "绿茶", "LC", "瓶", 4, 0, 2, 24},
    {"007", "啤酒", "PJ", "瓶", 8, 0, 3.5, 36},    {"008", "咖啡", "KF", "杯", 15, 2, 5, 20},
    {"009", "薯片", "SP", "袋", 6, 0, 3, 20},      {"010", "花生", "HS", "袋", 5, 0, 2.5, 20},
    {"011", "巧克力", "QKL", "块", 8, 0, 4.8, 12}, {"012", "巧粉", "QF", "块", 2, 0, 0.6, 50},
};

QString utf8(const char* text)
{
    return text ? QString::fromUtf8(text) : QString();
}

Result writeTables(const QSqlDatabase& db)
{
    QList<QVariantList> tableRows;
    QList<QVariantList> bandRows;
    for (const Table& t : tables) {
        tableRows.append({t.number, utf8(t.name), t.kind.billingUnit, t.kind.minimumMinutes});
        // A band holds strictly between its ends, so neighbouring bands share
        // their boundary second.
        const QList<std::pair<const char*, const char*>> times = {
            {"00:00:00", "08:00:00"}, {"08:00:00", "18:00:00"}, {"18:00:00", "23:59:59"}};
        const QList<Rates> rates = {t.kind.night, t.kind.day, t.kind.evening};
        for (qsizetype i = 0; i < times.size(); ++i)
            bandRows.append({t.number, rates[i].member, rates[i].guest, QString::fromLatin1(times[i].first),
                             QString::fromLatin1(times[i].second)});
    }
    const Result result = Sql::execEach(
        db, QStringLiteral("INSERT INTO zhdy (zhao, mc, sybj, fwfl, zxjffz, zdxffz, tx) VALUES (?, ?, 0, 0, ?, ?, 0)"),
        tableRows);
    if (!result)
        return result;
    return Sql::execEach(db,
                         QStringLiteral("INSERT INTO jfbz (zhao, hybz, fhybz, kssj, jssj, jfdw, dwname) "
                                        "VALUES (?, ?, ?, ?, ?, 1, '小时')"),
                         bandRows);
}

Result writeMembers(const QSqlDatabase& db)
{
    const QDate today = Clock::today();
    QList<QVariantList> memberRows;
    QList<QVariantList> openingRows;
    for (const Member& m : members) {
        const QDate opened = today.addDays(-m.daysAgo);
        memberRows.append({utf8(m.card), utf8(m.name), utf8(m.password), utf8(m.cardType), utf8(m.sex), utf8(m.phone),
                           utf8(m.born), DateText::date(today.addYears(1)), m.balance, m.hours, m.discount, m.hours,
                           m.balance, DateText::dateTime(QDateTime(opened, QTime(10, 0))), DateText::date(opened),
                           ShippedRows::SystemOperator, utf8(m.kind)});
        openingRows.append({DateText::date(opened), ShippedRows::SystemOperator, m.balance, m.hours, utf8(m.card)});
    }
    const Result result = Sql::execEach(
        db,
        QStringLiteral(
            "INSERT INTO user_lb (khao, yhm, mm, klx, zt, xb, sfzh, csrc, yxrc, yk, js, zk, jslj, jelj, hybj, "
            "djsj, khrc, jbr, ct_dm) VALUES (?, ?, ?, ?, '正常', ?, ?, ?, ?, ?, ?, ?, ?, ?, '1', ?, ?, ?, ?)"),
        memberRows);
    if (!result)
        return result;
    return Sql::execEach(
        db, QStringLiteral("INSERT INTO srmx (rc, czyname, je, js, xm, khao) VALUES (?, ?, ?, ?, '开户', ?)"),
        openingRows);
}

// Visits of member cards settled in cash over the last days, so that the
// member consumption listings have something to show.
Result writeSettledVisits(const QSqlDatabase& db)
{
    const QDate today = Clock::today();
    const QList<std::pair<const char*, double>> visits = {
        {"8000000001", 36}, {"8000000002", 52.5}, {"8000000003", 18}, {"8000000001", 24}, {"8000000004", 60}};
    QList<QVariantList> rows;
    for (int i = 0; i < visits.size(); ++i) {
        const QDate day = today.addDays(-1 - i);
        const QDateTime start(day, QTime(14 + i, 10));
        rows.append({i + 1, utf8(visits[i].first), DateText::dateTime(start), DateText::dateTime(start.addSecs(5400)),
                     visits[i].second / 1.5, visits[i].second, DateText::date(day), ShippedRows::SystemOperator});
    }
    return Sql::execEach(db,
                         QStringLiteral("INSERT INTO waimxd (zhao, khao, ksrc, jsrc, sc, sc1, dj, je, rc, czyname, "
                                        "fkfs, dzbj) VALUES (?, ?, ?, ?, 1.5, '1:30', ?, ?, ?, ?, '现金', '1')"),
                         rows);
}

Result writeGoods(const QSqlDatabase& db)
{
    Result result =
        Sql::exec(db, QStringLiteral("INSERT INTO bmzd (bmcode, name, zzbj, used_tag) VALUES ('01', '吧台', 1, 1)"));
    if (!result)
        return result;
    const QString purchaseDate = DateText::date(Clock::today().addDays(-7));
    QList<QVariantList> goodsRows;
    QList<QVariantList> purchaseRows;
    int document = 0;
    for (const Goods& g : goods) {
        goodsRows.append({utf8(g.code), utf8(g.name), utf8(g.shortCode), utf8(g.unit), g.price, g.memberReduction});
        // Documents name the goods, not their code.
        purchaseRows.append({++document, purchaseDate, utf8(g.name), g.bought, g.cost,
                             Notation::roundHalfEven(g.bought * g.cost, 2), ShippedRows::SystemOperator,
                             SecondOperator});
    }
    result = Sql::execEach(
        db,
        QStringLiteral("INSERT INTO spzd (headcode, name, spjm, spdw, spdj, sp_max, sp_mix, bm_sort, "
                       "bm_name, point_h, zzbj, used_tag) VALUES (?, ?, ?, ?, ?, ?, 0, '01', '吧台', 1, 1, 1)"),
        goodsRows);
    if (!result)
        return result;
    return Sql::execEach(
        db,
        QStringLiteral("INSERT INTO ckv_sr (dj_id, rc, wlcode, count, price, amount, czyname, jsr, abs, "
                       "jzbj) VALUES (?, ?, ?, ?, ?, ?, ?, ?, '开业进货', 1)"),
        purchaseRows);
}

// Three of each of the first goods sold over the counter two days ago, with
// their cash in the recharge record as every counter sale books it, so that
// the stock balance has sales as well as purchases.
Result writeCounterSales(const QSqlDatabase& db)
{
    const QString day = DateText::date(Clock::today().addDays(-2));
    QList<QVariantList> sales;
    QList<QVariantList> cash;
    for (int i = 0; i < 4; ++i) {
        const Goods& g = goods.at(i);
        const double amount = Notation::roundHalfEven(3 * g.price, 2);
        sales.append({i + 1, day, utf8(g.name), g.price, amount, ShippedRows::SystemOperator});
        cash.append({day, ShippedRows::SystemOperator, amount});
    }
    Result result =
        Sql::execEach(db,
                      QStringLiteral("INSERT INTO ckv_zc (dj_id, rc, wlcode, count, price, amount, czyname, "
                                     "fkfs, jzbj, dzbj) VALUES (?, ?, ?, 3, ?, ?, ?, '现金', 1, '1')"),
                      sales);
    if (!result)
        return result;
    return Sql::execEach(db,
                         QStringLiteral("INSERT INTO srmx (rc, czyname, je, js, xm, khao) "
                                        "VALUES (?, ?, ?, 0, '商品现金', '0000')"),
                         cash);
}

Result writeSecondOperator(const QSqlDatabase& db)
{
    const QString hashed = PasswordHash::hash(SecondPassword);
    if (hashed.isEmpty())
        return Result::failure(QStringLiteral("无法生成操作员口令"));
    return Sql::exec(db,
                     QStringLiteral("INSERT INTO czyzd (czy_name, czy_pass, sys_tag, zhda, fjda, zwcl, bbsc, xtgl, zk) "
                                    "VALUES (?, ?, 0, 'A', 'BC', NULL, NULL, 'AB', 8.5)"),
                     {SecondOperator, hashed});
}

} // namespace

Result write(QSqlDatabase& db)
{
    const Result written = Sql::transaction(db, [&db]() {
        for (const auto& step :
             {writeTables, writeMembers, writeSettledVisits, writeGoods, writeCounterSales, writeSecondOperator}) {
            const Result result = step(db);
            if (!result)
                return result;
        }
        return Result::success();
    });
    return written ? OwnerPassword::set(db, OwnerViewPassword) : written;
}

} // namespace DemoHall
