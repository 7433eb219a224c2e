#pragma once

#include "core/base/Notice.h"
#include "core/base/Result.h"

#include <QSqlDatabase>
#include <QSqlTableModel>
#include <QString>
#include <QVariantList>

#include <array>
#include <optional>

// The rules of the table definitions (zhdy): the upgrade of an older file,
// the number proposed for a new table, what a table row may hold, and
// deleting a table. The board, pricing and card entry all read these rows,
// so nothing that would mislead them is written.
namespace TableDefinitions {

// The edited columns, in the order of the screen's boxes.
inline constexpr std::array<const char*, 7> Columns = {"zhao", "mc", "sybj", "fwfl", "zxjffz", "zdxffz", "ktkh"};

// A row's boxes as typed, in the order of Columns.
using Typed = std::array<QString, 7>;

// The table kinds (ztinfo) the screen offers to choose from: name, then code.
inline const QString KindsListing = QStringLiteral("select ct_name, ct_dm from ztinfo order by rowid");

// Adds the minimum-billing columns and the positioning card to a file made
// before they existed; its tables get a billing unit of 15 minutes and a
// minimum of 60. Gives whether anything was added. All or nothing.
ResultOf<bool> upgrade(QSqlDatabase& db);

// The number proposed for a new table from the current row's number: its
// last digit replaced by that digit plus one (12 → 13, 19 → 110); a single
// digit is proposed unchanged; "1" when the list is empty.
QString proposedNumber(const QString& current, bool listEmpty);

struct Checked
{
    // Refused: what to tell and the box (index into Columns) to correct.
    Notice refusal;
    int box = -1;
    // Accepted: the values to write, in the order of Columns.
    QVariantList values;
    Result result = Result::success();

    bool accepted() const { return result && refusal.isEmpty(); }
};

// Checks the typed row before it is saved. `original` is the number the row
// had when it was read (nothing for a new row): renumbering a table in use
// would leave its open visit without a table, and the in-use mark must say
// what the table's visits say.
Checked check(const QSqlDatabase& db, const Typed& typed, std::optional<int> original);

struct Removal
{
    Result result = Result::success();
    Notice refusal;
};

// Deletes the table unless it has an open visit, checked in the same
// transaction as the delete.
Removal remove(QSqlDatabase& db, int tableNumber);

} // namespace TableDefinitions

// The table definitions as one editable model, in number order. zhdy has no
// primary key of its own; its unique number serves, so that a row is found
// by the number it was read with, also when it is renumbered. Nothing is
// written but the checked values of save().
class TableDefinitionsModel : public QSqlTableModel
{
public:
    TableDefinitionsModel(QObject* parent, const QSqlDatabase& db);

    int column(const char* name) const { return fieldIndex(QLatin1String(name)); }
    // The table number of the row, as the list shows it.
    QString numberAt(int row) const;
    // The row of the table with this number, -1 if none.
    int rowOfNumber(const QString& number) const;

    // Appends an empty row for a new table and returns the boxes proposed for
    // it after the row `current`: the next number, and the billing unit and
    // minimum of that table, which a new table usually follows. Nothing when
    // the row could not be appended (see lastError()).
    std::optional<TableDefinitions::Typed> appendRow(int current);

    // Checks the typed boxes of `row` and writes them; `original` as for
    // TableDefinitions::check. The refusal, or a failure, leaves the table
    // as it was.
    TableDefinitions::Checked save(int row, const TableDefinitions::Typed& typed, std::optional<int> original);
};
