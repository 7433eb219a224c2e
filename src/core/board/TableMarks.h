#pragma once

#include "core/base/Result.h"

#include <QSqlDatabase>
#include <QString>

#include <optional>

// The reminder minutes (tx) and the deposit (fwfl) kept on a table's row
// for its running visit. Opening and the reminder and deposit screens read
// the operator's boxes through the same bounds, so that no screen can store
// what another would refuse.
namespace TableMarks {

// Whole minutes from 0 to 1440; nothing for any other text.
std::optional<double> reminderMinutes(const QString& text);
// An amount from 0 to LargestAmount with at most two decimals, kept as typed;
// nothing for any other text.
std::optional<double> deposit(const QString& text);

// What the operator is told when a box is refused.
QString reminderRefused();
QString depositRefused();

// Write the value to the table's row; a table that has no row is a failure
// that names it.
Result saveReminder(const QSqlDatabase& db, qint16 number, double minutes);
Result saveDeposit(const QSqlDatabase& db, qint16 number, double amount);

} // namespace TableMarks
