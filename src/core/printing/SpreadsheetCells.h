#pragma once

#include "core/printing/ReportDocument.h"

#include <QList>
#include <QString>
#include <QVariant>

// A report laid out as the cells of one spreadsheet, the same for every file
// type: the column captions in the first row, then the rows and the totals;
// after a blank row the title, then each header and footer label on a row of
// its own, its prompt in the first column and its caption in the second.
namespace SpreadsheetCells {

// An empty value is an empty cell. A Text cell holds a QString, Money and
// Number a double, Date a QDate and DateTime a QDateTime.
struct Cell
{
    CellKind kind = CellKind::Text;
    QVariant value;
};

struct Sheet
{
    QString name;
    QList<QList<Cell>> rows;
    QList<int> widths;   // of each column, in characters
    int captionRows = 0; // how many rows from the top are column captions
};

// The shown text read back as its kind, with the program's own notation; a
// text that is not one (a "合计" in a money column, a year before 1900 that
// no spreadsheet can hold as a date) stays text.
Cell cell(const QString& text, CellKind kind);

// At most 31 characters, none of []:*?/\ and no quote at either end, as
// every spreadsheet program accepts; "Sheet1" for an empty name.
QString sheetName(const QString& name);

Sheet sheet(const ReportDocument& document);

} // namespace SpreadsheetCells
