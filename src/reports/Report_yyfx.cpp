#include "reports/Report_yyfx.h"

#include "base/DateText.h"

using IncomeAnalysis::Grouping;
using IncomeAnalysis::Subject;

QString groupCaption(const IncomeAnalysis::Question& question)
{
    if (question.grouping == Grouping::ByDay)
        return QStringLiteral("日  期");
    return question.subject == Subject::Goods ? QStringLiteral("商品名称") : QStringLiteral("台位号");
}

ReportChart amountChart(const IncomeAnalysis::Analysis& analysis, const IncomeAnalysis::Question& question)
{
    const QString subject =
        question.subject == Subject::Goods ? QStringLiteral("商品销售") : QStringLiteral("台位费用");
    const QString grouping = question.grouping == Grouping::ByDay ? QStringLiteral("按日期")
                             : question.subject == Subject::Goods ? QStringLiteral("按商品")
                                                                  : QStringLiteral("按台位号");
    ReportChart chart{subject + QStringLiteral("（") + grouping + QStringLiteral("）"), {}};
    for (const IncomeAnalysis::Row& row : analysis.rows)
        chart.bars.append({row.hzrc, row.sumje});
    return chart;
}

ReportDocument Report_yyfx(const IncomeAnalysis::Analysis& analysis, const IncomeAnalysis::Question& question,
                           const QString& clerk)
{
    ReportDocument report;
    report.name = QStringLiteral("Report_yyfx");
    report.title = {QStringLiteral("title"), QStringLiteral("营业报告"), QString()};
    report.header = {{QStringLiteral("label1"), clerk, QStringLiteral("营业员：")},
                     {QStringLiteral("label2"),
                      QStringLiteral("日期从 ") + DateText::date(question.start) + QStringLiteral(" 至 ") +
                          DateText::date(question.end),
                      QString()}};
    using Align = ReportColumn::Align;
    report.columns = {{groupCaption(question), 20, Align::Left}, {QStringLiteral("金  额"), 12, Align::Right}};
    for (const IncomeAnalysis::Row& row : analysis.rows)
        report.rows.append({row.hzrc, IncomeAnalysis::money(row.sumje)});
    report.totals = {QStringLiteral("合  计"), IncomeAnalysis::money(analysis.amount())};
    report.footer = {
        {QStringLiteral("label16"), IncomeAnalysis::money(analysis.tableFees), QStringLiteral("台位费用现金：")}};
    report.chart = amountChart(analysis, question);
    return report;
}
