#include "core/goods/CatalogueReport.h"

#include <QCoreApplication>
#include <QSqlQueryModel>
#include <QSqlRecord>

ReportDocument catalogueReport(const QSqlQueryModel& rows)
{
    ReportDocument document;
    document.name = QStringLiteral("catalogueReport");
    document.title.caption = QCoreApplication::translate("catalogueReport", "商品编码");
    document.columns = {
        {QCoreApplication::translate("catalogueReport", "商品编码"), 10, ReportColumn::Align::Left},
        {QCoreApplication::translate("catalogueReport", "商品名称"), 20, ReportColumn::Align::Left},
        {QCoreApplication::translate("catalogueReport", "商品简码"), 10, ReportColumn::Align::Left},
        {QCoreApplication::translate("catalogueReport", "计量单位"), 8, ReportColumn::Align::Centre},
        {QCoreApplication::translate("catalogueReport", "商品单价"), 10, ReportColumn::Align::Right, CellKind::Money}};
    for (int row = 0; row < rows.rowCount(); ++row) {
        const QSqlRecord record = rows.record(row);
        document.rows.append(
            {record.value(QStringLiteral("headcode")).toString(), record.value(QStringLiteral("name")).toString(),
             record.value(QStringLiteral("spjm")).toString(), record.value(QStringLiteral("spdw")).toString(),
             QString::number(record.value(QStringLiteral("spdj")).toDouble(), 'f', 2)});
    }
    return document;
}
