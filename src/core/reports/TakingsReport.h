#pragma once

#include "core/printing/ReportDocument.h"
#include "core/reports/ShiftHandOver.h"

// The printed takings "营业报告": the listed rows (date, table, hours, rate,
// amount) under the clerk, then the table fees, the other takings and their
// sum as the screen shows them; for a shift, its hand-over under them.
ReportDocument takingsReport(const QList<QStringList>& rows, const QString& clerk, const QString& tableFees,
                             const QString& other, const QString& total, const ShiftHandOver::Lines& handOver = {});
