#pragma once

#include "core/base/Result.h"

#include <QDate>
#include <QString>

#include <optional>

// The business of a database file the program is not working on, read
// without writing anything to it: the date of its last settled visit
// (max jsrc of waimxd; nothing when no visit was ever settled). A file that
// cannot be read or is not a Tavoro database is refused with the reason.
ResultOf<std::optional<QDate>> lastSettledVisit(const QString& fullName);
