#include "core/data/ParameterLoading.h"

#include "core/base/Notation.h"
#include "core/base/Sql.h"

#include <QHash>

#include <functional>
#include <optional>

namespace {

using Loader = std::function<bool(Parameters&, const QString&)>;

Loader text(QString Parameters::*field)
{
    return [field](Parameters& p, const QString& value) {
        p.*field = value;
        return true;
    };
}

Loader whole(qint16 Parameters::*field)
{
    return [field](Parameters& p, const QString& value) {
        const auto number = Notation::CInt(value);
        if (number)
            p.*field = *number;
        return number.has_value();
    };
}

Loader boolean(bool Parameters::*field)
{
    return [field](Parameters& p, const QString& value) {
        const auto flag = Notation::CBool(value);
        if (flag)
            p.*field = *flag;
        return flag.has_value();
    };
}

const QHash<QString, Loader>& loaders()
{
    static const QHash<QString, Loader> table = {
        {QStringLiteral("公司名称"), text(&Parameters::companyName)},
        {QStringLiteral("地址"), text(&Parameters::address)},
        {QStringLiteral("电话"), text(&Parameters::telephone)},
        {QStringLiteral("灯光控制"), boolean(&Parameters::lightControl)},
        {QStringLiteral("打印机类型"), text(&Parameters::printerType)},
        {QStringLiteral("账单是否预览"), boolean(&Parameters::previewBill)},
        {QStringLiteral("存款口令"), text(&Parameters::depositPassword)},
        {QStringLiteral("打印时是否要选择打印机"), boolean(&Parameters::choosePrinter)},
        {QStringLiteral("串口号设置"), whole(&Parameters::serialPortNumber)},
        {QStringLiteral("跨时段计费最低计费标准方式"), whole(&Parameters::crossBandMinimumMode)},
        {QStringLiteral("不计费分钟数"), whole(&Parameters::freeMinutes)},
        {QStringLiteral("会员卡号长度"), whole(&Parameters::cardNumberLength)},
        {QStringLiteral("会员押金金额"), whole(&Parameters::memberDeposit)},
        {QStringLiteral("结帐是否清除显示"), boolean(&Parameters::clearOnCheckout)},
        {QStringLiteral("报表是否使用结帐标记"), boolean(&Parameters::reportsUseMark)},
        {QStringLiteral("结算精度设置"), whole(&Parameters::settlementPrecision)},
        {QStringLiteral("提醒时间到达是否提示结帐"), boolean(&Parameters::reminderOffersCheckout)},
        {QStringLiteral("是否自动备份数据库"), boolean(&Parameters::BackupOnExit)},
        {QStringLiteral("2型打印机字号设置"), whole(&Parameters::printer2FontSize)},
        {QStringLiteral("网格高度"), whole(&Parameters::gridRowHeight)},
        {QStringLiteral("灯光巡检分钟"), whole(&Parameters::lampRoundMinutes)},
    };
    return table;
}

} // namespace

// A help text an owner edited is theirs; one left as shipped is ours to put right.
Result mendParameterHelpTexts(const QSqlDatabase& db)
{
    for (const ParameterRow& row : parameterRows()) {
        if (row.formerHelpText.isEmpty())
            continue;
        const Result result =
            Sql::exec(db, QStringLiteral("update stcs set tooltiptext=? where trim(sm)=? and lx=? and tooltiptext=?"),
                      {row.helpText, row.name, row.group, row.formerHelpText});
        if (!result)
            return result;
    }
    return Result::success();
}

ResultOf<QStringList> loadParameters(const QSqlDatabase& db, Parameters& params)
{
    params.freeMinutes = 5;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    const Result result =
        Sql::exec(query, QStringLiteral("select sm, valuenr from stcs where lx=? order by id"), {QStringLiteral("st")});
    if (!result)
        return result;
    QStringList wrongNames;
    while (query.next()) {
        const QString name = Notation::Trim(query.value(0).toString());
        const auto loader = loaders().constFind(name);
        if (loader == loaders().constEnd())
            continue;
        if (!(*loader)(params, query.value(1).toString()) && !wrongNames.contains(name))
            wrongNames.append(name);
    }
    return wrongNames;
}
