#pragma once

#include "core/base/Result.h"

#include <QDateTime>
#include <QStringList>

class RawReceiptPrinter;
struct Receipt;

// The receipt printer's lines, in the order they are printed; printedAt is
// the moment the receipt gives as its last line before the paper feed.
QStringList receiptLines(const Receipt& receipt, const QDateTime& printedAt);

// Prints the receipt on the raw printer at LPT1 (in large type, row spacing
// 2). A failure says why the port could not be opened or written; it takes
// as long as the printer's timeout at most.
Result printRawReceipt(const Receipt& receipt, const QDateTime& printedAt, RawReceiptPrinter& printer);
