#include "reports/ModReport.h"

#include "base/AppState.h"
#include "base/Messages.h"
#include "printing/ReportPreview.h"
#include "reports/ListingReport.h"

#include <QCoreApplication>

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
    if (mode == Mode::Preview)
        previewReport(document, QCoreApplication::translate("ModReport", "报表打印"), parent);
    else if (!printReport(document))
        Messages::exclamation(QCoreApplication::translate("ModReport", "报表没有打印：打印机不能使用。"));
}

} // namespace ModReport
