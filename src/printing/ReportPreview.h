#pragma once

#include <QPrintPreviewDialog>

#include <memory>

struct ReportDocument;

// A print preview of the report, from which the operator can also print it.
// The caller shows it or runs it modally.
std::unique_ptr<QPrintPreviewDialog> makeReportPreview(const ReportDocument& document, QWidget* parent = nullptr);
