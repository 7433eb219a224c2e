#include "core/printing/ReceiptOutputs.h"

QList<ReceiptOutput> receiptOutputs(const QString& printerType, bool printPressed)
{
    if (!printPressed)
        return {};
    const QString type = printerType.trimmed();
    if (type == QLatin1String("1"))
        return {ReceiptOutput::RawPrinter};
    if (type == QLatin1String("2"))
        return {ReceiptOutput::ptprint40};
    if (type == QLatin1String("3"))
        return {ReceiptOutput::RawPrinter, ReceiptOutput::ptprint};
    return {ReceiptOutput::ptprint};
}
