#pragma once

#include <QString>

// The statements the board reads the open visits with, here so that their
// query plans can be checked: both reach the open visits through the partial
// index waimxd_open and never read settled history.
namespace BoardQueries {

// Every table in zhao order with the columns of its first open visit (the
// lowest id), null when it has none.
inline const QString Tables =
    QStringLiteral("select z.zhao, z.mc, z.sybj, z.tx, z.fwfl, z.ktkh, w.id, w.ksrc, w.khao, w.dj, w.dj1 from zhdy z "
                   "left join waimxd w on w.id = (select o.id from waimxd o where o.zhao = z.zhao and o.jsrc is null "
                   "order by o.id limit 1) "
                   "order by z.zhao");

// The first open visit of one table.
inline const QString OpenVisit =
    QStringLiteral("select id, ksrc, khao, dj, dj1 from waimxd where zhao = ? and jsrc is null order by id limit 1");

} // namespace BoardQueries
