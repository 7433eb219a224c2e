#pragma once

#include "core/base/VisitCondition.h"

#include <QString>

// The statements the board reads the open visits with, here so that their
// query plans can be checked: both reach the open visits through the partial
// index waimxd_open and never read settled history.
namespace BoardQueries {

// A table's row with the columns of its first open visit (the lowest id),
// null when it has none.
inline const QString TableColumns =
    QStringLiteral("select z.zhao, z.mc, z.sybj, z.tx, z.fwfl, z.ktkh, w.id, w.ksrc, w.khao, w.dj, w.dj1 from zhdy z "
                   "left join waimxd w on w.id = (select o.id from waimxd o where o.zhao = z.zhao and ") +
    VisitCondition::open(QStringLiteral("o")) + QStringLiteral(" order by o.id limit 1) ");

// Every table in zhao order.
inline const QString Tables = TableColumns + QStringLiteral("order by z.zhao");

// One table.
inline const QString OneTable = TableColumns + QStringLiteral("where z.zhao = ?");

} // namespace BoardQueries
