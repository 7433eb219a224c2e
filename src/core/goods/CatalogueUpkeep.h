#pragma once

#include "core/base/Result.h"
#include "core/goods/GoodsCode.h"

#include <QSqlDatabase>

// The upkeep when the catalogue closes, in one transaction: entries without
// a name (null or blank) are dropped, every entry is marked a leaf (zzbj 1)
// unless the next code in code order is longer (a category, 0), and every
// entry gets the level its length defines (point_h).
namespace CatalogueUpkeep {

Result run(QSqlDatabase& db, const GoodsCode::Structure& structure);

} // namespace CatalogueUpkeep
