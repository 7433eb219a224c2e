#include "core/data/ShippedRows.h"

#include "core/base/CardTypes.h"
#include "core/base/Parameters.h"
#include "core/base/PasswordHash.h"
#include "core/base/Sql.h"

#include <QCoreApplication>

namespace ShippedRows {

namespace {

Result writeParameters(const QSqlDatabase& db)
{
    QList<QVariantList> rows;
    for (const ParameterRow& row : parameterRows())
        rows.append({row.name, row.value, row.group, row.helpText});
    return Sql::execEach(db, QStringLiteral("INSERT INTO stcs (sm, valuenr, lx, tooltiptext) VALUES (?, ?, ?, ?)"),
                         rows);
}

Result writeSystemOperator(const QSqlDatabase& db)
{
    const QString hashed = PasswordHash::hash(InitialPassword);
    if (hashed.isEmpty())
        return Result::failure(QCoreApplication::translate("ShippedRows", "无法生成操作员口令"));
    return Sql::exec(db,
                     QStringLiteral("INSERT INTO czyzd (czy_name, czy_pass, sys_tag, zhda, fjda, zwcl, bbsc, xtgl, zk) "
                                    "VALUES (?, ?, 1, ?, ?, ?, ?, ?, 0)"),
                     {SystemOperator, hashed, QStringLiteral("ABCDEF"), QStringLiteral("ABCDEF"),
                      QStringLiteral("ABCDEFGHIJK"), QStringLiteral("ABCDE"), QStringLiteral("ABCDEF")});
}

// The login preselects a shift only when start <= now <= end on one day, so
// the shifts meet at whole seconds and none runs over midnight.
Result writeShifts(const QSqlDatabase& db)
{
    return Sql::execEach(db, QStringLiteral("INSERT INTO bclx (lxname, kssj, jssj) VALUES (?, ?, ?)"),
                         {
                             {QStringLiteral("早班"), QStringLiteral("00:00:00"), QStringLiteral("11:59:59")},
                             {QStringLiteral("中班"), QStringLiteral("12:00:00"), QStringLiteral("17:59:59")},
                             {QStringLiteral("晚班"), QStringLiteral("18:00:00"), QStringLiteral("23:59:59")},
                         });
}

Result writeCardTypes(const QSqlDatabase& db)
{
    return Sql::execEach(db, QStringLiteral("INSERT INTO klx (klx) VALUES (?)"),
                         {{CardType::Discount}, {CardType::Balance}, {CardType::BalanceDiscount}, {CardType::Time}});
}

Result writeCodes(const QSqlDatabase& db)
{
    return Sql::execEach(db, QStringLiteral("INSERT INTO ztinfo (ct_dm, ct_name) VALUES (?, ?)"),
                         {{QStringLiteral("01"), QStringLiteral("普通会员")},
                          {QStringLiteral("02"), QStringLiteral("银卡会员")},
                          {QStringLiteral("03"), QStringLiteral("金卡会员")}});
}

struct DictionaryColumn
{
    int position; // xh
    const char* code;
    const char* caption;
    const char* type;
    int width;
    bool shown;
    bool summed;
};

QString alignmentOf(const QString& type)
{
    if (type == QLatin1String("CHAR"))
        return QStringLiteral("L");
    if (type == QLatin1String("DATE") || type == QLatin1String("DATETIME"))
        return QStringLiteral("C");
    return QStringLiteral("R");
}

QList<QVariantList> dictionaryRows(const char* tableCode, const char* tableName, const QList<DictionaryColumn>& columns)
{
    QList<QVariantList> rows;
    for (const DictionaryColumn& c : columns) {
        const QString type = QString::fromLatin1(c.type);
        rows.append({c.position, QString::fromLatin1(tableCode), QString::fromUtf8(tableName),
                     QString::fromLatin1(c.code), QString::fromUtf8(c.caption), type, c.width, alignmentOf(type),
                     c.shown ? 1 : 0, c.summed ? QStringLiteral("1") : QStringLiteral("0")});
    }
    return rows;
}

// The detail listing leaves out start, end and hours: the detail screen adds
// those rows itself the first time it opens. Its conditions run over the
// join of members and visits, where the card number is in both tables, so
// they name their columns with the table.
Result writeDictionary(const QSqlDatabase& db)
{
    QList<QVariantList> rows;
    rows += dictionaryRows("hyxf", "会员消费",
                           {
                               {10, "khao", "卡号", "CHAR", 6, true, false},
                               {20, "yhm", "姓名", "CHAR", 4, true, false},
                               {25, "sfzh", "手机号", "CHAR", 7, true, false},
                               {30, "xb", "性别", "CHAR", 2, true, false},
                               {60, "dj", "单价", "MON", 4, true, false},
                               {70, "je", "金额", "MON", 4, true, true},
                               {80, "czyname", "操作员", "CHAR", 4, true, false},
                               {90, "rc", "营业日期", "DATE", 6, true, false},
                           });
    rows += dictionaryRows("hyxftj", "会员消费查询条件",
                           {
                               {10, "user_lb.khao", "卡号", "CHAR", 6, true, false},
                               {20, "user_lb.yhm", "姓名", "CHAR", 4, true, false},
                               {30, "user_lb.sfzh", "手机号", "CHAR", 7, true, false},
                               {40, "waimxd.rc", "营业日期", "DATE", 6, true, false},
                               {50, "waimxd.czyname", "操作员", "CHAR", 4, true, false},
                               {60, "waimxd.zhao", "台号", "NUME", 3, true, false},
                               {70, "waimxd.je", "金额", "NUME", 4, true, false},
                               {80, "waimxd.ksrc", "开始时间", "DATETIME", 9, true, false},
                           });
    rows += dictionaryRows("hyxflj", "会员消费汇总",
                           {
                               {10, "khao", "卡号", "CHAR", 6, true, false},
                               {20, "yhm", "姓名", "CHAR", 4, true, false},
                               {30, "klx", "卡类型", "CHAR", 5, true, false},
                               {40, "zt", "状态", "CHAR", 3, true, false},
                               {50, "sfzh", "手机号", "CHAR", 7, true, false},
                               {60, "xb", "性别", "CHAR", 2, true, false},
                               {70, "yxrc", "有效日期", "DATE", 6, true, false},
                               {80, "yk", "余额", "MON", 5, true, true},
                               {90, "jelj", "累计金额", "MON", 5, true, true},
                               {100, "jslj", "累计机时", "NUME", 5, true, true},
                               {110, "khrc", "开户日期", "DATE", 6, false, false},
                               {120, "jbr", "经办人", "CHAR", 4, false, false},
                           });
    return Sql::execEach(
        db,
        QStringLiteral("INSERT INTO pr_codedict (xh, table_code, table_name, colm_code, colm_name, colm_type, "
                       "colm_cd, colm_dq, can_show, sum_tag) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        rows);
}

} // namespace

Result write(QSqlDatabase& db)
{
    return Sql::transaction(db, [&db]() {
        for (const auto& step :
             {writeParameters, writeSystemOperator, writeShifts, writeCardTypes, writeCodes, writeDictionary}) {
            const Result result = step(db);
            if (!result)
                return result;
        }
        return Sql::exec(db, QStringLiteral("INSERT INTO mm (sdmm, closemm, exitstmm, lsmm) VALUES ('', '', '', '')"));
    });
}

} // namespace ShippedRows
