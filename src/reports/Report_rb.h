#pragma once

#include "printing/ReportDocument.h"
#include "reports/ShiftHandOver.h"

// The printed takings "营业报告": the listed rows (date, table, hours, rate,
// amount) under the clerk, then the table fees, the other takings and their
// sum as the screen shows them; for a shift, its hand-over under them.
ReportDocument Report_rb(const QList<QStringList>& rows, const QString& clerk, const QString& tableFees,
                         const QString& other, const QString& total, const ShiftHandOver::Lines& handOver = {});
