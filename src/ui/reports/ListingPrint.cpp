#include "ui/reports/ListingPrint.h"

#include "core/base/AppState.h"
#include "core/base/Messages.h"
#include "core/reports/ListingReport.h"
#include "ui/printing/ReportPreview.h"
#include "ui/printing/SpreadsheetExport.h"

#include <QCoreApplication>

namespace ListingPrint {

void report(const AppState& state, const QString& code, QSqlQueryModel& rows, Mode mode, QWidget* parent)
{
    const ResultOf<ReportDictionary> dictionary = ReportDictionary::read(state.DbConn, code, true);
    if (!dictionary) {
        Messages::critical(dictionary.result().message());
        return;
    }
    const ReportDocument document = ListingReport::document(*dictionary, rows);
    if (mode == Mode::Spreadsheet)
        SpreadsheetExport::offer(document, SpreadsheetExport::fileName(dictionary->title), parent);
    else if (mode == Mode::Preview)
        previewReport(document, QCoreApplication::translate("ListingPrint", "报表打印"), parent);
    else if (!printReport(document))
        Messages::exclamation(QCoreApplication::translate("ListingPrint", "报表没有打印：打印机不能使用。"));
}

} // namespace ListingPrint
