#pragma once

#include "core/base/Result.h"

#include <QSqlDatabase>
#include <QString>

#include <optional>

// A card on an open visit must keep its member: without it the visit would
// be priced and settled as an unknown card. The card is matched without
// regard to letter case, as cards are looked up.
namespace CardInUse {

// The table of the card's open visit, or nothing when the card is on none.
ResultOf<std::optional<QString>> tableOf(const QSqlDatabase& db, const QString& card);

} // namespace CardInUse
