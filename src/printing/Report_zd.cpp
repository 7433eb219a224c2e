#include "printing/Report_zd.h"

#include "printing/Receipt.h"

namespace {

QString moment(const QString& prompt, const QDateTime& at)
{
    return prompt + receiptDay(at) + QStringLiteral("日") + receiptTime(at);
}

QString total(const Receipt& r)
{
    const QString grand = QStringLiteral("总计:") + receiptNumber(r.grandTotal);
    if (r.deposit == 0)
        return grand;
    return grand + QStringLiteral("押金:") + receiptNumber(r.deposit) + QStringLiteral(" 找零:") +
           receiptNumber(r.change());
}

} // namespace

ReportDocument Report_zd(const Receipt& r)
{
    ReportDocument report;
    report.name = QStringLiteral("Report_zd");
    report.title = {QStringLiteral("labelctmc"), r.companyName + QStringLiteral("欢迎光临"), QString()};

    QStringList visit = {
        moment(QStringLiteral("开始时间 "), r.start),
        moment(r.endPrompt() + QLatin1Char(' '), r.end),
        QStringLiteral("所用时间 ") + r.timeUsed + QStringLiteral(" 折扣率:") + receiptNumber(r.discount),
    };
    for (const ReceiptSegment& segment : r.segments)
        visit.append(receiptSegmentText(segment));
    visit.append(QStringLiteral("台球消费 ") + receiptNumber(r.timeCharge) + QStringLiteral(" 元"));
    if (r.provisional())
        report.header.append({QStringLiteral("labyjd"), r.heading, QString()});
    report.header += {
        {QStringLiteral("labdjlx"), r.operatorName, QStringLiteral("操作员:")},
        {QStringLiteral("labeltableno"), QString::number(r.table), QStringLiteral("台位号:")},
        {QStringLiteral("labmxczy"), r.cardNumber, QStringLiteral("会员卡号:")},
        {QStringLiteral("labtf"), visit.join(QLatin1Char('\n')), QString()},
    };

    if (!r.goods.isEmpty()) {
        report.columns = {
            {QStringLiteral("商品"), 16, ReportColumn::Align::Left},
            {QStringLiteral("数量"), 6, ReportColumn::Align::Right},
            {QStringLiteral("金额"), 8, ReportColumn::Align::Right},
        };
        for (const ReceiptGoods& line : r.goods)
            report.rows.append({line.wlcode, receiptNumber(line.count), receiptNumber(line.amount)});
    }

    report.footer = {
        {QStringLiteral("label14"), total(r), QString()},
        {QStringLiteral("labdh"), QStringLiteral("电话:") + r.telephone, QString()},
        {QStringLiteral("labdz"), QStringLiteral("地址:") + r.address, QString()},
    };
    return report;
}
