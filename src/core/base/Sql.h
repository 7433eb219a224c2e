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

// Holds the row of `table` whose `key` is `value` until the transaction
// ends, so that a command of another counter on the same row waits for this
// one and then reads what it wrote. Whether there is such a row.
ResultOf<bool> holdRow(const QSqlDatabase& db, const QString& table, const QString& key, const QVariant& value);

// What a transaction sees of what other counters commit meanwhile. On a file
// a transaction that will write holds the whole file, so both are the same.
enum class Isolation
{
    // Every statement sees what was committed before it: commands guard what
    // they check with holdRow or a conditional update.
    ReadCommitted,
    // The transaction sees one moment, and is run again when another
    // counter's changes would have changed what it read: for commands that
    // count rows or number them.
    Serializable,
    // The transaction sees one moment and changes what was there then; what
    // other counters commit meanwhile is left for the next one: for settles
    // that mark every row done before them while checkouts go on.
    Snapshot,
};

// Starts the transaction of transaction() below.
Result begin(QSqlDatabase& db, Isolation isolation = Isolation::ReadCommitted);

// Pauses a moment before a transaction is run again after a conflict, a
// little longer each time, so that two counters do not meet again at once.
void pauseBeforeRetry(int tries);

// How often a transaction is run in all before a conflict is told.
inline constexpr int MostTries = 5;

template <typename Work>
Result runOnce(QSqlDatabase& db, Work& work, Isolation isolation)
{
    if (const Result begun = begin(db, isolation); !begun)
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

// Runs work inside one transaction: committed when it succeeds, rolled back
// (leaving nothing half-written) when it fails or throws. Work that met
// another counter's at once is run again from the start, so it must leave
// nothing outside the database that a second run would not set again.
template <typename Work>
Result transaction(QSqlDatabase& db, Work&& work, Isolation isolation = Isolation::ReadCommitted)
{
    Result result = runOnce(db, work, isolation);
    for (int tries = 1; result.number() == Result::WriteConflict && tries < MostTries; ++tries) {
        pauseBeforeRetry(tries);
        result = runOnce(db, work, isolation);
    }
    return result;
}

} // namespace Sql
