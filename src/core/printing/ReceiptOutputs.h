#pragma once

#include <QList>
#include <QString>

// The ways a bill can be printed after a checkout.
enum class ReceiptOutput
{
    ReceiptPrinter,     // raw text to the receipt printer
    Report,             // the report layout, previewed or printed
    SystemPrinterLines, // plain lines on the system printer
};

// What the parameter "打印机类型" prints, in order: "1" the receipt printer,
// "2" the system printer's lines, "3" the receipt printer and then the
// report, anything else the report. Nothing when the toolbar's "print"
// toggle is not pressed.
QList<ReceiptOutput> receiptOutputs(const QString& printerType, bool printPressed);
