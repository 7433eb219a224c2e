#pragma once

#include "base/Notice.h"
#include "base/Result.h"

#include <QSqlDatabase>
#include <QString>

namespace MemberDeletion {

struct Removal
{
    Result result = Result::success();
    Notice refusal; // empty when the member was deleted
};

// Deletes the member of the card unless the card is on an open visit (found
// without regard to letter case, as cards are looked up): that visit would
// otherwise be priced and settled as an unknown card. The check and the
// delete are one transaction. The member's recharge records stay.
Removal remove(QSqlDatabase& db, const QString& khao, const QString& name);

} // namespace MemberDeletion
