#include "web/pages/TakingsPage.h"

#include "core/admin/OperatorStore.h"
#include "core/base/Clock.h"
#include "core/base/DateText.h"
#include "core/reports/DayTakings.h"
#include "core/reports/ShiftHandOver.h"
#include "web/pages/HtmlText.h"
#include "web/pages/PageFrame.h"

#include <QCoreApplication>

namespace {

// An operator's shift is open today when it holds money not yet handed
// over; the deposits of open tables and the cash due follow from the rest.
bool hasBusiness(const ShiftHandOver::Figures& f)
{
    for (const double amount :
         {f.cashTableFees, f.cardTableFees, f.counterGoods, f.tableGoods, f.topUpsPaid, f.topUpsCredited}) {
        if (amount != 0)
            return true;
    }
    return false;
}

QString amountsTable(const QList<std::pair<QString, QString>>& lines)
{
    QString html = QStringLiteral("<table class=\"figures\"><tbody>");
    for (const auto& [caption, amount] : lines)
        html += QStringLiteral("<tr><th>%1</th><td class=\"amount\">%2</td></tr>")
                    .arg(HtmlText::escaped(caption), HtmlText::escaped(amount));
    return html + QStringLiteral("</tbody></table>");
}

} // namespace

namespace TakingsPage {

OwnerPages::Page html(QSqlDatabase& db)
{
    const QDate today = Clock::today();
    const ResultOf<DayTakings::Totals> totals = DayTakings::totals(db, {today, QString(), std::nullopt});
    if (!totals)
        return PageFrame::booksUnreadable(totals.result().message());
    QString body = QStringLiteral("<p class=\"stamp\">%1</p>").arg(HtmlText::escaped(DateText::date(today)));
    body += amountsTable(
        {{QCoreApplication::translate("OwnerPages", "台位费用"), HtmlText::money(totals->tableFees.value_or(0))},
         {QCoreApplication::translate("OwnerPages", "其他收入"), HtmlText::money(totals->other.value_or(0))},
         {QCoreApplication::translate("OwnerPages", "合计"), HtmlText::money(totals->total())}});

    const ResultOf<QList<OperatorRecord>> operators = OperatorStore(db).load();
    if (!operators)
        return PageFrame::booksUnreadable(operators.result().message());
    bool anyShift = false;
    for (const OperatorRecord& person : *operators) {
        const ResultOf<ShiftHandOver::Figures> figures = ShiftHandOver::figures(db, today, person.name);
        if (!figures)
            return PageFrame::booksUnreadable(figures.result().message());
        if (!hasBusiness(*figures))
            continue;
        anyShift = true;
        ShiftHandOver::Lines lines = ShiftHandOver::lines(*figures);
        for (auto& line : lines)
            line.second = line.second.isEmpty() ? QString() : HtmlText::money(line.second.toDouble());
        body += QStringLiteral("<h2>%1 · %2</h2>")
                    .arg(HtmlText::escaped(ShiftHandOver::heading()), HtmlText::escaped(person.name));
        body += amountsTable(lines);
    }
    if (!anyShift)
        body += QStringLiteral("<p>%1</p>")
                    .arg(HtmlText::escaped(QCoreApplication::translate("OwnerPages", "今天没有未交班的营业。")));
    return PageFrame::html(QCoreApplication::translate("OwnerPages", "今日营业额"), body);
}

} // namespace TakingsPage
