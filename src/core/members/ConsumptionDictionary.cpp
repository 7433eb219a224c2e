#include "core/members/ConsumptionDictionary.h"

#include "core/base/Sql.h"

namespace ConsumptionDictionary {

Result addDetailColumns(QSqlDatabase& db)
{
    return Sql::transaction(db, [&db]() {
        const ResultOf<QVariant> present = Sql::scalar(
            db, QStringLiteral("select count(*) from pr_codedict where table_code='hyxf' and colm_code='ksrc'"));
        if (!present)
            return present.result();
        if (present->toInt() > 0)
            return Result::success();
        Result result = Sql::execEach(
            db,
            QStringLiteral(
                "insert into pr_codedict (xh, table_code, table_name, colm_code, colm_name, colm_type, "
                "colm_cd, can_show, colm_dq, sum_tag) values (?, 'hyxf', '会员消费', ?, ?, ?, ?, 1, ?, '0')"),
            {{40, QStringLiteral("ksrc"), QStringLiteral("开始时间"), QStringLiteral("DATETIME"), 9,
              QStringLiteral("C")},
             {45, QStringLiteral("jsrc"), QStringLiteral("结束时间"), QStringLiteral("DATETIME"), 9,
              QStringLiteral("C")},
             {50, QStringLiteral("sc"), QStringLiteral("时长"), QStringLiteral("CHAR"), 4, QStringLiteral("R")}});
        if (!result)
            return result;
        return Sql::execEach(
            db,
            QStringLiteral("update pr_codedict set colm_cd=?, sum_tag=coalesce(?, sum_tag) where colm_code=? and "
                           "table_code='hyxf'"),
            {{7, QVariant(), QStringLiteral("sfzh")},
             {4, QStringLiteral("1"), QStringLiteral("je")},
             {4, QVariant(), QStringLiteral("yhm")},
             {6, QVariant(), QStringLiteral("rc")}});
    });
}

} // namespace ConsumptionDictionary
