#include "core/printing/ReceiptOutputs.h"

QList<ReceiptOutput> receiptOutputs(const QString& printerType, bool printPressed)
{
    if (!printPressed)
        return {};
    const QString type = printerType.trimmed();
    if (type == QLatin1String("1"))
        return {ReceiptOutput::ReceiptPrinter};
    if (type == QLatin1String("2"))
        return {ReceiptOutput::SystemPrinterLines};
    if (type == QLatin1String("3"))
        return {ReceiptOutput::ReceiptPrinter, ReceiptOutput::Report};
    return {ReceiptOutput::Report};
}
