#include "core/billing/RateSchemes.h"

#include "core/base/Schema.h"
#include "core/base/Sql.h"

#include <QCoreApplication>
#include <QSqlRecord>

namespace RateSchemes {

Result upgrade(QSqlDatabase& db)
{
    return Sql::transaction(db, [&db]() -> Result {
        if (!db.tables(QSql::Tables).contains(QStringLiteral("jfbzfa"), Qt::CaseInsensitive)) {
            if (const Result result = Schema::createTable(db, QStringLiteral("jfbzfa")); !result)
                return result;
        }
        const QSqlRecord columns = db.record(QStringLiteral("jfbzfa"));
        for (const QString& column : {QStringLiteral("name"), QStringLiteral("lx")}) {
            if (columns.contains(column))
                continue;
            if (const Result result = Sql::execDefinition(db, QStringLiteral("alter table jfbzfa add column ") +
                                                                  column + QStringLiteral(" text"));
                !result)
                return result;
        }
        // A hall without any scheme yet starts from the bands of its first table.
        const ResultOf<QVariant> any = Sql::scalar(db, QStringLiteral("select 1 from jfbzfa"));
        Result result = any.result();
        if (any && !any->isValid())
            result =
                Sql::exec(db, QStringLiteral("insert into jfbzfa(hybz, fhybz, kssj, jssj, zhao) select hybz, fhybz, "
                                             "kssj, jssj, zhao from jfbz where zhao=1 order by id"));
        if (result)
            result = Sql::exec(db, QStringLiteral("update jfbzfa set name=? where name is null"), {FirstScheme});
        if (result)
            result = Sql::exec(db, QStringLiteral("update jfbzfa set lx=? where lx is null"), {QStringLiteral("标准")});
        return result;
    });
}

ResultOf<QStringList> names(const QSqlDatabase& db)
{
    return Sql::texts(db, QStringLiteral("select name from jfbzfa group by name order by min(id)"));
}

ResultOf<bool> add(const QSqlDatabase& db, const QString& name)
{
    const ResultOf<QVariant> existing = Sql::scalar(db, QStringLiteral("select 1 from jfbzfa where name=?"), {name});
    if (!existing)
        return existing.result();
    if (existing->isValid())
        return true;
    const Result added =
        Sql::exec(db, QStringLiteral("insert into jfbzfa(name, lx, hybz, fhybz, kssj, jssj) values(?, ?, ?, ?, ?, ?)"),
                  {name, QStringLiteral("标准"), 10, 10, QStringLiteral("00:01:00"), QStringLiteral("23:59:00")});
    if (!added)
        return added;
    return false;
}

ResultOf<QList<Table>> tables(const QSqlDatabase& db)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    const Result result = Sql::exec(query, QStringLiteral("select zhao, mc from zhdy order by zhao"));
    if (!result)
        return result;
    QList<Table> tables;
    while (query.next())
        tables.append({query.value(0).toInt(), query.value(1).toString()});
    return tables;
}

ResultOf<QString> assign(QSqlDatabase& db, const QString& name, const QList<int>& tables)
{
    QString refusal;
    const Result assigned = Sql::transaction(db, [&]() -> Result {
        const ResultOf<QVariant> band = Sql::scalar(db, QStringLiteral("select 1 from jfbzfa where name=?"), {name});
        if (!band)
            return band.result();
        if (!band->isValid()) {
            refusal = QCoreApplication::translate("RateSchemes", "计费方案“%1”没有任何时段，不能分配！").arg(name);
            return Result::success();
        }
        return replaceBands(db, name, tables);
    });
    if (!assigned)
        return assigned;
    return refusal;
}

Result replaceBands(const QSqlDatabase& db, const QString& name, const QList<int>& tables)
{
    for (int tableNumber : tables) {
        Result result = Sql::exec(db, QStringLiteral("delete from jfbz where zhao=?"), {tableNumber});
        if (result)
            result = Sql::exec(db,
                               QStringLiteral("insert into jfbz(zhao, hybz, fhybz, kssj, jssj, jfdw, dwname) "
                                              "select ?, hybz, fhybz, kssj, jssj, 1, ? from jfbzfa "
                                              "where name=? order by id"),
                               {tableNumber, QStringLiteral("小时"), name});
        if (!result)
            return result;
    }
    return Result::success();
}

} // namespace RateSchemes
