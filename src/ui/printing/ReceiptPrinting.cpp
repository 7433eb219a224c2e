#include "ui/printing/ReceiptPrinting.h"

#include "core/base/Clock.h"
#include "core/base/Parameters.h"
#include "core/printing/BillReport.h"
#include "core/printing/RawReceiptPrinter.h"
#include "core/printing/ReceiptLayout.h"
#include "core/printing/ReceiptLines.h"
#include "core/printing/ReceiptOutputs.h"
#include "ui/printing/ReportPreview.h"
#include "ui/printing/ReportRenderer.h"

#include <QCoreApplication>
#include <QPrintDialog>
#include <QPrinter>

#include <memory>

namespace {

// The error number of a printer fault.
constexpr qint64 PrinterError = 482;

Result printerFailure()
{
    return Result::failure(QCoreApplication::translate("ReceiptPrinter", "账单没有打印：打印机不能使用。"),
                           PrinterError);
}

} // namespace

ReceiptPrinter::ReceiptPrinter(Parameters& params, QWidget* parent)
    : QObject(parent)
    , m_params(params)
    , m_parent(parent)
{
    m_receiptPrinter.setMaxThreadCount(1);
}

ReceiptPrinter::~ReceiptPrinter()
{
    m_receiptPrinter.clear();
    m_receiptPrinter.waitForDone();
}

void ReceiptPrinter::print(const Receipt& receipt, bool printPressed, const SettingsStore& settings)
{
    m_last = printableReceipt(receipt);
    m_lastPrintedAt = Clock::now();
    if (printPressed)
        printLast(settings);
}

void ReceiptPrinter::reprint(const SettingsStore& settings)
{
    if (m_last)
        printLast(settings);
    else
        Q_EMIT printed(Result::failure(tr("没有可以重打的小票：这次开机以来还没有结过账。")));
}

void ReceiptPrinter::printProvisional(const Receipt& receipt, const SettingsStore& settings)
{
    printReceipt(printableReceipt(receipt), Clock::now(), settings);
}

void ReceiptPrinter::printLast(const SettingsStore& settings)
{
    printReceipt(*m_last, m_lastPrintedAt, settings);
}

void ReceiptPrinter::printReceipt(const Receipt& receipt, const QDateTime& printedAt, const SettingsStore& settings)
{
    for (const ReceiptOutput output : receiptOutputs(m_params.printerType, true)) {
        switch (output) {
        case ReceiptOutput::ReceiptPrinter: {
            auto printer = std::make_shared<RawReceiptPrinter>(settings);
            m_receiptPrinter.start([this, printer, receipt, at = printedAt] {
                const Result result = printRawReceipt(receipt, at, *printer);
                QMetaObject::invokeMethod(
                    this, [this, result] { Q_EMIT printed(result); }, Qt::QueuedConnection);
            });
            break;
        }
        case ReceiptOutput::SystemPrinterLines: {
            QPrinter printer(QPrinter::HighResolution);
            Q_EMIT printed(printReceiptLines(receipt, m_params, printer) ? Result::success() : printerFailure());
            break;
        }
        case ReceiptOutput::Report:
            Q_EMIT printed(printBillReport(receipt, m_params, m_parent) ? Result::success() : printerFailure());
            break;
        }
    }
}

bool printReceiptLines(const Receipt& receipt, Parameters& params, QPrinter& printer)
{
    params.printer2FontSize = receiptFontSize(params.printer2FontSize);
    return ReportRenderer(receiptLayout(receipt, params.printer2FontSize)).render(&printer);
}

bool printBillReport(const Receipt& receipt, const Parameters& params, QWidget* parent)
{
    const ReportDocument report = billReport(receipt);
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
