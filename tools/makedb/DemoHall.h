#pragma once

#include "core/base/Result.h"

#include <QSqlDatabase>

// A small hall to try the program on: named tables with day and evening
// rates, members of every card type, goods with purchases and a second
// operator with fewer rights and a discount limit.
namespace DemoHall {

inline const QString SecondOperator = QStringLiteral("张三");
inline const QString SecondPassword = QStringLiteral("1111");
// The owner's view of the demo hall opens with this password.
inline const QString OwnerViewPassword = QStringLiteral("6666");

// Writes the hall in one transaction into a database that holds the shipped
// rows, then sets the owner view's password; dates are counted from the
// clock's today.
Result write(QSqlDatabase& db);

} // namespace DemoHall
