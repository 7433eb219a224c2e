#include "reports/TakingsSlip.h"

#include "base/DateText.h"
#include "printing/ClsPrint.h"
#include "printing/Receipt.h"

QStringList TakingsSlip::lines() const
{
    QStringList lines = {isShift() ? QStringLiteral("=====") + companyName + QStringLiteral("台球对账单=====")
                                   : QStringLiteral("====") + companyName + QStringLiteral("台球日报===="),
                         DateText::date(businessDate) + QStringLiteral("  ") + DateText::time(printedAt)};
    if (isShift())
        lines.append(QStringLiteral("操作员： ") + operatorName);
    if (!rows.isEmpty())
        lines.append(QStringLiteral("位号  时长  单价  金额"));
    for (const QStringList& row : rows) {
        lines.append(row.value(0) + QStringLiteral("     ") + row.value(1) + QStringLiteral("   ") + row.value(2) +
                     QStringLiteral("   ") + row.value(3));
    }
    lines +=
        {QStringLiteral("台位费：      ") + tableFees + QStringLiteral(" 元"),
         QStringLiteral("其他费：      ") + other + QStringLiteral(" 元"), QStringLiteral("========================"),
         QStringLiteral("合  计：      ") + total + QStringLiteral(" 元")};
    if (!handOver.isEmpty())
        lines.append(QStringLiteral("-----") + ShiftHandOver::Heading + QStringLiteral("-----"));
    for (const auto& [caption, amount] : handOver)
        lines.append(caption + QStringLiteral("：  ") + amount + QStringLiteral(" 元"));
    for (int i = 0; i < 4; ++i)
        lines.append(QStringLiteral(" "));
    return lines;
}

Result printTakingsSlip(const TakingsSlip& slip, ClsPrint& printer)
{
    if (printer.OpenPort(QStringLiteral("1"))) {
        printer.FontSizeBig(2);
        for (const QString& line : slip.lines())
            printer.PrintStr(printableText(line));
        printer.ClosePort();
    }
    if (!printer.error().isEmpty())
        return Result::failure(QStringLiteral("报表没有打印：") + printer.error());
    return Result::success();
}
