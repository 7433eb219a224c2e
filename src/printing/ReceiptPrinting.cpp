#include "printing/ReceiptPrinting.h"

#include "base/Clock.h"
#include "base/Parameters.h"
#include "printing/ClsPrint.h"
#include "printing/Ptprint40Layout.h"
#include "printing/ReceiptOutputs.h"
#include "printing/ReportPreview.h"
#include "printing/ReportRenderer.h"
#include "printing/Report_zd.h"
#include "printing/Zdprint.h"

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
        case ReceiptOutput::Zdprint: {
            auto printer = std::make_shared<ClsPrint>(settings);
            m_receiptPrinter.start([this, printer, receipt, at = printedAt] {
                const Result result = Zdprint(receipt, at, *printer);
                QMetaObject::invokeMethod(
                    this, [this, result] { Q_EMIT printed(result); }, Qt::QueuedConnection);
            });
            break;
        }
        case ReceiptOutput::ptprint40: {
            QPrinter printer(QPrinter::HighResolution);
            Q_EMIT printed(ptprint40(receipt, m_params, printer) ? Result::success() : printerFailure());
            break;
        }
        case ReceiptOutput::ptprint:
            Q_EMIT printed(ptprint(receipt, m_params, m_parent) ? Result::success() : printerFailure());
            break;
        }
    }
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
