#pragma once

#include "core/base/Notice.h"
#include "core/base/Result.h"

#include <QSqlDatabase>

// dr1: the one-off conversion of goods kept in the older tables spfl99
// (categories), spml99 (items) and bmzd99 (departments), in one transaction.
// A code already in the catalogue, or a department already defined, is not
// inserted again, so running it twice adds nothing the second time.
namespace CatalogueImport {

struct Imported
{
    Result result = Result::success();
    // The old tables are missing: nothing was done.
    Notice refusal;
    int goods = 0;
    int departments = 0;
};

Imported run(QSqlDatabase& db);

} // namespace CatalogueImport
