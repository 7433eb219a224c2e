#pragma once

#include "core/base/Result.h"

#include <QList>
#include <QSqlDatabase>
#include <QStringList>

// What the parameter editor does to the parameter table, without its screen.
namespace ParameterEditor {

// One row as the editor lists it.
struct Entry
{
    qint64 id = 0;
    QString name;     // sm
    QString value;    // valuenr
    QString helpText; // tooltiptext; null when the row has none
};

// The text typed for one listed row.
struct Edit
{
    qint64 id = 0;
    QString name;
    QString text;
};

// Creates the groups of created rows whose first row is missing, in the
// editor's order, all in one transaction: on failure nothing is created.
Result createMissingRows(QSqlDatabase& db);

// Every row except the hidden serial-port group, in id order.
Result listRows(const QSqlDatabase& db, QList<Entry>& rows);

// Saves each edit's trimmed text by id. An edit whose text is empty is not
// saved and its name goes to refusedNames, in order; the others are saved
// together or, on failure, not at all.
Result save(QSqlDatabase& db, const QList<Edit>& edits, QStringList& refusedNames);

} // namespace ParameterEditor
