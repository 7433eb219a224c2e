#pragma once

#include "core/printing/ReportDocument.h"

#include <QPageLayout>

class QPagedPaintDevice;

// Draws a report on anything that has pages: the print preview's printer, a
// real printer or a PDF file. The title comes first, centred and larger,
// then the header labels, the table (its column captions repeated on each
// new page), the totals and the footer labels, all in one family chosen so
// that a PDF's text reads back as drawn.
class ReportRenderer
{
public:
    explicit ReportRenderer(ReportDocument document);

    // Starts new pages on the device as they fill. False when the device
    // cannot be painted on: a printer that is not there, a file that cannot
    // be written.
    bool render(QPagedPaintDevice* device) const;

    // An A4 PDF file with margins of 15 mm; false when it cannot be written.
    bool writePdf(const QString& fileName) const;

    // How the pages must lie for the document; set it on a printer before
    // rendering.
    QPageLayout::Orientation orientation() const;

private:
    ReportDocument m_document;
};
