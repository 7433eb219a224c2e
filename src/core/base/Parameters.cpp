#include "core/base/Parameters.h"

namespace {

ParameterRow shipped(const char* name, const char* group, const char* value, const char* help, const char* former = "")
{
    return {QString::fromUtf8(name),  QString::fromUtf8(group), QString::fromUtf8(value), QString::fromUtf8(help), true,
            QString::fromUtf8(former)};
}

ParameterRow created(const char* name, const char* group, const char* value, const char* help, const char* former = "")
{
    return {
        QString::fromUtf8(name),  QString::fromUtf8(group), QString::fromUtf8(value), QString::fromUtf8(help), false,
        QString::fromUtf8(former)};
}

} // namespace

const QList<ParameterRow>& parameterRows()
{
    static const QList<ParameterRow> rows = {
        shipped("公司名称", "st", "台球俱乐部", "打印在账单和报表上的公司名称"),
        shipped("地址", "st", "请填写地址", "打印在账单上的地址"),
        shipped("电话", "st", "请填写电话", "打印在账单上的电话"),
        shipped("灯光控制", "st", "0", "0不使用灯光控制  1使用"),
        shipped("打印机类型", "st", "0",
                "1小票打印机 2系统打印机逐行打印 3小票打印机后再按报表格式打印 其他(如0)按报表格式打印",
                "0不打印 1小票打印机 2小票打印机(系统打印) 3报表格式"),
        shipped("账单是否预览", "st", "1", "按报表格式打印的账单 0直接打印  1先预览", "0直接打印  1先预览"),
        shipped("存款口令", "st", "8888", "会员存款时要输入的口令"),
        shipped("打印时是否要选择打印机", "st", "0", "按报表格式直接打印账单时 0不选择  1选择", "0不选择  1选择"),
        shipped("串口号设置", "st", "1", "保留参数，灯光控制器的串口在下面的“dk”行设置"),
        created("跨时段计费最低计费标准方式", "st", "1",
                "0前段后段都使用最低计费标准  1前段使用最低计费标准 2 后段使用最低计费标准"),
        created("不计费分钟数", "st", "5", "少于5分钟不计费 则输入5 即可"),
        created("串口读卡器使用标记", "dkq", "0", "0不使用， 1为使用"),
        created("读卡器串口号设置", "dkq", "2", "1 为COM1 2为COM2"),
        created("读卡器传输速率", "dkq", "1200,n,8,1", "1200,n,8,1"),
        created("读卡器输入缓冲区大小", "dkq", "5", "设置读卡器读入缓冲大小 如6"),
        created("会员卡号长度", "st", "10", "设置会员卡号长度"),
        created("会员押金金额", "st", "50", "设置会员押金金额"),
        created("结帐是否清除显示", "st", "0", "设置结帐是否清除显示  0不清除 1为清除"),
        created("报表是否使用结帐标记", "st", "0", "报表是否使用结帐标记 0不使用 1使用"),
        created("结算精度设置", "st", "0", "结算精度设置 0元 1角 2分", "结算精度设置 0元 1角 3分"),
        created("提醒时间到达是否提示结帐", "st", "0", "0不提示  1提示"),
        created("是否自动备份数据库", "st", "0", "0不自动备份  1 退出自动备份数据"),
        created("2型打印机字号设置", "st", "10", "打印机类型为2时的字号 1到11，小于1按8", "选择2型打印机字号设置"),
        created("网格高度", "st", "450", "台位网格的行高，单位缇(15缇为1像素)，0按450", "设置显示网格高度"),
        created("灯光巡检分钟", "st", "0",
                "灯光控制开启时，每隔几分钟按台位状态重发一遍开灯、关灯命令 0不巡检（启动时总会校正一次）"),
        shipped("串口号设置", "dk", "1", "灯光控制器串口 1 为COM1 2为COM2"),
        shipped("传输速率", "dk", "1200,n,8,1", "灯光控制器传输速率"),
        shipped("输入缓冲区大小", "dk", "1", "灯光控制器读入缓冲大小"),
    };
    return rows;
}

QList<QList<ParameterRow>> createdParameterGroups()
{
    // Each group is named by its first row; the rest follow it in the table.
    static const QList<QList<const char*>> groups = {
        {"跨时段计费最低计费标准方式"},
        {"不计费分钟数"},
        {"串口读卡器使用标记", "读卡器串口号设置", "读卡器传输速率", "读卡器输入缓冲区大小"},
        {"会员卡号长度", "会员押金金额", "结帐是否清除显示"},
        {"报表是否使用结帐标记"},
        {"结算精度设置", "提醒时间到达是否提示结帐"},
        {"是否自动备份数据库"},
        {"2型打印机字号设置"},
        {"网格高度"},
        {"灯光巡检分钟"},
    };
    QList<QList<ParameterRow>> result;
    for (const auto& names : groups) {
        QList<ParameterRow> group;
        for (const char* name : names) {
            for (const ParameterRow& row : parameterRows()) {
                if (!row.shipped && row.name == QString::fromUtf8(name))
                    group.append(row);
            }
        }
        result.append(group);
    }
    return result;
}
