#pragma once

#include "core/base/Result.h"
#include "core/printing/Receipt.h"

#include <QDateTime>
#include <QObject>
#include <QThreadPool>

#include <optional>

class QPrinter;
class QWidget;
class SettingsStore;
struct Parameters;

// Prints the bill of each checkout in the ways the parameter "打印机类型"
// names (see receiptOutputs) and keeps the last one for a reprint. The
// receipt printer is written on a worker thread, one receipt after another,
// so a printer that is off or jammed never holds the screen; the system
// printer and the preview stay on the screen's thread. The checkout stands
// whatever happens here.
class ReceiptPrinter : public QObject
{
    Q_OBJECT

public:
    // params is not const: the system printer's font size is corrected in it.
    ReceiptPrinter(Parameters& params, QWidget* parent);
    // Waits for the receipt being written, at most the printer's timeout;
    // receipts still waiting their turn are dropped.
    ~ReceiptPrinter() override;

    // Keeps the bill as the last one, and prints it when the toolbar's
    // "print" toggle is pressed. The settings say where the ports are.
    void print(const Receipt& receipt, bool printPressed, const SettingsStore& settings);
    // Prints the last bill again, byte for byte as before.
    void reprint(const SettingsStore& settings);
    // Prints a bill that settles nothing at once, in the same ways; it never
    // becomes the last bill.
    void printProvisional(const Receipt& receipt, const SettingsStore& settings);

Q_SIGNALS:
    // Once for every way the bill was printed, on the screen's thread; a
    // failure says which receipt did not print and why. A reprint without
    // a bill to print fails as well.
    void printed(const Result& result);

private:
    void printLast(const SettingsStore& settings);
    void printReceipt(const Receipt& receipt, const QDateTime& printedAt, const SettingsStore& settings);

    Parameters& m_params;
    QWidget* m_parent;
    std::optional<Receipt> m_last;
    QDateTime m_lastPrintedAt;
    QThreadPool m_receiptPrinter;
};

// The receipt as plain lines at the font size of "2型打印机字号设置", which
// is corrected in params as well (see receiptFontSize). False when the
// printer cannot be used.
bool printReceiptLines(const Receipt& receipt, Parameters& params, QPrinter& printer);

// The receipt as the report billReport: a modal preview when "账单是否预览"
// is on; otherwise printed on the default printer, or on the one the
// operator picks when "打印时是否要选择打印机" is on (cancelling prints
// nothing). False when the printer cannot be used.
bool printBillReport(const Receipt& receipt, const Parameters& params, QWidget* parent);
