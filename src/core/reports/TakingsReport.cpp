#include "core/reports/TakingsReport.h"

#include <QCoreApplication>

ReportDocument takingsReport(const QList<QStringList>& rows, const QString& clerk, const QString& tableFees,
                             const QString& other, const QString& total, const ShiftHandOver::Lines& handOver)
{
    ReportDocument report;
    report.name = QStringLiteral("takingsReport");
    report.title = {QStringLiteral("title"), QCoreApplication::translate("takingsReport", "营业报告"), QString()};
    report.header = {{QStringLiteral("label1"), clerk, QCoreApplication::translate("takingsReport", "营业员：")}};
    using Align = ReportColumn::Align;
    report.columns = {{QCoreApplication::translate("takingsReport", "日  期"), 10, Align::Left, CellKind::Date},
                      {QCoreApplication::translate("takingsReport", "台 位 号"), 10, Align::Left},
                      {QCoreApplication::translate("takingsReport", "时  长"), 8, Align::Right},
                      {QCoreApplication::translate("takingsReport", "单  价"), 8, Align::Right, CellKind::Money},
                      {QCoreApplication::translate("takingsReport", "金  额"), 9, Align::Right, CellKind::Money}};
    report.rows = rows;
    report.footer = {
        {QStringLiteral("label16"), tableFees, QCoreApplication::translate("takingsReport", "台位费用现金："),
         CellKind::Money},
        {QStringLiteral("label15"), other, QCoreApplication::translate("takingsReport", "其他销费："), CellKind::Money},
        {QStringLiteral("label18"), total, QCoreApplication::translate("takingsReport", "合  计："), CellKind::Money}};
    if (!handOver.isEmpty())
        report.footer.append({QStringLiteral("handover"), QString(), ShiftHandOver::heading()});
    for (const auto& [caption, amount] : handOver)
        report.footer.append(
            {QString(), amount, QCoreApplication::translate("takingsReport", "%1：").arg(caption), CellKind::Money});
    return report;
}
