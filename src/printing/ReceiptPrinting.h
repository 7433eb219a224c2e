#pragma once

#include "base/Result.h"

class QPrinter;
class QWidget;
class SettingsStore;
struct Parameters;
struct Receipt;

// Prints the bill of a successful checkout when the toolbar's "print" toggle
// is pressed, in the ways the parameter "打印机类型" names (see
// receiptOutputs). The checkout stands whatever happens here; a failure
// says which receipt did not print, for the screen to tell the operator.
// params is not const: the system printer's font size is corrected in it.
Result printReceipt(const Receipt& receipt, bool printPressed, Parameters& params, const SettingsStore& settings,
                    QWidget* parent);

// The receipt as plain lines at the font size of "2型打印机字号设置", which
// is corrected in params as well (see ptprint40FontSize). False when the
// printer cannot be used.
bool ptprint40(const Receipt& receipt, Parameters& params, QPrinter& printer);

// The receipt as the report Report_zd: a modal preview when "账单是否预览"
// is on; otherwise printed on the default printer, or on the one the
// operator picks when "打印时是否要选择打印机" is on (cancelling prints
// nothing). False when the printer cannot be used.
bool ptprint(const Receipt& receipt, const Parameters& params, QWidget* parent);
