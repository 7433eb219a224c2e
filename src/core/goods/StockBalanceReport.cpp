#include "core/goods/StockBalanceReport.h"

#include "core/base/DateText.h"
#include "core/base/Notation.h"

#include <QCoreApplication>

QString stockFigure(double value, StockBalance::Figure figure)
{
    using namespace StockBalance;
    const bool count = figure == OpeningCount || figure == InCount || figure == OutCount || figure == ClosingCount;
    // A document's quantity keeps three decimals.
    return count ? Notation::numberText(value, 2, 3) : Notation::moneyText(value);
}

ReportDocument stockBalanceReport(const StockBalance::Balance& balance, const QDate& start, const QDate& end)
{
    ReportDocument report;
    report.name = QStringLiteral("stockBalanceReport");
    report.landscape = true;
    report.title = {QStringLiteral("title"), QCoreApplication::translate("stockBalanceReport", "收发结存表"),
                    QString()};
    report.header = {
        {QStringLiteral("period"),
         QCoreApplication::translate("stockBalanceReport", "%1 至 %2").arg(DateText::date(start), DateText::date(end)),
         QCoreApplication::translate("stockBalanceReport", "期间：")}};

    using Align = ReportColumn::Align;
    report.columns = {
        {QCoreApplication::translate("stockBalanceReport", "编码"), 6, Align::Left},
        {QCoreApplication::translate("stockBalanceReport", "商品名称"), 14, Align::Left},
        {QCoreApplication::translate("stockBalanceReport", "单位"), 4, Align::Left},
        {QCoreApplication::translate("stockBalanceReport", "上期数量"), 8, Align::Right, CellKind::Number},
        {QCoreApplication::translate("stockBalanceReport", "上期金额"), 9, Align::Right, CellKind::Money},
        {QCoreApplication::translate("stockBalanceReport", "入库数量"), 8, Align::Right, CellKind::Number},
        {QCoreApplication::translate("stockBalanceReport", "入库金额"), 9, Align::Right, CellKind::Money},
        {QCoreApplication::translate("stockBalanceReport", "销售数量"), 8, Align::Right, CellKind::Number},
        {QCoreApplication::translate("stockBalanceReport", "销售金额"), 9, Align::Right, CellKind::Money},
        {QCoreApplication::translate("stockBalanceReport", "结存数量"), 8, Align::Right, CellKind::Number},
        {QCoreApplication::translate("stockBalanceReport", "结存金额"), 9, Align::Right, CellKind::Money}};
    for (const StockBalance::Line& line : balance.lines) {
        QStringList row = {line.code, line.name, line.unit};
        for (int f = 0; f < StockBalance::FigureCount; ++f)
            row.append(stockFigure(line.figures[std::size_t(f)], StockBalance::Figure(f)));
        report.rows.append(row);
    }
    report.totals = {QCoreApplication::translate("stockBalanceReport", "合计"), QString(), QString()};
    for (int f = 0; f < StockBalance::FigureCount; ++f)
        report.totals.append(stockFigure(balance.totals[std::size_t(f)], StockBalance::Figure(f)));
    return report;
}
