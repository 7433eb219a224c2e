#include "core/printing/ReceiptLines.h"

#include "core/base/DateText.h"
#include "core/printing/RawReceiptPrinter.h"
#include "core/printing/Receipt.h"

#include <QCoreApplication>

namespace {

// The error number of an unavailable device.
constexpr qint64 DeviceUnavailable = 68;

QString moment(const QString& prompt, const QDateTime& at)
{
    return prompt + QCoreApplication::translate("ReceiptLines", "%1日%2").arg(receiptDay(at), receiptTime(at));
}

} // namespace

QStringList receiptLines(const Receipt& r, const QDateTime& printedAt)
{
    QStringList lines;
    if (r.provisional())
        lines.append(r.heading);
    lines += {
        QCoreApplication::translate("ReceiptLines", "%1       欢迎光临").arg(r.companyName),
        QCoreApplication::translate("ReceiptLines", "营业员:%1").arg(r.operatorName),
        QString(29, QLatin1Char('=')),
        QCoreApplication::translate("ReceiptLines", "台 位 号 %1  会员卡号%2")
            .arg(QString::number(r.table), r.cardNumber),
        moment(QCoreApplication::translate("ReceiptLines", "开始时间 "), r.start),
        moment(r.endPrompt() + QLatin1Char(' '), r.end),
        QCoreApplication::translate("ReceiptLines", "所用时间 %1").arg(r.timeUsed),
    };
    for (const ReceiptSegment& segment : r.segments)
        lines.append(receiptSegmentText(segment));
    lines += {
        QCoreApplication::translate("ReceiptLines", "折扣率：%1").arg(receiptNumber(r.discount)),
        QCoreApplication::translate("ReceiptLines", "台球消费 %1 元").arg(receiptNumber(r.timeCharge)),
    };
    for (const ReceiptGoods& line : r.goods) {
        lines.append(line.name + QStringLiteral("  ") + receiptNumber(line.count) + QStringLiteral("  ") +
                     QCoreApplication::translate("ReceiptLines", "%1 元").arg(receiptNumber(line.amount)));
    }
    lines += {
        QCoreApplication::translate("ReceiptLines", "商品消费:%1 元").arg(receiptNumber(r.goodsTotal)),
        QCoreApplication::translate("ReceiptLines", "合计:%1元").arg(receiptNumber(r.grandTotal)),
    };
    // The checkout's bill on this printer never showed the deposit.
    if (r.provisional() && r.deposit != 0) {
        lines.append(QCoreApplication::translate("ReceiptLines", "押金:%1 找零:%2")
                         .arg(receiptNumber(r.deposit), receiptNumber(r.change())));
    }
    lines += {
        QString(30, QLatin1Char('=')),
        QCoreApplication::translate("ReceiptLines", "电话:%1").arg(r.telephone),
        QCoreApplication::translate("ReceiptLines", "地址:%1").arg(r.address),
        DateText::dateTime(printedAt),
    };
    for (int i = 0; i < 6; ++i)
        lines.append(QString());
    return lines;
}

Result printRawReceipt(const Receipt& receipt, const QDateTime& printedAt, RawReceiptPrinter& printer)
{
    if (printer.openPort(QStringLiteral("1"))) {
        printer.setFontSize(2);
        printer.setRowSpacing(2);
        for (const QString& line : receiptLines(receipt, printedAt))
            printer.printText(line);
        printer.closePort();
    }
    if (!printer.error().isEmpty())
        return Result::failure(QCoreApplication::translate("ReceiptLines", "小票没有打印：%1").arg(printer.error()),
                               DeviceUnavailable);
    return Result::success();
}
