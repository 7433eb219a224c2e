#pragma once

#include "core/printing/ReportDocument.h"

struct Receipt;

// The font size of the system printer's receipt from the parameter
// "2型打印机字号设置": 1 to 11 as they are, anything larger 11, 0 (and a
// negative value) 8.
qint16 receiptFontSize(qint16 parameter);

// The system printer's receipt: plain lines at the given font size, ending
// with four empty lines.
ReportDocument receiptLayout(const Receipt& receipt, qint16 fontSize);
