#pragma once

#include "core/printing/ReportDocument.h"

class QChart;
class QFont;

// The chart of a report's grouped amounts, built the same way for a screen's
// chart view and for the printed page: one bar per label, the value axis
// from zero, every text in `font`. The caller owns the chart (a view or a
// scene takes it over).
QChart* makeBarChart(const ReportChart& data, const QFont& font);
