#pragma once

#include "core/base/Result.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <QVariantList>

// Prepared statements with every value bound: nothing an operator types is
// ever spliced into SQL text.
namespace Sql {

// Prepares the text on the query's database, binds the values in order to
// its '?' placeholders and executes it; a text without values runs as it
// stands.
Result exec(QSqlQuery& query, const QString& text, const QVariantList& values = {});

// The same on a fresh query of the connection, for statements without rows.
Result exec(const QSqlDatabase& db, const QString& text, const QVariantList& values = {});

// The first column of every row, as text, in the statement's order.
ResultOf<QStringList> texts(const QSqlDatabase& db, const QString& text, const QVariantList& values = {});

// A statement that changes the schema (create, alter, drop), run as it
// stands: a server prepares only statements that read or write rows, and
// such a statement has no values to bind.
Result execDefinition(const QSqlDatabase& db, const QString& text);

// Runs the statement once for each list of values, stopping at the first
// failure (run it inside a transaction to keep all or nothing).
Result execEach(const QSqlDatabase& db, const QString& text, const QList<QVariantList>& rows);

// Inserts the rows, each a value for every column in order, as many to a
// statement as SqlDialect::rowsPerInsert says. Stops at the first failure,
// as execEach does.
Result insertRows(const QSqlDatabase& db, const QString& table, const QStringList& columns,
                  const QList<QVariantList>& rows);

// The first column of the first row, or an invalid QVariant when there is
// no row.
ResultOf<QVariant> scalar(const QSqlDatabase& db, const QString& text, const QVariantList& values = {});

// Starts the transaction of transaction() below.
Result begin(QSqlDatabase& db);

// Runs work inside one transaction: committed when it succeeds, rolled back
// (leaving nothing half-written) when it fails or throws.
template <typename Work>
Result transaction(QSqlDatabase& db, Work&& work)
{
    if (const Result begun = begin(db); !begun)
        return begun;
    Result result = Result::success();
    try {
        result = work();
    } catch (...) {
        db.rollback();
        throw;
    }
    if (!result.ok()) {
        db.rollback();
        return result;
    }
    if (!db.commit()) {
        const Result failed = Result::fromSqlError(db.lastError());
        db.rollback();
        return failed;
    }
    return result;
}

} // namespace Sql
