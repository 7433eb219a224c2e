#include "reports/ModReport.h"

#include "base/AppState.h"
#include "base/Messages.h"
#include "printing/ReportPreview.h"
#include "printing/ReportRenderer.h"
#include "reports/ListingReport.h"

#include <QPrinter>

namespace ModReport {

void report(const AppState& state, const QString& code, QSqlQueryModel& rows, Mode mode, QWidget* parent)
{
    ReportDictionary dictionary;
    const Result read = ReportDictionary::read(state.DbConn, code, true, &dictionary);
    if (!read) {
        Messages::critical(read.message());
        return;
    }
    const ReportDocument document = ListingReport::document(dictionary, rows);
    if (mode == Mode::Preview) {
        const auto preview = makeReportPreview(document, parent);
        preview->setWindowTitle(QStringLiteral("报表打印"));
        preview->exec();
        return;
    }
    const ReportRenderer renderer(document);
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(renderer.orientation());
    if (!renderer.render(&printer))
        Messages::exclamation(QStringLiteral("报表没有打印：打印机不能使用。"));
}

} // namespace ModReport
