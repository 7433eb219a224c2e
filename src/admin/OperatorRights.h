#pragma once

#include "app/Result.h"

#include <QSqlDatabase>
#include <QString>

// The rights letters of one operator, one string per group as stored.
struct OperatorRights
{
    QString zhda; // membership and settings
    QString fjda; // goods
    QString zwcl; // operators and statistics
    QString bbsc; // sales processing
    QString xtgl; // queries and reports

    // True when the group's trimmed letters contain the letter.
    static bool grants(const QString& group, QChar letter);
};

// Reads the rights of the operator with that exact name; an operator without
// a row has none.
Result loadOperatorRights(const QSqlDatabase& db, const QString& operatorName, OperatorRights* rights);
