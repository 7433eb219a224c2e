#pragma once

#include "core/base/Result.h"

#include <QList>
#include <QSqlDatabase>

// Moving open visits between tables: the transfer of a party to a free
// table and the swap of two parties. Each move is one transaction that
// checks, inside it, that the tables are still as the operator saw them;
// when they are not, nothing is written.
namespace TableMove {

// The tables marked free, in table order.
Result freeTables(const QSqlDatabase& db, QList<qint16>* tables);
// The tables marked in use other than `except`, in table order.
Result tablesInUseExcept(const QSqlDatabase& db, qint16 except, QList<qint16>* tables);
// Whether the table is marked in use.
Result isMarkedInUse(const QSqlDatabase& db, qint16 number, bool* inUse);

enum class Transfer
{
    Moved,        // the visit is on the target, the source free, the target in use
    SourceClosed, // the source has no open visit any more: nothing was written
    TargetTaken,  // the target is no free table any more: nothing was written
};
// The source's open visit moves to the target with its start, card and
// rates; the marks, the guests' reminder and deposit and the source's
// unsettled goods follow it.
Result transfer(QSqlDatabase& db, qint16 source, qint16 target, Transfer* outcome);
// The operator's words for an outcome that moved nothing.
QString refusal(Transfer outcome, qint16 source, qint16 target);

// The open visits of both tables trade places with their reminders,
// deposits and unsettled goods, when both have one; *swapped says whether
// they did. Both tables stay marked in use.
Result swap(QSqlDatabase& db, qint16 first, qint16 second, bool* swapped);

} // namespace TableMove
