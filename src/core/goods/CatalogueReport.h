#pragma once

#include "core/printing/ReportDocument.h"

class QSqlQueryModel;

// The printed catalogue: the rows the catalogue screen shows, in its order,
// with code, name, mnemonic, unit and price.
ReportDocument catalogueReport(const QSqlQueryModel& rows);
