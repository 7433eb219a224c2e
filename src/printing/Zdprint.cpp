#include "printing/Zdprint.h"

#include "base/DateText.h"
#include "printing/ClsPrint.h"
#include "printing/Receipt.h"

namespace {

// The error number of an unavailable device.
constexpr qint64 DeviceUnavailable = 68;

QString moment(const QString& prompt, const QDateTime& at)
{
    return prompt + receiptDay(at) + QStringLiteral("日") + receiptTime(at);
}

} // namespace

QStringList zdprintLines(const Receipt& r, const QDateTime& printedAt)
{
    QStringList lines;
    if (r.provisional())
        lines.append(r.heading);
    lines += {
        r.companyName + QStringLiteral("      ") + QStringLiteral(" 欢迎光临"),
        QStringLiteral("营业员:") + r.operatorName,
        QString(29, QLatin1Char('=')),
        QStringLiteral("台 位 号 ") + QString::number(r.table) + QStringLiteral("  会员卡号") + r.cardNumber,
        moment(QStringLiteral("开始时间 "), r.start),
        moment(r.endPrompt() + QLatin1Char(' '), r.end),
        QStringLiteral("所用时间 ") + r.timeUsed,
    };
    for (const ReceiptSegment& segment : r.segments)
        lines.append(receiptSegmentText(segment));
    lines += {
        QStringLiteral("折扣率：") + receiptNumber(r.discount),
        QStringLiteral("台球消费 ") + receiptNumber(r.timeCharge) + QStringLiteral(" 元"),
    };
    for (const ReceiptGoods& line : r.goods) {
        lines.append(line.wlcode + QStringLiteral("  ") + receiptNumber(line.count) + QStringLiteral("  ") +
                     receiptNumber(line.amount) + QStringLiteral(" 元"));
    }
    lines += {
        QStringLiteral("商品消费:") + receiptNumber(r.goodsTotal) + QStringLiteral(" 元"),
        QStringLiteral("合计:") + receiptNumber(r.grandTotal) + QStringLiteral("元"),
    };
    // The checkout's bill on this printer never showed the deposit.
    if (r.provisional() && r.deposit != 0) {
        lines.append(QStringLiteral("押金:") + receiptNumber(r.deposit) + QStringLiteral(" 找零:") +
                     receiptNumber(r.change()));
    }
    lines += {
        QString(30, QLatin1Char('=')),
        QStringLiteral("电话:") + r.telephone,
        QStringLiteral("地址:") + r.address,
        DateText::dateTime(printedAt),
    };
    for (int i = 0; i < 6; ++i)
        lines.append(QString());
    return lines;
}

Result Zdprint(const Receipt& receipt, const QDateTime& printedAt, ClsPrint& printer)
{
    if (printer.OpenPort(QStringLiteral("1"))) {
        printer.FontSizeBig(2);
        printer.RowSpace(2);
        for (const QString& line : zdprintLines(receipt, printedAt))
            printer.PrintStr(line);
        printer.ClosePort();
    }
    if (!printer.error().isEmpty())
        return Result::failure(QStringLiteral("小票没有打印：") + printer.error(), DeviceUnavailable);
    return Result::success();
}
