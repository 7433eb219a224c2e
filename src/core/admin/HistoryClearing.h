#pragma once

#include "core/base/Result.h"

#include <QDate>
#include <QSqlDatabase>

struct AppState;

// Clearing settled history older than a date: the paid goods rows (ckv_zc
// with jzbj = 1) and the settled visits (waimxd with jsrc set) whose
// business date rc is before it. Open visits and unpaid goods are never
// touched, and the reconciliation marks are not consulted.
namespace HistoryClearing {

enum class Refusal
{
    None,
    // Clearing before a later day would take the business date's own rows.
    AfterBusinessDate,
    BackupFailed,
};

struct Counts
{
    qint64 visits = 0;
    qint64 goods = 0;
};

struct Outcome
{
    Refusal refusal = Refusal::None;
    Result result = Result::success(); // a database failure, or why the backup failed
    Counts counts;                     // what would go (count) or went (clearBefore)
    QString backup;                    // the backup file taken or attempted
};

// Counts the rows clearBefore would delete; refused for a date after the
// business date.
Outcome count(const AppState& state, const QDate& before);

// Refused for a date after the business date. Otherwise backs the database
// up first and stops, deleting nothing, when the backup fails; then deletes
// in one transaction, so on failure nothing is deleted.
Outcome clearBefore(AppState& state, const QDate& before);

} // namespace HistoryClearing
