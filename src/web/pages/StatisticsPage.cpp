#include "web/pages/StatisticsPage.h"

#include "core/base/Clock.h"
#include "core/base/DateText.h"
#include "core/reports/IncomeAnalysis.h"
#include "core/reports/StatisticsReport.h"
#include "web/pages/HallState.h"
#include "web/pages/HtmlText.h"
#include "web/pages/PageFrame.h"
#include "web/pages/PageQuery.h"
#include "web/pages/SvgChart.h"

#include <QCoreApplication>

namespace {

// The form that asks again, holding what was asked; it works without the script.
QString form(const QString& subject, const QString& by, const QDate& from, const QDate& to)
{
    const auto option = [](const QString& value, const QString& chosen, const QString& text) {
        return QStringLiteral("<option value=\"%1\"%2>%3</option>")
            .arg(value, value == chosen ? QStringLiteral(" selected") : QString(), HtmlText::escaped(text));
    };
    return QStringLiteral(
               "<form class=\"ask\" method=\"get\" action=\"/statistics\">"
               "<select name=\"subject\">%1%2</select><select name=\"by\">%3%4</select>"
               "<input type=\"date\" name=\"from\" value=\"%5\"><input type=\"date\" name=\"to\" value=\"%6\">"
               "<button type=\"submit\">%7</button></form>")
        .arg(option(QStringLiteral("fees"), subject, QCoreApplication::translate("OwnerPages", "台位费用")),
             option(QStringLiteral("goods"), subject, QCoreApplication::translate("OwnerPages", "商品销售")),
             option(QStringLiteral("day"), by, QCoreApplication::translate("OwnerPages", "按日期")),
             option(QStringLiteral("item"), by, QCoreApplication::translate("OwnerPages", "按项目")),
             DateText::date(from), DateText::date(to),
             HtmlText::escaped(QCoreApplication::translate("OwnerPages", "查询")));
}

} // namespace

namespace StatisticsPage {

OwnerPages::Page html(QSqlDatabase& db, const QUrlQuery& query)
{
    PageQuery asked(query);
    const QString subject = asked.choice(QStringLiteral("subject"), {QStringLiteral("fees"), QStringLiteral("goods")});
    const QString by = asked.choice(QStringLiteral("by"), {QStringLiteral("day"), QStringLiteral("item")});
    const auto [from, to] = asked.period(Clock::today());
    if (!asked.ok())
        return PageFrame::badRequest(asked.refusal());

    const ResultOf<AppState> state = hallState(db);
    if (!state)
        return PageFrame::booksUnreadable(state.result().message());
    const IncomeAnalysis::Question question{
        subject == QLatin1String("goods") ? IncomeAnalysis::Subject::Goods : IncomeAnalysis::Subject::TableFees,
        by == QLatin1String("day") ? IncomeAnalysis::Grouping::ByDay : IncomeAnalysis::Grouping::ByItem,
        state->params.reportsUseMark, from, to};
    const ResultOf<IncomeAnalysis::Analysis> analysis = IncomeAnalysis::run(db, question);
    if (!analysis)
        return PageFrame::booksUnreadable(analysis.result().message());

    QString body = form(subject, by, from, to);
    const QString group = groupCaption(question);
    const QString amount = QCoreApplication::translate("OwnerPages", "金额");
    body += QStringLiteral("<table class=\"list\" id=\"statistics\"><thead><tr><th>%1</th><th "
                           "class=\"amount\">%2</th></tr></thead><tbody>")
                .arg(HtmlText::escaped(group), HtmlText::escaped(amount));
    for (const IncomeAnalysis::Row& row : analysis->rows)
        body += QStringLiteral("<tr>") + HtmlText::cell(group, row.label) +
                HtmlText::cell(amount, HtmlText::money(row.amount), QStringLiteral("amount")) + QStringLiteral("</tr>");
    body += QStringLiteral("</tbody><tfoot><tr>") +
            HtmlText::cell(group, QCoreApplication::translate("OwnerPages", "合计")) +
            HtmlText::cell(amount, HtmlText::money(analysis->amount()), QStringLiteral("amount total")) +
            QStringLiteral("</tr></tfoot></table>");
    body += QStringLiteral("<p>%1 <span class=\"amount\" id=\"tableFees\">%2</span></p>")
                .arg(HtmlText::escaped(QCoreApplication::translate("OwnerPages", "台位费用现金：")),
                     HtmlText::money(analysis->tableFees.isNull() ? 0 : analysis->tableFees.toDouble()));
    body += SvgChart::bars(amountChart(*analysis, question));
    return PageFrame::html(QCoreApplication::translate("OwnerPages", "营业统计"), body);
}

} // namespace StatisticsPage
