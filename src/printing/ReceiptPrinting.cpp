#include "printing/ReceiptPrinting.h"

#include "base/Parameters.h"
#include "printing/Ptprint40Layout.h"
#include "printing/ReceiptOutputs.h"
#include "printing/ReportPreview.h"
#include "printing/ReportRenderer.h"
#include "printing/Report_zd.h"
#include "printing/Zdprint.h"

#include <QPrintDialog>
#include <QPrinter>

namespace {

// The error numbers of an unavailable device and of a printer fault.
constexpr qint64 DeviceUnavailable = 68;
constexpr qint64 PrinterError = 482;

Result printerFailure()
{
    return Result::failure(QStringLiteral("账单没有打印：打印机不能使用。"), PrinterError);
}

} // namespace

Result printReceipt(const Receipt& receipt, bool printPressed, Parameters& params, const SettingsStore& settings,
                    QWidget* parent)
{
    Result result = Result::success();
    for (const ReceiptOutput output : receiptOutputs(params.printerType, printPressed)) {
        switch (output) {
        case ReceiptOutput::Zdprint:
            if (!Zdprint(receipt, settings))
                result = Result::failure(QStringLiteral("账单没有打印：小票打印机的端口打不开。"), DeviceUnavailable);
            break;
        case ReceiptOutput::ptprint40: {
            QPrinter printer(QPrinter::HighResolution);
            if (!ptprint40(receipt, params, printer))
                result = printerFailure();
            break;
        }
        case ReceiptOutput::ptprint:
            if (!ptprint(receipt, params, parent))
                result = printerFailure();
            break;
        }
    }
    return result;
}

bool ptprint40(const Receipt& receipt, Parameters& params, QPrinter& printer)
{
    params.printer2FontSize = ptprint40FontSize(params.printer2FontSize);
    return ReportRenderer(ptprint40Layout(receipt, params.printer2FontSize)).render(&printer);
}

bool ptprint(const Receipt& receipt, const Parameters& params, QWidget* parent)
{
    const ReportDocument report = Report_zd(receipt);
    if (params.previewBill) {
        makeReportPreview(report, parent)->exec();
        return true;
    }
    QPrinter printer(QPrinter::HighResolution);
    if (params.choosePrinter) {
        QPrintDialog dialog(&printer, parent);
        if (dialog.exec() != QDialog::Accepted)
            return true;
    }
    return ReportRenderer(report).render(&printer);
}
