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

// Deletes the member of the card unless the card is on an open visit. The
// check and the delete are one transaction. The member's recharge records
// stay.
Removal remove(QSqlDatabase& db, const QString& khao, const QString& name);

} // namespace MemberDeletion
