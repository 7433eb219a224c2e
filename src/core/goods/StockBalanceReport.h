#pragma once

#include "core/goods/StockBalance.h"
#include "core/printing/ReportDocument.h"

// The printed stock balance "收发结存表": the period, one line per goods item
// with its code, name and unit, and the totals of the balance.
ReportDocument stockBalanceReport(const StockBalance::Balance& balance, const QDate& start, const QDate& end);

// A figure as the stock balance shows it, no grouping, never "-0.00": an
// amount with two decimals, a quantity with the decimals it has, at least two.
QString stockFigure(double value, StockBalance::Figure figure);
