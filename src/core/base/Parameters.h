#pragma once

#include <QList>
#include <QString>

// The general ("st") parameters, read once at start. Each starts at its
// value before loading: empty, 0 or false, except the free minutes.
struct Parameters
{
    QString companyName;                 // 公司名称
    QString address;                     // 地址
    QString telephone;                   // 电话
    bool lightControl = false;           // 灯光控制
    QString printerType;                 // 打印机类型
    bool previewBill = false;            // 账单是否预览
    QString depositPassword;             // 存款口令
    bool choosePrinter = false;          // 打印时是否要选择打印机
    qint16 serialPortNumber = 0;         // 串口号设置
    qint16 crossBandMinimumMode = 0;     // 跨时段计费最低计费标准方式
    qint16 freeMinutes = 5;              // 不计费分钟数
    qint16 cardNumberLength = 0;         // 会员卡号长度
    qint16 memberDeposit = 0;            // 会员押金金额
    bool clearOnCheckout = false;        // 结帐是否清除显示
    bool reportsUseMark = false;         // 报表是否使用结帐标记
    qint16 settlementPrecision = 0;      // 结算精度设置
    bool reminderOffersCheckout = false; // 提醒时间到达是否提示结帐
    bool BackupOnExit = false;           // 是否自动备份数据库
    qint16 printer2FontSize = 0;         // 2型打印机字号设置
    qint16 gridRowHeight = 0;            // 网格高度
    qint16 lampRoundMinutes = 0;         // 灯光巡检分钟
};

// One row of the parameter table as the program knows it.
struct ParameterRow
{
    QString name;     // sm
    QString group;    // lx: "st", "dk", "dkq" or "dkset"
    QString value;    // valuenr: the created value, or the shipped one
    QString helpText; // tooltiptext
    bool shipped;     // read but never created by the program
    // A help text shipped before that said the wrong thing; a file that
    // still holds it exactly gets helpText instead.
    QString formerHelpText = {};
};

// Every parameter row, in the order the database lists them. The created
// rows carry the value the editor inserts; the shipped rows the value the
// database maker writes.
const QList<ParameterRow>& parameterRows();

// The rows the editor creates when missing, as groups in the order it checks
// them: a group is created only when its first row is absent.
QList<QList<ParameterRow>> createdParameterGroups();
