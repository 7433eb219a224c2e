#include "core/goods/StockBalance.h"

#include "core/base/DateText.h"
#include "core/base/Notation.h"
#include "core/base/Sql.h"

#include <QSqlError>
#include <QSqlQuery>

namespace StockBalance {

namespace {

// Figures are read back in the order of the Figure enumeration.
const QString FigureColumns =
    QStringLiteral("\"上期数量\", \"上期金额\", \"入库数量\", \"入库金额\", \"出库数量\", \"出库金额\", "
                   "\"结存数量\", \"结存金额\"");

Result clearScratch(const QSqlDatabase& db)
{
    Result result = Sql::exec(db, QStringLiteral("delete from sfjctemp1"));
    if (result)
        result = Sql::exec(db, QStringLiteral("delete from sfjctemp"));
    return result;
}

// One row per goods name and source: the opening from every document before
// the period (sales negated), then the period's purchases and sales. The
// period's end is compared as "before the next day", so that a document of
// the last day counts also when its date carries a time.
Result collect(const QSqlDatabase& db, const QDate& start, const QDate& end)
{
    const QString from = DateText::date(start);
    const QString until = DateText::date(end.addDays(1));
    struct Step
    {
        QString text;
        QVariantList values;
    };
    const Step steps[] = {
        {QStringLiteral("insert into sfjctemp (headcode, jysl, jyje) select wlcode, sum(count), sum(amount) "
                        "from ckv_sr where rc < ? group by wlcode"),
         {from}},
        {QStringLiteral("insert into sfjctemp (headcode, jysl, jyje) select wlcode, -sum(count), -sum(amount) "
                        "from ckv_zc where rc < ? group by wlcode"),
         {from}},
        {QStringLiteral("insert into sfjctemp (headcode, rksl, rkje) select wlcode, sum(count), sum(amount) "
                        "from ckv_sr where rc >= ? and rc < ? group by wlcode"),
         {from, until}},
        {QStringLiteral("insert into sfjctemp (headcode, cksl, ckje) select wlcode, sum(count), sum(amount) "
                        "from ckv_zc where rc >= ? and rc < ? group by wlcode"),
         {from, until}},
    };
    for (const Step& step : steps) {
        if (const Result result = Sql::exec(db, step.text, step.values); !result)
            return result;
    }
    return Result::success();
}

// A goods item without a row of some kind sums to nothing, which counts 0.
Result summarise(const QSqlDatabase& db)
{
    return Sql::exec(db,
                     QStringLiteral("insert into sfjctemp1 (headcode, ") + FigureColumns +
                         QStringLiteral(") select headcode, o_sl, o_je, r_sl, r_je, c_sl, c_je, o_sl + r_sl - c_sl, "
                                        "o_je + r_je - c_je from (select headcode, coalesce(sum(jysl), 0) as o_sl, "
                                        "coalesce(sum(jyje), 0) as o_je, coalesce(sum(rksl), 0) as r_sl, "
                                        "coalesce(sum(rkje), 0) as r_je, coalesce(sum(cksl), 0) as c_sl, "
                                        "coalesce(sum(ckje), 0) as c_je from sfjctemp group by headcode) as goods"));
}

Figures readFigures(const QSqlQuery& query, int first)
{
    Figures figures{};
    for (int i = 0; i < FigureCount; ++i) {
        const double value = query.value(first + i).toDouble();
        // Quantities stay as counted; money is kept to the cent.
        figures[std::size_t(i)] = i % 2 ? Notation::roundHalfEven(value, 2) + 0.0 : value;
    }
    return figures;
}

// The sums over every row; all zero without a row.
ResultOf<Figures> readTotals(const QSqlDatabase& db)
{
    QStringList sums;
    for (const QString& column : FigureColumns.split(QStringLiteral(", ")))
        sums.append(QStringLiteral("coalesce(sum(%1), 0)").arg(column));
    QSqlQuery query(db);
    const Result result = Sql::exec(query, QStringLiteral("select ") + sums.join(QStringLiteral(", ")) +
                                               QStringLiteral(" from sfjctemp1"));
    if (!result)
        return result;
    if (query.next())
        return readFigures(query, 0);
    return Figures{};
}

// Documents store the goods name: a name the catalogue does not hold has no
// line. A closing amount below half a cent is zero, whatever binary
// fractions the sums left.
ResultOf<QList<Line>> readLines(const QSqlDatabase& db, bool includeZero)
{
    QStringList figures;
    for (const QString& column : FigureColumns.split(QStringLiteral(", ")))
        figures.append(QStringLiteral("sfjctemp1.") + column);
    QSqlQuery query(db);
    const Result result = Sql::exec(
        query, QStringLiteral("select spzd.headcode, spzd.name, spzd.spdw, ") + figures.join(QStringLiteral(", ")) +
                   QStringLiteral(" from sfjctemp1 join spzd on sfjctemp1.headcode = spzd.name") +
                   (includeZero ? QString() : QStringLiteral(" where abs(sfjctemp1.\"结存金额\") >= 0.005")) +
                   QStringLiteral(" order by spzd.headcode"));
    if (!result)
        return result;
    QList<Line> lines;
    while (query.next())
        lines.append(
            {query.value(0).toString(), query.value(1).toString(), query.value(2).toString(), readFigures(query, 3)});
    if (query.lastError().isValid())
        return Result::fromQuery(query);
    return lines;
}

} // namespace

ResultOf<Balance> compute(QSqlDatabase& db, const QDate& start, const QDate& end, Grouping grouping, bool includeZero)
{
    Balance computed;
    // One transaction: a second counter waits for it, and a failure or a
    // crash half-way leaves the scratch tables as empty as they were.
    const Result result = Sql::transaction(db, [&]() {
        Result step = clearScratch(db);
        if (step && grouping == Grouping::ByStore)
            step = collect(db, start, end);
        if (step)
            step = summarise(db);
        if (!step)
            return step;
        const ResultOf<QVariant> counted = Sql::scalar(db, QStringLiteral("select count(*) from sfjctemp1"));
        if (!counted)
            return counted.result();
        computed.anyBusiness = counted->toLongLong() > 0;
        if (computed.anyBusiness) {
            const ResultOf<Figures> totals = readTotals(db);
            if (!totals)
                return totals.result();
            computed.totals = *totals;
            const ResultOf<QList<Line>> lines = readLines(db, includeZero);
            if (!lines)
                return lines.result();
            computed.lines = *lines;
        }
        return clearScratch(db);
    });
    if (!result)
        return result;
    return computed;
}

} // namespace StockBalance
