#pragma once

#include "core/base/Result.h"
#include "core/base/VisitCondition.h"

#include <QSqlDatabase>
#include <QString>

#include <optional>

// The open visit of a table: a waimxd row whose jsrc is still null.
struct OpenVisit
{
    qint64 id = 0;
    QString card;    // khao
    QString start;   // ksrc, as stored
    QString counter; // zdname: the counter that opened it, empty when not named
};

// Served by the partial index waimxd_open, which holds open visits only, so
// the lookup costs the same however much settled history the hall keeps.
inline const QString OpenVisitQuery =
    QStringLiteral("select id, khao, ksrc, zdname from waimxd where zhao=? and %1 order by id limit 1")
        .arg(VisitCondition::open());

// The open visit of the table with the lowest id, or nothing.
ResultOf<std::optional<OpenVisit>> findOpenVisit(const QSqlDatabase& db, qint16 tableNumber);

// Whether the table named by the text has an open visit; a text that names
// no table, or a failed query, is a failure, never "free".
ResultOf<bool> isTableInUse(const QSqlDatabase& db, const QString& table);

// How many tables have an open visit: what leaving the program leaves running.
ResultOf<int> countOpenTables(const QSqlDatabase& db);
