#pragma once

#include "core/base/Result.h"

#include <QSqlDatabase>

// The rows every new database is shipped with: parameters, the system
// operator, the password row, shifts covering the day, card types, codes
// and the member-query dictionary.
namespace ShippedRows {

inline const QString SystemOperator = QStringLiteral("system");
inline const QString InitialPassword = QStringLiteral("1234");

// Writes them in one transaction into a database made from the schema.
Result write(QSqlDatabase& db);

} // namespace ShippedRows
