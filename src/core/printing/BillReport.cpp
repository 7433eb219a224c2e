#include "core/printing/BillReport.h"

#include "core/printing/Receipt.h"

#include <QCoreApplication>

namespace {

QString moment(const QString& prompt, const QDateTime& at)
{
    return prompt + QCoreApplication::translate("billReport", "%1日%2").arg(receiptDay(at), receiptTime(at));
}

QString total(const Receipt& r)
{
    const QString grand = QCoreApplication::translate("billReport", "总计:%1").arg(receiptNumber(r.grandTotal));
    if (r.deposit == 0)
        return grand;
    return grand + QCoreApplication::translate("billReport", "押金:%1 找零:%2")
                       .arg(receiptNumber(r.deposit), receiptNumber(r.change()));
}

} // namespace

ReportDocument billReport(const Receipt& r)
{
    ReportDocument report;
    report.name = QStringLiteral("billReport");
    report.title = {QStringLiteral("labelctmc"),
                    QCoreApplication::translate("billReport", "%1欢迎光临").arg(r.companyName), QString()};

    QStringList visit = {
        moment(QCoreApplication::translate("billReport", "开始时间 "), r.start),
        moment(r.endPrompt() + QLatin1Char(' '), r.end),
        QCoreApplication::translate("billReport", "所用时间 %1 折扣率:%2").arg(r.timeUsed, receiptNumber(r.discount)),
    };
    for (const ReceiptSegment& segment : r.segments)
        visit.append(receiptSegmentText(segment));
    visit.append(QCoreApplication::translate("billReport", "台球消费 %1 元").arg(receiptNumber(r.timeCharge)));
    if (r.provisional())
        report.header.append({QStringLiteral("labyjd"), r.heading, QString()});
    report.header += {
        {QStringLiteral("labdjlx"), r.operatorName, QCoreApplication::translate("billReport", "操作员:")},
        {QStringLiteral("labeltableno"), QString::number(r.table),
         QCoreApplication::translate("billReport", "台位号:")},
        {QStringLiteral("labmxczy"), r.cardNumber, QCoreApplication::translate("billReport", "会员卡号:")},
        {QStringLiteral("labtf"), visit.join(QLatin1Char('\n')), QString()},
    };

    if (!r.goods.isEmpty()) {
        report.columns = {
            {QCoreApplication::translate("billReport", "商品"), 16, ReportColumn::Align::Left},
            {QCoreApplication::translate("billReport", "数量"), 6, ReportColumn::Align::Right},
            {QCoreApplication::translate("billReport", "金额"), 8, ReportColumn::Align::Right},
        };
        for (const ReceiptGoods& line : r.goods)
            report.rows.append({line.name, receiptNumber(line.count), receiptNumber(line.amount)});
    }

    report.footer = {
        {QStringLiteral("label14"), total(r), QString()},
        {QStringLiteral("labdh"), QCoreApplication::translate("billReport", "电话:%1").arg(r.telephone), QString()},
        {QStringLiteral("labdz"), QCoreApplication::translate("billReport", "地址:%1").arg(r.address), QString()},
    };
    return report;
}
