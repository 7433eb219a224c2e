#include "core/base/Sql.h"

#include "core/base/SqlDialect.h"

#include <QSqlError>

namespace Sql {

Result exec(QSqlQuery& query, const QString& text, const QVariantList& values)
{
    if (Result reopened = SqlDialect::reconnectIfLost(query.driver()); !reopened)
        return reopened;
    if (!query.prepare(text))
        return Result::fromQuery(query);
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!query.exec())
        return Result::fromQuery(query);
    return Result::success();
}

Result exec(const QSqlDatabase& db, const QString& text, const QVariantList& values)
{
    QSqlQuery query(db);
    return exec(query, text, values);
}

ResultOf<QStringList> texts(const QSqlDatabase& db, const QString& text, const QVariantList& values)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    const Result result = exec(query, text, values);
    if (!result)
        return result;
    QStringList found;
    while (query.next())
        found.append(query.value(0).toString());
    return found;
}

Result execDefinition(const QSqlDatabase& db, const QString& text)
{
    if (Result reopened = SqlDialect::reconnectIfLost(db.driver()); !reopened)
        return reopened;
    QSqlQuery query(db);
    if (!query.exec(text))
        return Result::fromQuery(query);
    return Result::success();
}

Result execEach(const QSqlDatabase& db, const QString& text, const QList<QVariantList>& rows)
{
    if (Result reopened = SqlDialect::reconnectIfLost(db.driver()); !reopened)
        return reopened;
    QSqlQuery query(db);
    if (!query.prepare(text))
        return Result::fromQuery(query);
    for (const QVariantList& values : rows) {
        for (int i = 0; i < values.size(); ++i)
            query.bindValue(i, values.at(i));
        if (!query.exec())
            return Result::fromQuery(query);
    }
    return Result::success();
}

ResultOf<QVariant> scalar(const QSqlDatabase& db, const QString& text, const QVariantList& values)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    const Result result = exec(query, text, values);
    if (!result)
        return result;
    return query.next() ? query.value(0) : QVariant();
}

Result begin(QSqlDatabase& db)
{
    if (Result reopened = SqlDialect::reconnectIfLost(db.driver()); !reopened)
        return reopened;
    if (!db.transaction())
        return Result::fromSqlError(db.lastError());
    return Result::success();
}

} // namespace Sql
