#pragma once

#include "core/base/Notice.h"
#include "core/base/Result.h"

#include <QSqlDatabase>
#include <QString>

namespace MemberDeletion {

struct Removal
{
    Result result = Result::success();
    Notice refusal; // empty when the member was deleted
};

// Deletes the member of the card unless the card is on an open visit. The
// check and the delete are one transaction. The card's money records (srmx)
// stay: they are the hall's history.
Removal remove(QSqlDatabase& db, const QString& card, const QString& name);

// The text of the question before a deletion: it names what the card holds
// now, read from the database rather than from a list that may be stale.
ResultOf<QString> question(const QSqlDatabase& db, const QString& card, const QString& name);

} // namespace MemberDeletion
