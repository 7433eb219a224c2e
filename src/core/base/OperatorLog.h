#pragma once

#include "core/base/Result.h"

#include <QSqlDatabase>

struct AppState;

// The operator log: a row when a management screen opens, closed when it
// closes. Tags run from 0, each the largest so far plus one. Each row names
// the counter it was written at, since several may share the hall's log.
Result openLogEntry(const AppState& state, const QString& entry);

// Closes every open row of that operator for that screen.
Result closeLogEntries(const AppState& state, const QString& operatorName, const QString& entry);

inline const QString FailedLogin = QStringLiteral("登录失败");

// A wrong password at login for the chosen operator, as a closed row at the
// present time, so that guessing shows in the log, and at which counter.
Result logFailedLogin(const QSqlDatabase& db, const QString& operatorName, const QString& counterName);

// Something the program did on the operator's watch, such as a round of the
// lamps, as a closed row at the present time.
Result logEvent(const AppState& state, const QString& entry);
