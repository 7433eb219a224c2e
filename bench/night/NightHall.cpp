#include "NightHall.h"

#include "core/base/Database.h"
#include "core/base/Sql.h"
#include "core/data/ParameterLoading.h"
#include "core/data/ShippedRows.h"
#include "core/members/MemberRecord.h"

namespace {

const QStringList CardTypes = {QStringLiteral("优惠卡"), QStringLiteral("现金优惠卡"), QStringLiteral("现金卡"),
                               QStringLiteral("机时卡")};

// Member and non-member rates per hour; the evening dearest, so that a visit
// over 18:00 or midnight is priced in two bands.
Result addTables(const QSqlDatabase& db)
{
    static const QList<std::tuple<const char*, const char*, double, double>> bands = {
        {"00:00:00", "12:00:00", 12, 15},
        {"12:00:00", "18:00:00", 16, 20},
        {"18:00:00", "23:59:59", 24, 30},
    };
    for (int table = 1; table <= NightHall::Tables; ++table) {
        Result result = Sql::exec(
            db, QStringLiteral("insert into zhdy (zhao, mc, sybj, zxjffz, zdxffz) values (?, ?, 0, ?, ?)"),
            {table, QString(QString::number(table) + QStringLiteral("号台")), (table % 3) * 15, (table % 4) * 30});
        for (const auto& [from, to, member, guest] : bands) {
            if (result)
                result = Sql::exec(db,
                                   QStringLiteral("insert into jfbz (zhao, hybz, fhybz, kssj, jssj, jfdw, dwname) "
                                                  "values (?, ?, ?, ?, ?, 1, '小时')"),
                                   {table, member, guest, QString::fromLatin1(from), QString::fromLatin1(to)});
        }
        if (!result)
            return result;
    }
    return Result::success();
}

Result addOperators(const QSqlDatabase& db)
{
    for (const QString& name : NightHall::operators()) {
        const Result result = Sql::exec(db, QStringLiteral("insert into czyzd (czy_name, zk) values (?, 0)"), {name});
        if (!result)
            return result;
    }
    return Result::success();
}

// Member and guest reductions differ, so that a member's goods are priced
// as a member's.
Result addGoods(const QSqlDatabase& db)
{
    for (qsizetype i = 0; i < NightHall::goods().size(); ++i) {
        const Result result = Sql::exec(
            db, QStringLiteral("insert into spzd (headcode, name, spdj, sp_max, sp_mix) values (?, ?, ?, ?, 0)"),
            {QString::number(1001 + i), NightHall::goods().at(i), 4 + 3 * i, (i % 3) * 0.5});
        if (!result)
            return result;
    }
    return Result::success();
}

Result addMembers(QSqlDatabase& db, const QDate& businessDate)
{
    for (qsizetype i = 0; i < NightHall::cards().size(); ++i) {
        MemberRecord::Typed typed;
        typed.card = NightHall::cards().at(i);
        typed.name = QStringLiteral("会员") + QString::number(i + 1);
        typed.password = NightHall::password();
        typed.balance = QString::number(80 + 40 * (i % 4));
        typed.state = QStringLiteral("正常");
        typed.cardType = CardTypes.at(i % CardTypes.size());
        const MemberRecord::Saved saved =
            MemberRecord::save(db, {businessDate, NightHall::operators().first()}, typed, QString());
        if (!saved.result)
            return saved.result;
        if (!saved.refusal.isEmpty())
            return Result::failure(typed.card + QStringLiteral(" refused: ") + saved.refusal.text);
    }
    return Result::success();
}

} // namespace

NightHall::NightHall()
    : m_connection(QStringLiteral("bench-night"))
{}

NightHall::~NightHall()
{
    state.DbConn = QSqlDatabase();
    Database::close(m_connection);
}

const QStringList& NightHall::operators()
{
    static const QStringList names = {QStringLiteral("早班"), QStringLiteral("夜班")};
    return names;
}

const QStringList& NightHall::goods()
{
    static const QStringList names = {QStringLiteral("矿泉水"), QStringLiteral("可乐"), QStringLiteral("啤酒"),
                                      QStringLiteral("香烟"),   QStringLiteral("花生"), QStringLiteral("方便面")};
    return names;
}

const QStringList& NightHall::cards()
{
    static const QStringList numbers = [] {
        QStringList list;
        for (int i = 1; i <= 16; ++i)
            list.append(QStringLiteral("N%1").arg(i, 4, 10, QLatin1Char('0')));
        return list;
    }();
    return numbers;
}

Result NightHall::fill(const QDate& businessDate)
{
    if (!m_dir.isValid())
        return Result::failure(QStringLiteral("no temporary folder: ") + m_dir.errorString());
    state.DbFolder = m_dir.path();
    state.DbFileName = QStringLiteral("jssfserver.mdb");
    state.DbFullName = m_dir.filePath(state.DbFileName);
    Result result = Database::create(state.DbFullName, m_connection, &state.DbConn);
    if (result)
        result = ShippedRows::write(state.DbConn);
    if (result)
        result = Sql::transaction(state.DbConn, [&] {
            Result step = addTables(state.DbConn);
            if (step)
                step = addOperators(state.DbConn);
            if (step)
                step = addGoods(state.DbConn);
            return step;
        });
    if (result)
        result = addMembers(state.DbConn, businessDate);
    if (result) {
        const ResultOf<QStringList> wrongNames = loadParameters(state.DbConn, state.params);
        if (!wrongNames)
            result = wrongNames.result();
        else if (!wrongNames->isEmpty())
            result = Result::failure(QStringLiteral("parameters not read: ") + wrongNames->join(QStringLiteral(", ")));
    }
    state.BusinessDate = businessDate;
    state.OperatorName = operators().first();
    return result;
}
