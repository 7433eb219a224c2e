#include "reports/Report_yyfx.h"

#include "base/DateText.h"

#include <QCoreApplication>

using IncomeAnalysis::Grouping;
using IncomeAnalysis::Subject;

QString groupCaption(const IncomeAnalysis::Question& question)
{
    if (question.grouping == Grouping::ByDay)
        return QCoreApplication::translate("Report_yyfx", "日  期");
    return question.subject == Subject::Goods ? QCoreApplication::translate("Report_yyfx", "商品名称")
                                              : QCoreApplication::translate("Report_yyfx", "台位号");
}

ReportChart amountChart(const IncomeAnalysis::Analysis& analysis, const IncomeAnalysis::Question& question)
{
    const QString subject = question.subject == Subject::Goods ? QCoreApplication::translate("Report_yyfx", "商品销售")
                                                               : QCoreApplication::translate("Report_yyfx", "台位费用");
    const QString grouping = question.grouping == Grouping::ByDay ? QCoreApplication::translate("Report_yyfx", "按日期")
                             : question.subject == Subject::Goods
                                 ? QCoreApplication::translate("Report_yyfx", "按商品")
                                 : QCoreApplication::translate("Report_yyfx", "按台位号");
    ReportChart chart{QCoreApplication::translate("Report_yyfx", "%1（%2）").arg(subject, grouping), {}};
    for (const IncomeAnalysis::Row& row : analysis.rows)
        chart.bars.append({row.hzrc, row.sumje});
    return chart;
}

ReportDocument Report_yyfx(const IncomeAnalysis::Analysis& analysis, const IncomeAnalysis::Question& question,
                           const QString& clerk)
{
    ReportDocument report;
    report.name = QStringLiteral("Report_yyfx");
    report.title = {QStringLiteral("title"), QCoreApplication::translate("Report_yyfx", "营业报告"), QString()};
    report.header = {{QStringLiteral("label1"), clerk, QCoreApplication::translate("Report_yyfx", "营业员：")},
                     {QStringLiteral("label2"),
                      QCoreApplication::translate("Report_yyfx", "日期从 %1 至 %2")
                          .arg(DateText::date(question.start), DateText::date(question.end)),
                      QString()}};
    using Align = ReportColumn::Align;
    report.columns = {{groupCaption(question), 20, Align::Left},
                      {QCoreApplication::translate("Report_yyfx", "金  额"), 12, Align::Right}};
    for (const IncomeAnalysis::Row& row : analysis.rows)
        report.rows.append({row.hzrc, IncomeAnalysis::money(row.sumje)});
    report.totals = {QCoreApplication::translate("Report_yyfx", "合  计"), IncomeAnalysis::money(analysis.amount())};
    report.footer = {{QStringLiteral("label16"), IncomeAnalysis::money(analysis.tableFees),
                      QCoreApplication::translate("Report_yyfx", "台位费用现金：")}};
    report.chart = amountChart(analysis, question);
    return report;
}
