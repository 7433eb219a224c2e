#include "ui/printing/GridDocument.h"

#include "ui/base/NumberDelegate.h"

#include <QAbstractItemModel>
#include <QHeaderView>
#include <QTableView>

#include <algorithm>

namespace GridDocument {

namespace {

// A character of the printed width is some eight pixels of the grid's.
constexpr int PixelsPerCharacter = 8;

} // namespace

ReportDocument fromModel(QAbstractItemModel& model, const QString& title, const QList<Column>& columns,
                         const NumberDelegate* numbers)
{
    while (model.canFetchMore(QModelIndex()))
        model.fetchMore(QModelIndex());
    ReportDocument document;
    document.name = QStringLiteral("gridReport");
    document.title = {QStringLiteral("title"), title, QString()};
    for (const Column& column : columns) {
        const ReportColumn::Align align = column.kind == CellKind::Money || column.kind == CellKind::Number
                                              ? ReportColumn::Align::Right
                                              : ReportColumn::Align::Left;
        document.columns.append({column.caption, 10, align, column.kind});
    }
    for (int row = 0; row < model.rowCount(); ++row) {
        QStringList cells;
        for (const Column& column : columns) {
            const QVariant value = model.index(row, column.column).data();
            cells.append(numbers ? numbers->cellText(value, column.column) : value.toString());
        }
        document.rows.append(cells);
    }
    return document;
}

ReportDocument fromGrid(const QTableView& grid, const QString& title, const QHash<int, CellKind>& kinds)
{
    QAbstractItemModel* model = grid.model();
    if (model == nullptr)
        return {};
    const auto* numbers = qobject_cast<const NumberDelegate*>(grid.itemDelegate());
    const QHeaderView* header = grid.horizontalHeader();
    QList<Column> columns;
    QList<int> widths;
    for (int visual = 0; visual < header->count(); ++visual) {
        const int column = header->logicalIndex(visual);
        if (grid.isColumnHidden(column))
            continue;
        const CellKind shown = numbers && numbers->money(column) ? CellKind::Money : CellKind::Text;
        columns.append({column, model->headerData(column, Qt::Horizontal).toString(), kinds.value(column, shown)});
        widths.append(std::max(1, grid.columnWidth(column) / PixelsPerCharacter));
    }
    ReportDocument document = fromModel(*model, title, columns, numbers);
    for (qsizetype i = 0; i < widths.size(); ++i)
        document.columns[i].width = widths.at(i);
    return document;
}

} // namespace GridDocument
