#include "core/reports/TakingsSlip.h"

#include "core/base/DateText.h"
#include "core/printing/RawReceiptPrinter.h"
#include "core/printing/Receipt.h"

#include <QCoreApplication>

QStringList TakingsSlip::lines() const
{
    QStringList lines = {isShift()
                             ? QCoreApplication::translate("TakingsSlip", "=====%1台球对账单=====").arg(companyName)
                             : QCoreApplication::translate("TakingsSlip", "====%1台球日报====").arg(companyName),
                         DateText::date(businessDate) + QStringLiteral("  ") + DateText::time(printedAt)};
    if (isShift())
        lines.append(QCoreApplication::translate("TakingsSlip", "操作员： %1").arg(operatorName));
    if (!rows.isEmpty())
        lines.append(QCoreApplication::translate("TakingsSlip", "位号  时长  单价  金额"));
    for (const QStringList& row : rows) {
        lines.append(row.value(0) + QStringLiteral("     ") + row.value(1) + QStringLiteral("   ") + row.value(2) +
                     QStringLiteral("   ") + row.value(3));
    }
    lines += {QCoreApplication::translate("TakingsSlip", "台位费：      %1 元").arg(tableFees),
              QCoreApplication::translate("TakingsSlip", "其他费：      %1 元").arg(other),
              QStringLiteral("========================"),
              QCoreApplication::translate("TakingsSlip", "合  计：      %1 元").arg(total)};
    if (!handOver.isEmpty())
        lines.append(QStringLiteral("-----") + ShiftHandOver::heading() + QStringLiteral("-----"));
    for (const auto& [caption, amount] : handOver)
        lines.append(QCoreApplication::translate("TakingsSlip", "%1：  %2 元").arg(caption, amount));
    for (int i = 0; i < 4; ++i)
        lines.append(QStringLiteral(" "));
    return lines;
}

Result printTakingsSlip(const TakingsSlip& slip, RawReceiptPrinter& printer)
{
    if (printer.openPort(QStringLiteral("1"))) {
        printer.setFontSize(2);
        for (const QString& line : slip.lines())
            printer.printText(printableText(line));
        printer.closePort();
    }
    if (!printer.error().isEmpty())
        return Result::failure(QCoreApplication::translate("TakingsSlip", "报表没有打印：%1").arg(printer.error()));
    return Result::success();
}
