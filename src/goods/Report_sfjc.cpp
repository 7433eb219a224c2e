#include "goods/Report_sfjc.h"

#include "base/DateText.h"
#include "base/Notation.h"

#include <QCoreApplication>

QString stockFigure(double value)
{
    return QString::number(Notation::roundHalfEven(value, 2) + 0.0, 'f', 2);
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
        for (const double figure : line.figures)
            row.append(stockFigure(figure));
        report.rows.append(row);
    }
    report.totals = {QCoreApplication::translate("Report_sfjc", "合计"), QString(), QString()};
    for (const double figure : balance.totals)
        report.totals.append(stockFigure(figure));
    return report;
}
