#include "reports/Report_rb.h"

ReportDocument Report_rb(const QList<QStringList>& rows, const QString& clerk, const QString& tableFees,
                         const QString& other, const QString& total, const ShiftHandOver::Lines& handOver)
{
    ReportDocument report;
    report.name = QStringLiteral("Report_rb");
    report.title = {QStringLiteral("title"), QStringLiteral("营业报告"), QString()};
    report.header = {{QStringLiteral("label1"), clerk, QStringLiteral("营业员：")}};
    using Align = ReportColumn::Align;
    report.columns = {{QStringLiteral("日  期"), 10, Align::Left},
                      {QStringLiteral("台 位 号"), 10, Align::Left},
                      {QStringLiteral("时  长"), 8, Align::Right},
                      {QStringLiteral("单  价"), 8, Align::Right},
                      {QStringLiteral("金  额"), 9, Align::Right}};
    report.rows = rows;
    report.footer = {{QStringLiteral("label16"), tableFees, QStringLiteral("台位费用现金：")},
                     {QStringLiteral("label15"), other, QStringLiteral("其他销费：")},
                     {QStringLiteral("label18"), total, QStringLiteral("合  计：")}};
    if (!handOver.isEmpty())
        report.footer.append({QStringLiteral("handover"), QString(), ShiftHandOver::Heading});
    for (const auto& [caption, amount] : handOver)
        report.footer.append({QString(), amount, caption + QStringLiteral("：")});
    return report;
}
