#include "web/server/WebStore.h"

#include "core/base/Database.h"
#include "core/base/Schema.h"
#include "core/base/Sql.h"
#include "core/base/SqlDialect.h"

namespace WebStore {

namespace {

Result prepare(QSqlDatabase& db)
{
    for (const QString& table : scratchTables()) {
        if (const Result made = Schema::createTemporaryTable(db, table); !made)
            return made;
    }
    if (SqlDialect::of(db) == SqlDialect::Store::File)
        return Result::success();
    // Made last: a read-only session cannot create even temporary tables.
    return Sql::exec(db, QStringLiteral("SET SESSION CHARACTERISTICS AS TRANSACTION READ ONLY"));
}

Result closeOnFailure(const Result& result, const QString& connectionName, QSqlDatabase* db)
{
    if (!result) {
        *db = QSqlDatabase();
        Database::close(connectionName);
    }
    return result;
}

} // namespace

QStringList scratchTables()
{
    return {QStringLiteral("printbiao"), QStringLiteral("sfjctemp"), QStringLiteral("sfjctemp1")};
}

Result openFile(const QString& fullName, const QString& connectionName, QSqlDatabase* db)
{
    const Result opened = Database::openFollowing(fullName, connectionName, db);
    return opened ? closeOnFailure(prepare(*db), connectionName, db) : opened;
}

Result openServer(ServerPlace place, const QString& reader, const QString& connectionName, QSqlDatabase* db)
{
    if (!reader.isEmpty())
        place.user = reader;
    const Result opened = Database::openServer(place, QString(), connectionName, db);
    return opened ? closeOnFailure(prepare(*db), connectionName, db) : opened;
}

Result keepReady(QSqlDatabase& db)
{
    if (SqlDialect::of(db) == SqlDialect::Store::File)
        return Result::success();
    const ResultOf<QVariant> readOnly =
        Sql::scalar(db, QStringLiteral("select current_setting('default_transaction_read_only')"));
    if (!readOnly)
        return readOnly.result();
    return readOnly->toString() == QLatin1String("on") ? Result::success() : prepare(db);
}

} // namespace WebStore
