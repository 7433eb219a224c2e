#pragma once

#include "core/base/Result.h"

#include <QSqlDatabase>
#include <QString>

// The password of the owner's read-only view of the hall, kept in the hall's
// database as operators' passwords are (PasswordHash), so that the view
// reads it wherever it runs. While none is set the view stays off. The table
// is made on the first set, so an older file needs no upgrade.
namespace OwnerPassword {

// The stored hash; empty while the view is off.
ResultOf<QString> storedHash(const QSqlDatabase& db);

// Sets the password; an empty one turns the view off.
Result set(QSqlDatabase& db, const QString& password);

} // namespace OwnerPassword
