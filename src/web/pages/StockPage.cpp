#include "web/pages/StockPage.h"

#include "core/base/Clock.h"
#include "core/goods/StockBalance.h"
#include "web/pages/HtmlText.h"
#include "web/pages/PageFrame.h"
#include "web/pages/PageQuery.h"

#include <QCoreApplication>

namespace {

using StockBalance::Figure;

struct Shown
{
    Figure figure;
    const char* caption;
    bool money;
};
constexpr Shown Columns[] = {
    {StockBalance::OpeningCount, QT_TRANSLATE_NOOP("OwnerPages", "期初数量"), false},
    {StockBalance::InCount, QT_TRANSLATE_NOOP("OwnerPages", "入库数量"), false},
    {StockBalance::OutCount, QT_TRANSLATE_NOOP("OwnerPages", "出库数量"), false},
    {StockBalance::ClosingCount, QT_TRANSLATE_NOOP("OwnerPages", "期末数量"), false},
    {StockBalance::ClosingAmount, QT_TRANSLATE_NOOP("OwnerPages", "期末金额"), true},
};

QString number(double value, bool money)
{
    return money ? HtmlText::money(value) : QString::number(value, 'f', 2);
}

QString figureCells(const StockBalance::Figures& figures)
{
    QString cells;
    for (const Shown& column : Columns)
        cells += HtmlText::cell(QCoreApplication::translate("OwnerPages", column.caption),
                                number(figures[column.figure], column.money), QStringLiteral("amount"));
    return cells;
}

} // namespace

namespace StockPage {

OwnerPages::Page html(QSqlDatabase& db, const QUrlQuery& query)
{
    const QDate today = Clock::today();
    PageQuery asked(query);
    const QDate first = asked.month(QStringLiteral("month"), QDate(today.year(), today.month(), 1));
    if (!asked.ok())
        return PageFrame::badRequest(asked.refusal());
    const QDate last = first.addMonths(1).addDays(-1);
    const ResultOf<StockBalance::Balance> balance =
        StockBalance::compute(db, first, last, StockBalance::Grouping::ByStore, false);
    if (!balance)
        return PageFrame::booksUnreadable(balance.result().message());

    const QString monthText = first.toString(QStringLiteral("yyyy-MM"));
    QString body = QStringLiteral("<form class=\"ask\" method=\"get\" action=\"/stock\"><input type=\"month\" "
                                  "name=\"month\" value=\"%1\"><button type=\"submit\">%2</button></form>")
                       .arg(monthText, HtmlText::escaped(QCoreApplication::translate("OwnerPages", "查询")));
    if (!balance->anyBusiness)
        return PageFrame::html(
            QCoreApplication::translate("OwnerPages", "库存"),
            body + QStringLiteral("<p>%1</p>")
                       .arg(HtmlText::escaped(QCoreApplication::translate("OwnerPages", "本月无业务发生！"))));
    const QString goods = QCoreApplication::translate("OwnerPages", "商品");
    body += QStringLiteral("<table class=\"cards\" id=\"stock\"><thead><tr><th>%1</th>").arg(HtmlText::escaped(goods));
    for (const Shown& column : Columns)
        body += QStringLiteral("<th>%1</th>")
                    .arg(HtmlText::escaped(QCoreApplication::translate("OwnerPages", column.caption)));
    body += QStringLiteral("</tr></thead><tbody>");
    for (const StockBalance::Line& line : balance->lines)
        body += QStringLiteral("<tr>") + HtmlText::cell(goods, line.name, QStringLiteral("title")) +
                figureCells(line.figures) + QStringLiteral("</tr>");
    body += QStringLiteral("</tbody><tfoot><tr>") +
            HtmlText::cell(goods, QCoreApplication::translate("OwnerPages", "合计"), QStringLiteral("title")) +
            figureCells(balance->totals) + QStringLiteral("</tr></tfoot></table>");
    return PageFrame::html(QCoreApplication::translate("OwnerPages", "库存"), body);
}

} // namespace StockPage
