#pragma once

#include "printing/ReportDocument.h"

#include <QFont>

class QPagedPaintDevice;

// Draws a report on anything that has pages: the print preview's printer, a
// real printer or a PDF file. The title comes first, centred and larger,
// then the header labels, the table (its column captions repeated on each
// new page), the totals and the footer labels.
class ReportRenderer
{
public:
    // Draws in the family of the given font; by default the application's.
    explicit ReportRenderer(ReportDocument document, const QFont& font = QFont());

    // Starts new pages on the device as they fill. False when the device
    // cannot be painted on: a printer that is not there, a file that cannot
    // be written.
    bool render(QPagedPaintDevice* device) const;

    // An A4 PDF file with margins of 15 mm; false when it cannot be written.
    bool writePdf(const QString& fileName) const;

private:
    ReportDocument m_document;
    QFont m_font;
};
