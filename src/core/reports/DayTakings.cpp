#include "core/reports/DayTakings.h"

#include "core/base/DateText.h"
#include "core/base/Notation.h"
#include "core/base/Sql.h"
#include "core/base/VisitCondition.h"
#include "core/printing/Receipt.h"

#include <QAbstractItemModel>
#include <QCoreApplication>
#include <QSqlQuery>

namespace DayTakings {

namespace {

// The operator condition of the shift report, nothing for the day report.
QString byOperator(const Filter& filter, QVariantList* values)
{
    if (filter.operatorName.isEmpty())
        return QString();
    values->append(filter.operatorName);
    return QStringLiteral(" AND czyname = ?");
}

// The column's sum over the filter's date, nothing when no row counts.
ResultOf<std::optional<double>> sum(const QSqlDatabase& db, const QString& column, const QString& view,
                                    const Filter& filter)
{
    QVariantList values = {DateText::date(filter.date)};
    const QString sql = QStringLiteral("SELECT SUM(") + column + QStringLiteral(") FROM ") + view +
                        QStringLiteral(" WHERE rc = ?") + byOperator(filter, &values);
    const ResultOf<QVariant> value = Sql::scalar(db, sql, values);
    if (!value)
        return value.result();
    return value->isNull() ? std::nullopt : std::optional<double>(value->toDouble());
}

Result listVisits(const QSqlDatabase& db, const Filter& filter)
{
    QVariantList values;
    QString where;
    if (filter.visitRange) {
        // The range is chosen to the minute; its last minute counts whole.
        values = {filter.visitRange->first.toString(QStringLiteral("yyyy-MM-dd HH:mm:00")),
                  filter.visitRange->second.toString(QStringLiteral("yyyy-MM-dd HH:mm:59"))};
        where = QStringLiteral(" WHERE jsrc BETWEEN ? AND ?");
    } else {
        values = {DateText::date(filter.date)};
        where = QStringLiteral(" WHERE rc = ?");
    }
    where += byOperator(filter, &values);
    return Sql::exec(db,
                     QStringLiteral("INSERT INTO printbiao (rcl, zhao, sc1, dj, je, id) "
                                    "SELECT rc, zhao, sc1, dj, je, id FROM waimxd") +
                         where + QStringLiteral(" AND ") + VisitCondition::settled() +
                         QStringLiteral(" ORDER BY jsrc, id"),
                     values);
}

Result listGoods(const QSqlDatabase& db, const Filter& filter)
{
    QVariantList values = {DateText::date(filter.date)};
    const QString sql = QStringLiteral("SELECT rc, wlcode, count, price, amount FROM ckv_zcall WHERE rc = ?") +
                        byOperator(filter, &values) + QStringLiteral(" ORDER BY id");
    QSqlQuery goods(db);
    goods.setForwardOnly(true);
    Result result = Sql::exec(goods, sql, values);
    QList<QVariantList> rows;
    while (result && goods.next()) {
        rows.append({goods.value(0), goods.value(1),
                     Notation::Format(goods.value(2).toDouble(), QStringLiteral("##0.00")), goods.value(3),
                     goods.value(4)});
    }
    if (!result)
        return result;
    return Sql::insertRows(db, QStringLiteral("printbiao"),
                           {QStringLiteral("rcl"), QStringLiteral("zhao"), QStringLiteral("sc1"), QStringLiteral("dj"),
                            QStringLiteral("je")},
                           rows);
}

// The updates of a settle, committed together: a shift settle that marked
// the visits but not the goods or the top-ups would have the next one count
// them again. They all see one moment, so that a checkout at another counter
// meanwhile is marked whole or falls whole into the next settle.
Result settle(QSqlDatabase& db, const QString& from, const QString& to, const QString& operatorName)
{
    const auto mark = [&] {
        QVariantList values = {to, from};
        QString condition;
        if (!operatorName.isEmpty()) {
            values.append(operatorName);
            condition = QStringLiteral(" AND czyname = ?");
        }
        Result result = Sql::exec(db,
                                  QStringLiteral("UPDATE waimxd SET dzbj = ? WHERE dzbj = ? AND ") +
                                      VisitCondition::settled() + condition,
                                  values);
        if (result)
            result = Sql::exec(db, QStringLiteral("UPDATE ckv_zc SET dzbj = ? WHERE dzbj = ? AND jzbj = 1") + condition,
                               values);
        if (result)
            result = Sql::exec(db, QStringLiteral("UPDATE srmx SET dzbj = ? WHERE dzbj = ?") + condition, values);
        return result;
    };
    return Sql::transaction(db, mark, Sql::Isolation::Snapshot);
}

} // namespace

ResultOf<Totals> totals(const QSqlDatabase& db, const Filter& filter)
{
    const ResultOf<std::optional<double>> tableFees =
        sum(db, QStringLiteral("je"), QStringLiteral("waimxdall"), filter);
    if (!tableFees)
        return tableFees.result();
    const ResultOf<std::optional<double>> other =
        sum(db, QStringLiteral("amount"), QStringLiteral("ckv_zcall"), filter);
    if (!other)
        return other.result();
    return Totals{*tableFees, *other};
}

Result list(QSqlDatabase& db, const Filter& filter)
{
    return Sql::transaction(db, [&] {
        Result result = Sql::exec(db, QStringLiteral("DELETE FROM printbiao"));
        if (result)
            result = listVisits(db, filter);
        if (result)
            result = listGoods(db, filter);
        return result;
    });
}

QString listedRows()
{
    return QStringLiteral("SELECT rcl, zhao, sc1, dj, je FROM printbiao ORDER BY rowid");
}

QList<QStringList> rowTexts(const QAbstractItemModel& rows)
{
    QList<QStringList> texts;
    for (int row = 0; row < rows.rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < rows.columnCount(); ++column) {
            const QVariant value = rows.index(row, column).data();
            cells.append(value.typeId() == QMetaType::Double ? amountText(value.toDouble()) : value.toString());
        }
        texts.append(cells);
    }
    return texts;
}

QString amountText(const std::optional<double>& value)
{
    return value ? receiptNumber(Notation::roundHalfEven(*value, 2)) : QString();
}

Result settleShift(QSqlDatabase& db, const QString& operatorName)
{
    // Without a name the statements would settle every operator's rows.
    if (operatorName.isEmpty())
        return Result::failure(QCoreApplication::translate("DayTakings", "没有登录的营业员，不能结清班次账务。"));
    return settle(db, QStringLiteral("1"), QStringLiteral("2"), operatorName);
}

Result settleDay(QSqlDatabase& db)
{
    return settle(db, QStringLiteral("2"), QStringLiteral("3"), QString());
}

} // namespace DayTakings
