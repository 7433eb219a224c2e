#pragma once

#include <QPrintPreviewDialog>

#include <memory>

struct ReportDocument;

// A print preview of the report, from which the operator can also print it.
// The caller shows it or runs it modally.
std::unique_ptr<QPrintPreviewDialog> makeReportPreview(const ReportDocument& document, QWidget* parent = nullptr);

// Runs the preview under the given window title until the operator closes it.
void previewReport(const ReportDocument& document, const QString& title, QWidget* parent);

// Prints the report at once on the system printer, the pages lying as the
// report needs; false when the printer cannot print.
bool printReport(const ReportDocument& document);
