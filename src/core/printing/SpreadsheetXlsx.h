#pragma once

#include "core/printing/SpreadsheetCells.h"

#include <QString>

// The sheet as an Excel workbook (libxlsxwriter): money as numbers shown
// "0.00", dates and moments as dates, the captions bold, every text as a
// text, never as a formula.
namespace SpreadsheetXlsx {

// Writes the workbook to the path, replacing what is there; false when any
// part of it could not be written.
bool write(const SpreadsheetCells::Sheet& sheet, const QString& path);

} // namespace SpreadsheetXlsx
