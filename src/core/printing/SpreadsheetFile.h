#pragma once

#include "core/base/Result.h"
#include "core/printing/ReportDocument.h"

#include <QString>

// A report saved for a spreadsheet, as an Excel workbook or as CSV, laid out
// as SpreadsheetCells says. The file appears whole or not at all: it is
// written beside the chosen name first and put in its place when complete,
// so that a full disk leaves neither a broken file nor a lost older one.
namespace SpreadsheetFile {

enum class Format
{
    Xlsx,
    Csv
};

Result write(const ReportDocument& document, const QString& path, Format format);

} // namespace SpreadsheetFile
