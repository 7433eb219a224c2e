#pragma once

#include "core/base/Result.h"

#include <QSqlDatabase>
#include <QString>

// How the hall's counters tell each other that a table changed, so that
// every board and the counter with the lamps follow at once: on a server,
// a notice on one channel with the table's number as its text.
namespace TableNews {

inline const QString Channel = QStringLiteral("tavoro_tables");

// Tells the other counters that the table changed. Run it inside the
// command's transaction: the server sends the notice when that commits and
// drops it when it rolls back. Nothing on a file, where no counter listens.
Result tell(const QSqlDatabase& db, qint16 table);

} // namespace TableNews
