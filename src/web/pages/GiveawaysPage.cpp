#include "web/pages/GiveawaysPage.h"

#include "core/base/Clock.h"
#include "core/base/DateText.h"
#include "core/reports/Giveaways.h"
#include "web/pages/HtmlText.h"
#include "web/pages/PageFrame.h"
#include "web/pages/PageQuery.h"

#include <QCoreApplication>

namespace GiveawaysPage {

OwnerPages::Page html(QSqlDatabase& db, const QUrlQuery& query)
{
    PageQuery asked(query);
    const auto [from, to] = asked.period(Clock::today());
    if (!asked.ok())
        return PageFrame::badRequest(asked.refusal());
    const ResultOf<QList<Giveaways::Line>> lines = Giveaways::run(db, from, to);
    if (!lines)
        return PageFrame::booksUnreadable(lines.result().message());

    QString body = QStringLiteral("<form class=\"ask\" method=\"get\" action=\"/giveaways\">"
                                  "<input type=\"date\" name=\"from\" value=\"%1\"><input type=\"date\" name=\"to\" "
                                  "value=\"%2\"><button type=\"submit\">%3</button></form>")
                       .arg(DateText::date(from), DateText::date(to),
                            HtmlText::escaped(QCoreApplication::translate("OwnerPages", "查询")));
    const QStringList heads{
        QCoreApplication::translate("OwnerPages", "日期"),     QCoreApplication::translate("OwnerPages", "操作员"),
        QCoreApplication::translate("OwnerPages", "少收台费"), QCoreApplication::translate("OwnerPages", "免费台次"),
        QCoreApplication::translate("OwnerPages", "商品让价"), QCoreApplication::translate("OwnerPages", "结账折让")};
    body += QStringLiteral("<table class=\"cards\" id=\"giveaways\"><thead><tr>");
    for (const QString& head : heads)
        body += QStringLiteral("<th>%1</th>").arg(HtmlText::escaped(head));
    body += QStringLiteral("</tr></thead><tbody>");
    Giveaways::Line sum;
    for (const Giveaways::Line& line : *lines) {
        body += QStringLiteral("<tr>") + HtmlText::cell(heads[0], DateText::date(line.day), QStringLiteral("title")) +
                HtmlText::cell(heads[1], line.operatorName) +
                HtmlText::cell(heads[2], HtmlText::money(line.timeGivenAway), QStringLiteral("amount")) +
                HtmlText::cell(heads[3], QString::number(line.freeVisits), QStringLiteral("amount")) +
                HtmlText::cell(heads[4], HtmlText::money(line.goodsReductions), QStringLiteral("amount")) +
                HtmlText::cell(heads[5], HtmlText::money(line.checkoutDiscounts), QStringLiteral("amount")) +
                QStringLiteral("</tr>");
        sum.timeGivenAway += line.timeGivenAway;
        sum.freeVisits += line.freeVisits;
        sum.goodsReductions += line.goodsReductions;
        sum.checkoutDiscounts += line.checkoutDiscounts;
    }
    body += QStringLiteral("</tbody><tfoot><tr>") +
            HtmlText::cell(heads[0], QCoreApplication::translate("OwnerPages", "合计"), QStringLiteral("title")) +
            HtmlText::cell(heads[1], QString()) +
            HtmlText::cell(heads[2], HtmlText::money(sum.timeGivenAway), QStringLiteral("amount")) +
            HtmlText::cell(heads[3], QString::number(sum.freeVisits), QStringLiteral("amount")) +
            HtmlText::cell(heads[4], HtmlText::money(sum.goodsReductions), QStringLiteral("amount")) +
            HtmlText::cell(heads[5], HtmlText::money(sum.checkoutDiscounts), QStringLiteral("amount")) +
            QStringLiteral("</tr></tfoot></table>");
    return PageFrame::html(QCoreApplication::translate("OwnerPages", "优惠与赠送"), body);
}

} // namespace GiveawaysPage
