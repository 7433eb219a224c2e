#pragma once

#include "core/base/AppState.h"
#include "core/base/Result.h"

#include <QSqlDatabase>

// The state the core's pricing and reports are handed at the counter, for a
// page: the connection and the hall's parameters, and no operator, since the
// owner's view is nobody's shift.
ResultOf<AppState> hallState(QSqlDatabase& db);
