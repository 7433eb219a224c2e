#pragma once

#include "core/printing/ReportDocument.h"

struct Receipt;

// The bill as a report: the hall and the visit above, the goods settled with
// the table, the totals and the hall's telephone and address below.
ReportDocument billReport(const Receipt& receipt);
