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
ResultOf<QList<qint16>> freeTables(const QSqlDatabase& db);
// The tables marked in use other than `except`, in table order.
ResultOf<QList<qint16>> tablesInUseExcept(const QSqlDatabase& db, qint16 except);
// Whether the table is marked in use; false for a table zhdy does not hold.
ResultOf<bool> isMarkedInUse(const QSqlDatabase& db, qint16 number);

enum class Transfer
{
    Moved,        // the visit is on the target, the source free, the target in use
    SourceClosed, // the source has no open visit any more: nothing was written
    TargetTaken,  // the target is no free table any more: nothing was written
};
// The source's open visit moves to the target with its start, card and
// rates; the marks, the guests' reminder and deposit and the source's
// unsettled goods follow it. Gives whether it moved or why not.
ResultOf<Transfer> transfer(QSqlDatabase& db, qint16 source, qint16 target);
// The operator's words for an outcome that moved nothing.
QString refusal(Transfer outcome, qint16 source, qint16 target);

// The open visits of both tables trade places with their reminders,
// deposits and unsettled goods, when both have one; gives whether they did.
// Both tables stay marked in use.
ResultOf<bool> swap(QSqlDatabase& db, qint16 first, qint16 second);

} // namespace TableMove
