#pragma once

#include "core/printing/ReportDocument.h"
#include "core/reports/IncomeAnalysis.h"

// The printed statistics "营业报告": the clerk (label1), the period (label2),
// one line per day, table or goods under the grouping's caption (label9)
// with the total of the amounts, the table-fee total (label16) and the
// chart of the amounts.
ReportDocument statisticsReport(const IncomeAnalysis::Analysis& analysis, const IncomeAnalysis::Question& question,
                                const QString& clerk);

// The caption of the grouping column, on the grid and on paper.
QString groupCaption(const IncomeAnalysis::Question& question);

// The chart of the amounts, one bar per row; no bars when there are no rows.
ReportChart amountChart(const IncomeAnalysis::Analysis& analysis, const IncomeAnalysis::Question& question);
