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
    QString group;    // lx: two rows of different groups share a name
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
ResultOf<QList<Entry>> listRows(const QSqlDatabase& db);

// The refused names are known before anything is written, so they are
// told whether or not the other edits could be saved.
struct Saved
{
    Result result = Result::success(); // of saving the other edits
    QStringList refusedNames;          // in the order of the edits
};

// Saves each edit's trimmed text by id. An edit whose text is empty is not
// saved and its name is refused; the others are saved together or, on
// failure, not at all.
Saved save(QSqlDatabase& db, const QList<Edit>& edits);

} // namespace ParameterEditor
