#include "admin/OperatorRights.h"

#include "base/Notation.h"
#include "base/Sql.h"

#include <algorithm>

bool OperatorRights::grants(const QString& group, QChar letter)
{
    return Notation::Trim(group).contains(letter);
}

Result loadOperatorRights(const QSqlDatabase& db, const QString& operatorName, OperatorRights* rights)
{
    *rights = OperatorRights();
    QSqlQuery query(db);
    const Result result = Sql::exec(
        query, QStringLiteral("select zhda, fjda, zwcl, bbsc, xtgl from czyzd where czy_name=?"), {operatorName});
    if (result && query.next())
        *rights = {query.value(0).toString(), query.value(1).toString(), query.value(2).toString(),
                   query.value(3).toString(), query.value(4).toString()};
    return result;
}

const QList<RightsGroup>& rightsGroups()
{
    static const QList<RightsGroup> groups = {
        {QStringLiteral("zhda"),
         QStringLiteral("会员管理"),
         QStringLiteral("Check_khda"),
         {QStringLiteral("会员登记"), QStringLiteral("台位设置"), QStringLiteral("台位时段收费设置"),
          QStringLiteral("清空历史数据"), QStringLiteral("系统参数设置"), QStringLiteral("计费方案设定"),
          QStringLiteral("结账"), QStringLiteral("交接班报告")},
         6},
        {QStringLiteral("fjda"),
         QStringLiteral("商品管理"),
         QStringLiteral("Check_fjda"),
         {QStringLiteral("商品类别设置"), QStringLiteral("商品进货"), QStringLiteral("商品销货"),
          QStringLiteral("商品销售表"), QStringLiteral("服务器上机日志"), QStringLiteral("客户机上机日志")},
         6},
        {QStringLiteral("zwcl"),
         QStringLiteral("操作员管理"),
         QStringLiteral("Check_zwcl"),
         {QStringLiteral("操作员设置"), QStringLiteral("操作员日志"), QStringLiteral("营业收入统计"),
          QStringLiteral("商品销售统计"), QStringLiteral("商品明细"), QStringLiteral("部门领用"),
          QStringLiteral("商品日报"), QStringLiteral("部门日消费报表"), QStringLiteral("商品盘点"),
          QStringLiteral("商品库存"), QStringLiteral("日成本报告")},
         11},
        {QStringLiteral("bbsc"),
         QStringLiteral("销售处理"),
         QStringLiteral("Check_bbsc"),
         {QStringLiteral("填制销售单"), QStringLiteral("销售单审核"), QStringLiteral("部门销售汇总表"),
          QStringLiteral("部门商品日销售"), QStringLiteral("部门商品结存表")},
         5},
        {QStringLiteral("xtgl"),
         QStringLiteral("查  询"),
         QStringLiteral("Check_xtgl"),
         {QStringLiteral("当班营业报表"), QStringLiteral("当日营业报表"), QStringLiteral("营业收入统计"),
          QStringLiteral("商品销售统计"), QStringLiteral("会员消费明细"), QStringLiteral("会员消费汇总")},
         6},
    };
    return groups;
}

QString rightsLetters(const QList<bool>& ticked, int storedCount)
{
    QString letters;
    for (int i = 0; i < std::min(storedCount, int(ticked.size())); ++i) {
        if (ticked.at(i))
            letters.append(RightsGroup::letter(i));
    }
    return letters;
}
