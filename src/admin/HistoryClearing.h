#pragma once

#include "base/Result.h"

#include <QDate>
#include <QSqlDatabase>

// Clearing settled history older than a date.
namespace HistoryClearing {

// Deletes, in one transaction, the paid goods rows (ckv_zc with jzbj = 1) and
// the settled visits (waimxd with jsrc set) whose business date rc is before
// the given date. Open visits and unpaid goods are never touched, and the
// reconciliation marks are not consulted. On failure nothing is deleted.
Result clearBefore(QSqlDatabase& db, const QDate& before);

} // namespace HistoryClearing
