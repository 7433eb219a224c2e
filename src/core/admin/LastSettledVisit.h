#pragma once

#include "core/base/Result.h"
#include "core/base/ServerPlace.h"

#include <QDate>
#include <QString>

#include <optional>

// The business of a database file the program is not working on, read
// without writing anything to it: the date of its last settled visit
// (max jsrc of waimxd; nothing when no visit was ever settled). A file that
// cannot be read or is not a Tavoro database is refused with the reason.
ResultOf<std::optional<QDate>> lastSettledVisit(const QString& fullName);

// The same of the hall's database on a server (password empty to leave it
// to libpq's usual places), refused as Database::openServer refuses it.
ResultOf<std::optional<QDate>> lastSettledVisit(const ServerPlace& place, const QString& password);
