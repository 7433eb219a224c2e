#pragma once

#include "core/base/Notice.h"
#include "core/base/Result.h"
#include "core/goods/GoodsCode.h"

#include <QSqlDatabase>
#include <QString>
#include <QVariantList>

#include <array>

// The rules of the goods catalogue (spzd): what an entry may hold, which
// entries are protected from deletion and recoding, and the find condition.
// Sales and the stock balance find goods by these rows, so a protected entry
// is never removed or recoded from under its documents.
namespace GoodsCatalogue {

// The columns written from the screen's boxes, in the order of Typed::boxes.
inline constexpr std::array<const char*, 10> Columns = {"headcode", "name",   "spjm", "spdw", "spdj",
                                                        "sp_max",   "sp_mix", "spgg", "spcd", "bm_sort"};

struct Typed
{
    std::array<QString, 10> boxes; // in the order of Columns
};

struct Checked
{
    Result result = Result::success();
    // Refused: what to tell and the box (index into Columns) to correct.
    Notice refusal;
    int box = -1;
    // Accepted: the values of Columns followed by bm_name, point_h, zzbj and used_tag.
    QVariantList values;

    bool accepted() const { return result && refusal.isEmpty(); }
};

// The columns of Checked::values.
inline constexpr std::array<const char*, 14> WrittenColumns = {"headcode", "name",    "spjm", "spdw",    "spdj",
                                                               "sp_max",   "sp_mix",  "spgg", "spcd",    "bm_sort",
                                                               "bm_name",  "point_h", "zzbj", "used_tag"};

// Checks an entry before it is written. `original` is the code the edited
// row was read with (empty when adding): a protected entry keeps its code.
// A new entry is a leaf until the closing upkeep says otherwise.
Checked check(const QSqlDatabase& db, const GoodsCode::Structure& structure, const Typed& typed,
              const QString& original);

// Marks every category, and every item named by a purchase,
// as in use. Purchases hold the goods name where a lookup filled the box, so
// a purchase names an item by its code or by its name.
Result markUsed(QSqlDatabase& db);

// Whether the entry of that code is a category, has sub-entries or is named
// by a purchase.
ResultOf<bool> isProtected(const QSqlDatabase& db, const QString& code);

struct Removal
{
    Result result = Result::success();
    Notice refusal;
};

// Deletes the entry unless it is protected, checked in the same transaction.
Removal remove(QSqlDatabase& db, const QString& code);

// The find dialog's condition: SQL built only from fixed clauses, with the
// typed values bound in order. Empty when nothing was typed.
struct FindCondition
{
    QString sql;
    QVariantList values;

    bool isEmpty() const { return sql.isEmpty(); }
};

FindCondition findCondition(const QString& department, const QString& codeFrom, const QString& codeTo,
                            const QString& name);

} // namespace GoodsCatalogue
