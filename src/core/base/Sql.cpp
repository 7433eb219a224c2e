#include "core/base/Sql.h"

#include "core/base/SqlDialect.h"

#include <QRandomGenerator>
#include <QSqlError>
#include <QStringList>
#include <QThread>

#include <algorithm>

namespace Sql {

Result exec(QSqlQuery& query, const QString& text, const QVariantList& values)
{
    if (Result reopened = SqlDialect::reconnectIfLost(query.driver()); !reopened)
        return reopened;
    // A statement without values goes as it is: a server then answers it in
    // one round trip, where preparing it costs three.
    if (values.isEmpty())
        return query.exec(text) ? Result::success() : Result::fromQuery(query);
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

Result insertRows(const QSqlDatabase& db, const QString& table, const QStringList& columns,
                  const QList<QVariantList>& rows)
{
    const QString head = QStringLiteral("INSERT INTO %1 (%2) VALUES ").arg(table, columns.join(QStringLiteral(", ")));
    const QString oneRow = QLatin1Char('(') +
                           QStringList(columns.size(), QStringLiteral("?")).join(QStringLiteral(", ")) +
                           QLatin1Char(')');
    const qsizetype perStatement = SqlDialect::rowsPerInsert(db, columns.size());
    if (perStatement == 1)
        return execEach(db, head + oneRow, rows);
    for (qsizetype first = 0; first < rows.size(); first += perStatement) {
        const qsizetype count = std::min(perStatement, rows.size() - first);
        QVariantList values;
        values.reserve(count * columns.size());
        for (qsizetype row = first; row < first + count; ++row)
            values.append(rows.at(row));
        if (Result written = exec(db, head + QStringList(count, oneRow).join(QStringLiteral(", ")), values); !written)
            return written;
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

ResultOf<bool> holdRow(const QSqlDatabase& db, const QString& table, const QString& key, const QVariant& value)
{
    // The names come from the program, never from typing.
    QSqlQuery query(db);
    const Result held = exec(query, QStringLiteral("update %1 set %2=%2 where %2=?").arg(table, key), {value});
    if (!held)
        return held;
    return query.numRowsAffected() > 0;
}

Result begin(QSqlDatabase& db, Isolation isolation)
{
    // A file's reader that later writes cannot wait for another writer, so
    // every transaction starts as the writer and waits its turn at once. A
    // read-only connection writes only its own temporary tables: it starts
    // as a reader, which never holds up the writer (SQLite would not give it
    // the writer's lock either; this says so where the rule is).
    if (SqlDialect::of(db) == SqlDialect::Store::File)
        return exec(db, db.connectOptions().contains(QLatin1String("QSQLITE_OPEN_READONLY"))
                            ? QStringLiteral("BEGIN")
                            : QStringLiteral("BEGIN IMMEDIATE"));
    switch (isolation) {
    case Isolation::Serializable:
        return exec(db, QStringLiteral("BEGIN ISOLATION LEVEL SERIALIZABLE"));
    case Isolation::Snapshot:
        return exec(db, QStringLiteral("BEGIN ISOLATION LEVEL REPEATABLE READ"));
    case Isolation::ReadCommitted:
        break;
    }
    return exec(db, QStringLiteral("BEGIN"));
}

void pauseBeforeRetry(int tries)
{
    QThread::msleep(QRandomGenerator::global()->bounded(5, 20) * tries);
}

} // namespace Sql
