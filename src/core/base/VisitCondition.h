#pragma once

#include <QString>

// Whether a visit (a waimxd row) is still open or settled, as every query
// asks it: settling writes the end time jsrc, and nothing else does.
namespace VisitCondition {

// The visit is still open. Written exactly so, as the partial index
// waimxd_open is declared, so that a query asking it reads the open visits
// only. The alias names the waimxd row when the query gives it one.
inline QString open(const QString& alias = {})
{
    return (alias.isEmpty() ? QString() : alias + QLatin1Char('.')) + QStringLiteral("jsrc is null");
}

// The visit has been settled.
inline QString settled(const QString& alias = {})
{
    return (alias.isEmpty() ? QString() : alias + QLatin1Char('.')) + QStringLiteral("jsrc is not null");
}

} // namespace VisitCondition
