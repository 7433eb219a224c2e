#pragma once

#include "core/base/Result.h"

#include <QSqlDatabase>

// The dictionary rows of the member consumption detail that older databases
// lack: the visit's start, end and hours, and the widths that make room for
// them. Added once, all together; a database that has them is left alone.
namespace ConsumptionDictionary {

Result addDetailColumns(QSqlDatabase& db);

} // namespace ConsumptionDictionary
