#include "goods/Report_sfjc.h"

#include "base/DateText.h"
#include "base/Notation.h"

QString stockFigure(double value)
{
    return QString::number(Notation::roundHalfEven(value, 2) + 0.0, 'f', 2);
}

ReportDocument Report_sfjc(const StockBalance::Balance& balance, const QDate& start, const QDate& end)
{
    ReportDocument report;
    report.name = QStringLiteral("Report_sfjc");
    report.landscape = true;
    report.title = {QStringLiteral("title"), QStringLiteral("收发结存表"), QString()};
    report.header = {{QStringLiteral("period"), DateText::date(start) + QStringLiteral(" 至 ") + DateText::date(end),
                      QStringLiteral("期间：")}};

    using Align = ReportColumn::Align;
    report.columns = {{QStringLiteral("编码"), 6, Align::Left},      {QStringLiteral("商品名称"), 14, Align::Left},
                      {QStringLiteral("单位"), 4, Align::Left},      {QStringLiteral("上期数量"), 8, Align::Right},
                      {QStringLiteral("上期金额"), 9, Align::Right}, {QStringLiteral("入库数量"), 8, Align::Right},
                      {QStringLiteral("入库金额"), 9, Align::Right}, {QStringLiteral("销售数量"), 8, Align::Right},
                      {QStringLiteral("销售金额"), 9, Align::Right}, {QStringLiteral("结存数量"), 8, Align::Right},
                      {QStringLiteral("结存金额"), 9, Align::Right}};
    for (const StockBalance::Line& line : balance.lines) {
        QStringList row = {line.headcode, line.name, line.unit};
        for (const double figure : line.figures)
            row.append(stockFigure(figure));
        report.rows.append(row);
    }
    report.totals = {QStringLiteral("合计"), QString(), QString()};
    for (const double figure : balance.totals)
        report.totals.append(stockFigure(figure));
    return report;
}
