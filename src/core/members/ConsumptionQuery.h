#pragma once

#include "core/base/Result.h"
#include "core/members/ConsumptionCondition.h"

#include <QSqlDatabase>
#include <QString>

class QSqlQueryModel;

// The two member consumption listings: each visit of a member card with
// the member's particulars, and the members with their accumulated totals.
namespace ConsumptionQuery {

enum class Kind
{
    Detail,
    Summary
};

// The dictionary code that lays out the listing's columns.
QString listCode(Kind kind);
// The dictionary code that names the fields conditions may use.
QString conditionCode(Kind kind);

// What the detail shows as the end of a visit that is still open, so that it
// is not taken for a settled consumption.
QString openVisit();

// The listing's statement, with " WHERE " and the condition when there is one.
// The detail's first placeholder is the open visit's end (openVisit()).
QString statement(Kind kind, const ConsumptionCondition::Condition& condition);

// Runs the listing into the model with the condition's values bound. The
// detail lists every visit of a member card on record, open visits included
// and marked as open.
Result run(const QSqlDatabase& db, Kind kind, const ConsumptionCondition::Condition& condition, QSqlQueryModel* model);

} // namespace ConsumptionQuery
