#pragma once

#include "core/printing/ReportDocument.h"

#include <QString>

// A bar chart drawn as inline SVG, one horizontal bar per bar of the chart,
// so that a long list of days or goods grows downwards and never sideways.
// Its colours come from the style sheet's classes.
namespace SvgChart {

QString bars(const ReportChart& chart);

} // namespace SvgChart
