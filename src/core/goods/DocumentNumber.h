#pragma once

#include "core/base/Result.h"

#include <QSqlDatabase>
#include <QString>

// xs_add's numbering: a new document takes the largest number of its table
// plus one, 1 in an empty table. Numbers freed by deletions are not reused
// unless they were the largest.
namespace DocumentNumber {

// The number the next document of `table` takes.
ResultOf<qint64> next(const QSqlDatabase& db, const QString& table);

} // namespace DocumentNumber
