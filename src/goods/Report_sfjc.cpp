#include "goods/Report_sfjc.h"

#include "base/DateText.h"
#include "base/Notation.h"

#include <QCoreApplication>

QString stockFigure(double value, StockBalance::Figure figure)
{
    using namespace StockBalance;
    const bool count = figure == OpeningCount || figure == InCount || figure == OutCount || figure == ClosingCount;
    // A document's quantity keeps three decimals.
    return count ? Notation::numberText(value, 2, 3) : Notation::moneyText(value);
}

ReportDocument Report_sfjc(const StockBalance::Balance& balance, const QDate& start, const QDate& end)
{
    ReportDocument report;
    report.name = QStringLiteral("Report_sfjc");
    report.landscape = true;
    report.title = {QStringLiteral("title"), QCoreApplication::translate("Report_sfjc", "收发结存表"), QString()};
    report.header = {
        {QStringLiteral("period"),
         QCoreApplication::translate("Report_sfjc", "%1 至 %2").arg(DateText::date(start), DateText::date(end)),
         QCoreApplication::translate("Report_sfjc", "期间：")}};

    using Align = ReportColumn::Align;
    report.columns = {{QCoreApplication::translate("Report_sfjc", "编码"), 6, Align::Left},
                      {QCoreApplication::translate("Report_sfjc", "商品名称"), 14, Align::Left},
                      {QCoreApplication::translate("Report_sfjc", "单位"), 4, Align::Left},
                      {QCoreApplication::translate("Report_sfjc", "上期数量"), 8, Align::Right},
                      {QCoreApplication::translate("Report_sfjc", "上期金额"), 9, Align::Right},
                      {QCoreApplication::translate("Report_sfjc", "入库数量"), 8, Align::Right},
                      {QCoreApplication::translate("Report_sfjc", "入库金额"), 9, Align::Right},
                      {QCoreApplication::translate("Report_sfjc", "销售数量"), 8, Align::Right},
                      {QCoreApplication::translate("Report_sfjc", "销售金额"), 9, Align::Right},
                      {QCoreApplication::translate("Report_sfjc", "结存数量"), 8, Align::Right},
                      {QCoreApplication::translate("Report_sfjc", "结存金额"), 9, Align::Right}};
    for (const StockBalance::Line& line : balance.lines) {
        QStringList row = {line.headcode, line.name, line.unit};
        for (int f = 0; f < StockBalance::FigureCount; ++f)
            row.append(stockFigure(line.figures[std::size_t(f)], StockBalance::Figure(f)));
        report.rows.append(row);
    }
    report.totals = {QCoreApplication::translate("Report_sfjc", "合计"), QString(), QString()};
    for (int f = 0; f < StockBalance::FigureCount; ++f)
        report.totals.append(stockFigure(balance.totals[std::size_t(f)], StockBalance::Figure(f)));
    return report;
}
