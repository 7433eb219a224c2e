#pragma once

#include "core/printing/ReportDocument.h"
#include "core/reports/ReportDictionary.h"

#include <QVariant>

class QSqlQueryModel;

// Any listing printed as its dictionary lays it out: the title centred, the
// shown columns in their order and widths, each cell written as its type
// asks, and a total under every column the dictionary sums.
namespace ListingReport {

// A page holds no more columns than this; further ones are left off.
inline constexpr int MaxColumns = 30;

// A cell as its column's type shows it: money with two decimals, a rate as
// a percentage, a moment to the minute, a whole number without decimals.
QString cellText(const QVariant& value, const QString& type);

// Reads every row of the model, fetching those not yet read.
ReportDocument document(const ReportDictionary& dictionary, QSqlQueryModel& rows);

} // namespace ListingReport
