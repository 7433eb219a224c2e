#pragma once

#include "core/base/Result.h"

#include <QDate>
#include <QList>
#include <QSqlDatabase>

#include <optional>

// The closed entries of the operator log (czyrzh), as the log viewer lists,
// filters and deletes them. Open entries belong to screens still open and
// are never listed or deleted.
namespace OperatorLogList {

// How the viewer shows a moment: 12-hour clock with AM/PM in the C locale,
// "2026-12-06 08:05:00 PM".
inline const QString ShownTimeFormat = QStringLiteral("yyyy-MM-dd hh:mm:ss AP");

struct Entry
{
    double tag = 0;
    QString operatorName; // czyname
    QString screenName;   // czyxm
    QString initTime;     // as shown
    QString lastTime;     // as shown
    QString counterName;  // zdname, empty on rows from before counters had names
};

struct Filter
{
    // Matched exactly: no trimming, no wildcards; empty means every operator.
    QString name;
    // Entries that started on or after this day.
    std::optional<QDate> from;
};

// A stored moment as shown; text that is no moment is shown as it stands.
QString shownTime(const QString& stored);

// The closed entries that pass the filter, in tag order.
ResultOf<QList<Entry>> find(const QSqlDatabase& db, const Filter& filter);

// Deletes every closed entry.
Result deleteClosed(const QSqlDatabase& db);

} // namespace OperatorLogList
