#include "core/admin/OperatorRights.h"

#include "core/base/Notation.h"
#include "core/base/Sql.h"

#include <QCoreApplication>

#include <algorithm>

bool OperatorRights::grants(const QString& group, QChar letter)
{
    return Notation::Trim(group).contains(letter);
}

ResultOf<OperatorRights> loadOperatorRights(const QSqlDatabase& db, const QString& operatorName)
{
    QSqlQuery query(db);
    if (const Result result = Sql::exec(
            query, QStringLiteral("select zhda, fjda, zwcl, bbsc, xtgl from czyzd where czy_name=?"), {operatorName});
        !result)
        return result;
    if (!query.next())
        return OperatorRights();
    return OperatorRights{query.value(0).toString(), query.value(1).toString(), query.value(2).toString(),
                          query.value(3).toString(), query.value(4).toString()};
}

const QList<RightsGroup>& rightsGroups()
{
    static const QList<RightsGroup> groups = {
        {QStringLiteral("zhda"),
         QT_TRANSLATE_NOOP("OperatorRights", "会员管理"),
         QStringLiteral("Check_khda"),
         {QT_TRANSLATE_NOOP("OperatorRights", "会员登记"), QT_TRANSLATE_NOOP("OperatorRights", "台位设置"),
          QT_TRANSLATE_NOOP("OperatorRights", "台位时段收费设置"), QT_TRANSLATE_NOOP("OperatorRights", "清空历史数据"),
          QT_TRANSLATE_NOOP("OperatorRights", "系统参数设置"), QT_TRANSLATE_NOOP("OperatorRights", "计费方案设定"),
          QT_TRANSLATE_NOOP("OperatorRights", "结账"), QT_TRANSLATE_NOOP("OperatorRights", "交接班报告")},
         6},
        {QStringLiteral("fjda"),
         QT_TRANSLATE_NOOP("OperatorRights", "商品管理"),
         QStringLiteral("Check_fjda"),
         {QT_TRANSLATE_NOOP("OperatorRights", "商品类别设置"), QT_TRANSLATE_NOOP("OperatorRights", "商品进货"),
          QT_TRANSLATE_NOOP("OperatorRights", "商品销货"), QT_TRANSLATE_NOOP("OperatorRights", "商品销售表"),
          QT_TRANSLATE_NOOP("OperatorRights", "服务器上机日志"), QT_TRANSLATE_NOOP("OperatorRights", "客户机上机日志")},
         6},
        {QStringLiteral("zwcl"),
         QT_TRANSLATE_NOOP("OperatorRights", "操作员管理"),
         QStringLiteral("Check_zwcl"),
         {QT_TRANSLATE_NOOP("OperatorRights", "操作员设置"), QT_TRANSLATE_NOOP("OperatorRights", "操作员日志"),
          QT_TRANSLATE_NOOP("OperatorRights", "营业收入统计"), QT_TRANSLATE_NOOP("OperatorRights", "商品销售统计"),
          QT_TRANSLATE_NOOP("OperatorRights", "商品明细"), QT_TRANSLATE_NOOP("OperatorRights", "部门领用"),
          QT_TRANSLATE_NOOP("OperatorRights", "商品日报"), QT_TRANSLATE_NOOP("OperatorRights", "部门日消费报表"),
          QT_TRANSLATE_NOOP("OperatorRights", "商品盘点"), QT_TRANSLATE_NOOP("OperatorRights", "商品库存"),
          QT_TRANSLATE_NOOP("OperatorRights", "日成本报告")},
         11},
        {QStringLiteral("bbsc"),
         QT_TRANSLATE_NOOP("OperatorRights", "销售处理"),
         QStringLiteral("Check_bbsc"),
         {QT_TRANSLATE_NOOP("OperatorRights", "填制销售单"), QT_TRANSLATE_NOOP("OperatorRights", "销售单审核"),
          QT_TRANSLATE_NOOP("OperatorRights", "部门销售汇总表"), QT_TRANSLATE_NOOP("OperatorRights", "部门商品日销售"),
          QT_TRANSLATE_NOOP("OperatorRights", "部门商品结存表")},
         5},
        {QStringLiteral("xtgl"),
         QT_TRANSLATE_NOOP("OperatorRights", "查  询"),
         QStringLiteral("Check_xtgl"),
         {QT_TRANSLATE_NOOP("OperatorRights", "当班营业报表"), QT_TRANSLATE_NOOP("OperatorRights", "当日营业报表"),
          QT_TRANSLATE_NOOP("OperatorRights", "营业收入统计"), QT_TRANSLATE_NOOP("OperatorRights", "商品销售统计"),
          QT_TRANSLATE_NOOP("OperatorRights", "会员消费明细"), QT_TRANSLATE_NOOP("OperatorRights", "会员消费汇总")},
         6},
    };
    return groups;
}

QString RightsGroup::shownCaption() const
{
    return QCoreApplication::translate("OperatorRights", caption);
}

QString RightsGroup::shownRight(int element) const
{
    return QCoreApplication::translate("OperatorRights", rights.at(element));
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
