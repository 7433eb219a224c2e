#pragma once

#include "core/printing/ReportDocument.h"

#include <QHash>
#include <QList>
#include <QString>

class NumberDelegate;
class QAbstractItemModel;
class QTableView;

// A report made from what a list shows, for the lists that have no printed
// form of their own: the captions, the texts as the list writes them and
// every row of its model, read to the end.
namespace GridDocument {

struct Column
{
    int column = 0; // the model's
    QString caption;
    CellKind kind = CellKind::Text;
};

// The columns given, their texts written by `numbers` when there is one.
ReportDocument fromModel(QAbstractItemModel& model, const QString& title, const QList<Column>& columns,
                         const NumberDelegate* numbers = nullptr);

// The columns the grid shows, in the order it shows them, under its header's
// captions. A column's kind is the one given for it, else Money where the
// grid's NumberDelegate shows money, else Text.
ReportDocument fromGrid(const QTableView& grid, const QString& title, const QHash<int, CellKind>& kinds = {});

} // namespace GridDocument
