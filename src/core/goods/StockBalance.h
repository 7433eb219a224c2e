#pragma once

#include "core/base/Result.h"

#include <QDate>
#include <QList>
#include <QSqlDatabase>
#include <QString>

#include <array>

// The stock balance of a period: per goods item the stock at the start,
// what was bought and sold in the period, and what is left, in quantity and
// in money, from the purchase (ckv_sr) and sale (ckv_zc) documents.
namespace StockBalance {

enum class Grouping
{
    ByStore,   // "按仓库": every document counts
    ByCategory // "按商品分类": nothing is summed
};

// Opening, received, sold and closing, each as quantity then amount: the
// order of the grid's and the report's columns.
enum Figure
{
    OpeningCount,
    OpeningAmount,
    InCount,
    InAmount,
    OutCount,
    OutAmount,
    ClosingCount,
    ClosingAmount,
    FigureCount
};
using Figures = std::array<double, FigureCount>;

struct Line
{
    QString code; // spzd.headcode
    QString name;
    QString unit;
    Figures figures{};
};

struct Balance
{
    // False when no document of the period or before it counted: the
    // screen says "本月无业务发生！" and keeps what it showed.
    bool anyBusiness = false;
    // Goods of the catalogue in code order; documents are matched to the
    // catalogue by the goods name they store.
    QList<Line> lines;
    // Over every document, also those whose name the catalogue no longer
    // knows, so that they agree with the documents.
    Figures totals{};
};

// Sums the documents dated before `start` (the opening) and from
// `start` to `end`, both days included, through the scratch tables sfjctemp
// and sfjctemp1, as one transaction that leaves them empty whatever happens.
// Without `includeZero` goods whose closing amount is zero to the cent are
// left out. Amounts are rounded to cents. The value is the balance.
ResultOf<Balance> compute(QSqlDatabase& db, const QDate& start, const QDate& end, Grouping grouping, bool includeZero);

} // namespace StockBalance
