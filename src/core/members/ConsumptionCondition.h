#pragma once

#include "core/base/Result.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariantList>

// The conditions of the member consumption queries. Only the field names of
// the condition dictionary and the operators of a fixed list ever reach the
// SQL text; every typed value is bound.
namespace ConsumptionCondition {

// A field the operator may put a condition on, as the dictionary names it.
struct Field
{
    QString code;    // the column in the query, possibly with its table
    QString caption; // what the operator picks
    QString type;    // "CHAR", "DATE", "DATETIME", "NUME", "INT" or "MON"
};

// One condition row as typed; an empty value leaves the row out.
struct Row
{
    QString caption;
    QString op;
    QString value;
    QString joiner = QStringLiteral("and"); // "and" or "or", joining the next filled row
};

struct Condition
{
    QString sql;         // empty when no row has a value
    QVariantList values; // bound in order to the '?' of sql
    QString readable;    // the condition in the operator's words
};

const QStringList& operators();

// The fields of a condition dictionary code, in its order.
ResultOf<QList<Field>> loadFields(const QSqlDatabase& db, const QString& code);

// The condition, or the refusal of a row and that row's index.
struct Built
{
    ResultOf<Condition> condition;
    int badRow = -1; // -1 unless a row was refused
};

// Builds the condition from the rows, first to last. A refused row (an
// unknown field or operator, a value that is not a date or a number) gives
// the message to show and its index; there is then no condition.
Built build(const QList<Row>& rows, const QList<Field>& fields);

} // namespace ConsumptionCondition
