#pragma once

#include "core/printing/SpreadsheetCells.h"

#include <QByteArray>

// The sheet as CSV: UTF-8 behind a byte-order mark, which spreadsheets set
// up for Chinese need to read it as UTF-8, one line a row ended by CR LF,
// fields quoted as RFC 4180 asks. Money is written with two decimals, dates
// in ISO form; a text that a spreadsheet would take for a formula gets a
// leading quote, so that a member named "=cmd|..." runs nothing.
namespace SpreadsheetCsv {

QByteArray text(const SpreadsheetCells::Sheet& sheet);

} // namespace SpreadsheetCsv
