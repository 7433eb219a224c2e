#pragma once

#include "core/printing/SpreadsheetFile.h"

#include <QDate>
#include <QString>

#include <functional>

class QWidget;
struct ReportDocument;

// The "导出 Excel" key of every list and report: asks where to save the
// report, as a workbook or as CSV, writes it and tells a failure.
namespace SpreadsheetExport {

struct Choice
{
    QString path; // empty: the operator chose nothing
    SpreadsheetFile::Format format = SpreadsheetFile::Format::Xlsx;
};

// Asks for the file, proposing the path given.
using Chooser = std::function<Choice(const QString& proposedPath, QWidget* parent)>;

// Replaces the file dialog, as a test answers it; an empty chooser brings the
// dialog back.
void setChooser(Chooser chooser);

// The key's caption, the same on every screen.
QString caption();

// The proposed file name, without its suffix: the report, then its period
// ("日营业报表_2026-12-06", "商品销售统计_2026-12-01_2026-12-06"); a report
// without a period takes today's date.
QString fileName(const QString& report, const QDate& from = {}, const QDate& to = {});

// True when the file was written.
bool offer(const ReportDocument& document, const QString& fileName, QWidget* parent);

} // namespace SpreadsheetExport
