#include "printing/Ptprint40Layout.h"

#include "base/Notation.h"
#include "printing/Receipt.h"

qint16 ptprint40FontSize(qint16 parameter)
{
    if (parameter < 1)
        return 8;
    return parameter > 11 ? qint16(11) : parameter;
}

ReportDocument ptprint40Layout(const Receipt& r, qint16 fontSize)
{
    using Notation::Trim;
    QStringList lines;
    if (r.provisional())
        lines.append(r.heading);
    lines += {
        r.companyName,
        QStringLiteral("欢迎光临"),
        QStringLiteral("操作员") + r.operatorName,
        QStringLiteral("台位") + QString::number(r.table),
        QStringLiteral("会员卡号") + r.cardNumber,
        QStringLiteral("-------"),
        QStringLiteral("开始时间") + Trim(receiptTime(r.start)),
        r.endPrompt() + Trim(receiptTime(r.end)),
        QStringLiteral("所用时间") + Trim(r.timeUsed),
    };
    for (const ReceiptSegment& segment : r.segments)
        lines.append(receiptSegmentText(segment));
    lines.append(QStringLiteral("折扣") + receiptNumber(r.discount) + QStringLiteral("台球消费") +
                 receiptNumber(r.timeCharge) + QStringLiteral("元"));
    // The checkout's bill on this printer shows the time charge alone; the
    // provisional one is asked for the whole amount due.
    if (r.provisional()) {
        for (const ReceiptGoods& line : r.goods)
            lines.append(line.wlcode + QLatin1Char(' ') + receiptNumber(line.count) + QLatin1Char(' ') +
                         receiptNumber(line.amount) + QStringLiteral("元"));
        lines.append(QStringLiteral("商品消费") + receiptNumber(r.goodsTotal) + QStringLiteral("元"));
        lines.append(QStringLiteral("合计") + receiptNumber(r.grandTotal) + QStringLiteral("元"));
    }
    if (r.deposit != 0) {
        lines.append(QStringLiteral("押金") + receiptNumber(r.deposit));
        lines.append(QStringLiteral("找零") + receiptNumber(r.change()));
    }
    lines.append(QStringLiteral("电话") + r.telephone.right(8));
    for (int i = 0; i < 4; ++i)
        lines.append(QString());

    ReportDocument report;
    report.name = QStringLiteral("ptprint40");
    report.pointSize = fontSize;
    for (const QString& line : lines)
        report.header.append({QString(), line, QString()});
    return report;
}
