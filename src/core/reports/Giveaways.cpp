#include "core/reports/Giveaways.h"

#include "core/base/DateText.h"
#include "core/base/Notation.h"
#include "core/base/Sql.h"
#include "core/base/VisitCondition.h"

#include <QMap>
#include <QSqlQuery>
#include <QSqlRecord>

#include <utility>

namespace Giveaways {

namespace {

using Key = std::pair<QString, QString>; // rc, czyname
using Lines = QMap<Key, Line>;

// A visit is its rows sharing the first row's id in djid; a row without one is a visit of its own.
const QString VisitKey = QStringLiteral("coalesce(djid, cast(id as text))");

// A file from before the typed discount was recorded counts none.
QString discountColumn(const QSqlDatabase& db)
{
    return db.record(QStringLiteral("waimxd")).contains(QStringLiteral("zkje")) ? QStringLiteral("zkje")
                                                                                : QStringLiteral("0");
}

// A sale written before its list price was recorded is measured against
// its own price: what the table's checkout took off its amount.
QString listPriceColumn(const QSqlDatabase& db)
{
    return db.record(QStringLiteral("ckv_zc")).contains(QStringLiteral("spdj"))
               ? QStringLiteral("coalesce(spdj, price)")
               : QStringLiteral("price");
}

// Runs a query grouped by rc and czyname and hands each row's further
// columns to `add` with the line of its day and operator.
template <typename Add>
Result collect(const QSqlDatabase& db, const QString& sql, const QVariantList& values, Lines* lines, Add add)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    const Result result = Sql::exec(query, sql, values);
    while (result && query.next()) {
        const QString day = query.value(0).toString();
        const QString name = query.value(1).toString();
        Line& line = (*lines)[{day, name}];
        line.day = DateText::parseDate(day).value_or(QDate());
        line.operatorName = name;
        add(query, &line);
    }
    return result;
}

} // namespace

ResultOf<QList<Line>> run(const QSqlDatabase& db, const QDate& start, const QDate& end)
{
    const QVariantList period = {DateText::date(start), DateText::date(end)};
    const QString settled = QStringLiteral(" WHERE rc BETWEEN ? AND ? AND ") + VisitCondition::settled();
    Lines lines;
    Result result = collect(db,
                            QStringLiteral("SELECT rc, czyname, SUM(je1 - je), SUM(") + discountColumn(db) +
                                QStringLiteral(") FROM waimxd") + settled + QStringLiteral(" GROUP BY rc, czyname"),
                            period, &lines, [](const QSqlQuery& row, Line* line) {
                                line->timeGivenAway = Notation::roundHalfEven(row.value(2).toDouble(), 2);
                                line->checkoutDiscounts = Notation::roundHalfEven(row.value(3).toDouble(), 2);
                            });
    // A visit split at a rate change is free only when both its rows are.
    if (result)
        result =
            collect(db,
                    QStringLiteral("SELECT rc, czyname, COUNT(*) FROM (SELECT rc, czyname FROM waimxd") + settled +
                        QStringLiteral(" GROUP BY rc, czyname, ") + VisitKey +
                        QStringLiteral(" HAVING SUM(je) = 0) visits GROUP BY rc, czyname"),
                    period, &lines, [](const QSqlQuery& row, Line* line) { line->freeVisits = row.value(2).toInt(); });
    // A sale above its list price gives nothing back to set against another.
    const QString full = QStringLiteral("count * ") + listPriceColumn(db);
    if (result)
        result = collect(db,
                         QStringLiteral("SELECT rc, czyname, SUM(CASE WHEN ") + full +
                             QStringLiteral(" > amount THEN ") + full +
                             QStringLiteral(" - amount ELSE 0 END) FROM ckv_zc WHERE jzbj = 1 AND rc BETWEEN ? AND ? "
                                            "GROUP BY rc, czyname"),
                         period, &lines, [](const QSqlQuery& row, Line* line) {
                             line->goodsReductions = Notation::roundHalfEven(row.value(2).toDouble(), 2);
                         });
    if (!result)
        return result;
    return lines.values();
}

} // namespace Giveaways
