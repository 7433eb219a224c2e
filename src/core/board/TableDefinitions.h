#pragma once

#include "core/base/Notice.h"
#include "core/base/Result.h"

#include <QSqlDatabase>
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

// Adds the minimum-billing columns and the positioning card to a file made
// before they existed; its tables get a billing unit of 15 minutes and a
// minimum of 60. *upgraded tells whether anything was added. All or nothing.
Result upgrade(QSqlDatabase& db, bool* upgraded);

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
Checked check(const QSqlDatabase& db, const std::array<QString, 7>& typed, std::optional<int> original);

struct Removal
{
    Result result = Result::success();
    Notice refusal;
};

// Deletes the table unless it has an open visit, checked in the same
// transaction as the delete.
Removal remove(QSqlDatabase& db, int zhao);

} // namespace TableDefinitions
