#include "core/reports/StatisticsReport.h"

#include "core/base/DateText.h"

#include <QCoreApplication>

using IncomeAnalysis::Grouping;
using IncomeAnalysis::Subject;

QString groupCaption(const IncomeAnalysis::Question& question)
{
    if (question.grouping == Grouping::ByDay)
        return QCoreApplication::translate("statisticsReport", "日  期");
    return question.subject == Subject::Goods ? QCoreApplication::translate("statisticsReport", "商品名称")
                                              : QCoreApplication::translate("statisticsReport", "台位号");
}

ReportChart amountChart(const IncomeAnalysis::Analysis& analysis, const IncomeAnalysis::Question& question)
{
    const QString subject = question.subject == Subject::Goods
                                ? QCoreApplication::translate("statisticsReport", "商品销售")
                                : QCoreApplication::translate("statisticsReport", "台位费用");
    const QString grouping =
        question.grouping == Grouping::ByDay ? QCoreApplication::translate("statisticsReport", "按日期")
        : question.subject == Subject::Goods ? QCoreApplication::translate("statisticsReport", "按商品")
                                             : QCoreApplication::translate("statisticsReport", "按台位号");
    ReportChart chart{QCoreApplication::translate("statisticsReport", "%1（%2）").arg(subject, grouping), {}};
    for (const IncomeAnalysis::Row& row : analysis.rows)
        chart.bars.append({row.label, row.amount});
    return chart;
}

ReportDocument statisticsReport(const IncomeAnalysis::Analysis& analysis, const IncomeAnalysis::Question& question,
                                const QString& clerk)
{
    ReportDocument report;
    report.name = QStringLiteral("statisticsReport");
    report.title = {QStringLiteral("title"), QCoreApplication::translate("statisticsReport", "营业报告"), QString()};
    report.header = {{QStringLiteral("label1"), clerk, QCoreApplication::translate("statisticsReport", "营业员：")},
                     {QStringLiteral("label2"),
                      QCoreApplication::translate("statisticsReport", "日期从 %1 至 %2")
                          .arg(DateText::date(question.start), DateText::date(question.end)),
                      QString()}};
    using Align = ReportColumn::Align;
    report.columns = {{groupCaption(question), 20, Align::Left,
                       question.grouping == Grouping::ByDay ? CellKind::Date : CellKind::Text},
                      {QCoreApplication::translate("statisticsReport", "金  额"), 12, Align::Right, CellKind::Money}};
    for (const IncomeAnalysis::Row& row : analysis.rows)
        report.rows.append({row.label, IncomeAnalysis::money(row.amount)});
    report.totals = {QCoreApplication::translate("statisticsReport", "合  计"),
                     IncomeAnalysis::money(analysis.amount())};
    report.footer = {{QStringLiteral("label16"), IncomeAnalysis::money(analysis.tableFees),
                      QCoreApplication::translate("statisticsReport", "台位费用现金："), CellKind::Money}};
    report.chart = amountChart(analysis, question);
    return report;
}
