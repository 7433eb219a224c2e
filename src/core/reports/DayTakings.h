#pragma once

#include "core/base/Result.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <optional>

class QAbstractItemModel;

// What a business day took, for the shift report (one operator) and the day
// report (every operator), and the settles that close them. Settled visits
// come from waimxdall, paid goods from ckv_zcall; both are found by the
// business date rc, stored as ISO text.
namespace DayTakings {

struct Filter
{
    QDate date;
    // Empty for every operator.
    QString operatorName;
    // When set, the visit list takes the visits ended in this range instead
    // of those of the date; the totals and the goods list stay with the date.
    std::optional<std::pair<QDateTime, QDateTime>> visitRange;
};

// A sum over no rows is no sum, shown as an empty box but counted 0.
struct Totals
{
    std::optional<double> tableFees;
    std::optional<double> other;

    double total() const { return tableFees.value_or(0) + other.value_or(0); }
};

// The table fees and the other takings of the filter's date.
ResultOf<Totals> totals(const QSqlDatabase& db, const Filter& filter);

// Empties printbiao and fills it with the listed rows: the visits in the
// order they ended, then the paid goods with their name in zhao and their
// count written "0.00" in sc1. On failure printbiao is left as it was.
Result list(QSqlDatabase& db, const Filter& filter);

// How printbiao is read back for the grid, the report and the slip, in the
// order it was filled: rcl, zhao, sc1, dj, je.
QString listedRows();

// The rows of a model over listedRows() as the report and the slip write
// them, amounts as amountText.
QList<QStringList> rowTexts(const QAbstractItemModel& rows);

// A total or an amount as the report writes it: a plain number rounded to
// cents ("16", "15.5"); nothing shows as the empty text.
QString amountText(const std::optional<double>& value);

// Marks all the operator's settled, unreconciled rows, whatever their date,
// as reconciled by the shift ("1" -> "2"); both tables or neither.
Result settleShift(QSqlDatabase& db, const QString& operatorName);
// Marks every shift-reconciled row as reconciled by the day ("2" -> "3");
// both tables or neither.
Result settleDay(QSqlDatabase& db);

} // namespace DayTakings
