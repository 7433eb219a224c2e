#include "core/printing/ReceiptLayout.h"

#include "core/base/Notation.h"
#include "core/printing/Receipt.h"

#include <QCoreApplication>

qint16 receiptFontSize(qint16 parameter)
{
    if (parameter < 1)
        return 8;
    return parameter > 11 ? qint16(11) : parameter;
}

ReportDocument receiptLayout(const Receipt& r, qint16 fontSize)
{
    using Notation::Trim;
    QStringList lines;
    if (r.provisional())
        lines.append(r.heading);
    lines += {
        r.companyName,
        QCoreApplication::translate("ReceiptLayout", "欢迎光临"),
        QCoreApplication::translate("ReceiptLayout", "操作员%1").arg(r.operatorName),
        QCoreApplication::translate("ReceiptLayout", "台位%1").arg(QString::number(r.table)),
        QCoreApplication::translate("ReceiptLayout", "会员卡号%1").arg(r.cardNumber),
        QStringLiteral("-------"),
        QCoreApplication::translate("ReceiptLayout", "开始时间%1").arg(Trim(receiptTime(r.start))),
        //: The end prompt and the end time, side by side
        QCoreApplication::translate("ReceiptLayout", "%1%2").arg(r.endPrompt(), Trim(receiptTime(r.end))),
        QCoreApplication::translate("ReceiptLayout", "所用时间%1").arg(Trim(r.timeUsed)),
    };
    for (const ReceiptSegment& segment : r.segments)
        lines.append(receiptSegmentText(segment));
    lines.append(QCoreApplication::translate("ReceiptLayout", "折扣%1台球消费%2元")
                     .arg(receiptNumber(r.discount), receiptNumber(r.timeCharge)));
    // The checkout's bill on this printer shows the time charge alone; the
    // provisional one is asked for the whole amount due.
    if (r.provisional()) {
        for (const ReceiptGoods& line : r.goods)
            lines.append(line.name + QLatin1Char(' ') + receiptNumber(line.count) + QLatin1Char(' ') +
                         QCoreApplication::translate("ReceiptLayout", "%1元").arg(receiptNumber(line.amount)));
        lines.append(QCoreApplication::translate("ReceiptLayout", "商品消费%1元").arg(receiptNumber(r.goodsTotal)));
        lines.append(QCoreApplication::translate("ReceiptLayout", "合计%1元").arg(receiptNumber(r.grandTotal)));
    }
    if (r.deposit != 0) {
        lines.append(QCoreApplication::translate("ReceiptLayout", "押金%1").arg(receiptNumber(r.deposit)));
        lines.append(QCoreApplication::translate("ReceiptLayout", "找零%1").arg(receiptNumber(r.change())));
    }
    lines.append(QCoreApplication::translate("ReceiptLayout", "电话%1").arg(r.telephone.right(8)));
    for (int i = 0; i < 4; ++i)
        lines.append(QString());

    ReportDocument report;
    report.name = QStringLiteral("ptprint40");
    report.pointSize = fontSize;
    for (const QString& line : lines)
        report.header.append({QString(), line, QString()});
    return report;
}
