#pragma once

#include "core/base/Notice.h"
#include "core/base/Result.h"

#include <QSqlDatabase>
#include <QString>

#include <array>

// The structure of goods codes: a code is its parent's code followed by a
// segment of fixed length for its own level. The hall defines one level of
// length 3.
namespace GoodsCode {

struct Structure
{
    int levels = 1;
    std::array<int, 7> lengths = {3, 0, 0, 0, 0, 0, 0};

    // The length of a code of `level` (1-based): the sum of the segments up to it.
    int cumulative(int level) const;
    int total() const { return cumulative(levels); }
    // The level whose cumulative length is the code's length; 0 for none.
    int levelOf(const QString& code) const;
};

// spbm_add: the code proposed after `current`: its last character replaced by
// that character's number plus one, written as text ("003" → "004", "009" →
// "0010"); a code of one character stays; "1" for an empty catalogue.
QString proposed(const QString& current, bool catalogueEmpty);

struct Checked
{
    Result result = Result::success();
    Notice refusal;
    int level = 0;

    bool accepted() const { return result && refusal.isEmpty(); }
};

// sphao_chec: whether `code` may stand in the catalogue, stopping at the first
// failure: its length against the structure, its parent, and no other row
// holding it. `original` is the code the edited row was read with (empty when
// adding), so that the row does not count as its own duplicate.
Checked check(const QSqlDatabase& db, const Structure& structure, const QString& code, const QString& original);

} // namespace GoodsCode
