#pragma once

#include <QString>

struct ReportDocument;

// A report as it comes on paper: written to an A4 PDF and read back by
// pdftotext with its layout kept, so a test finds its texts and figures as
// they stand in their lines. When that fails the text says why, for the
// test's failed search to show.
QString pdfText(const ReportDocument& report);
// The same for a PDF already written, its lines as laid out or, without
// keepLayout, as a search reads them; pages are parted by form feeds.
QString pdfFileText(const QString& pdf, bool keepLayout = true);
