#include "core/base/Schema.h"

#include "core/base/Sql.h"
#include "core/base/SqlDialect.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QSqlRecord>

#include <sqlite3.h>

namespace Schema {

QString sql()
{
    QFile file(QStringLiteral(":/data/schema.sql"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

Result createOnServer(const QSqlDatabase& db)
{
    const QString schema = sql();
    if (schema.isEmpty())
        return Result::failure(QCoreApplication::translate("Schema", "找不到数据库结构定义"));
    for (const QString& statement : SqlDialect::serverSchema(schema)) {
        if (const Result created = Sql::execDefinition(db, statement); !created)
            return created;
    }
    return Result::success();
}

Result create(const QSqlDatabase& db)
{
    // A server's schema changes are transactional, so an interrupted
    // creation leaves nothing behind.
    if (SqlDialect::of(db) == SqlDialect::Store::Server) {
        QSqlDatabase connection = db;
        return Sql::transaction(connection, [&db] { return createOnServer(db); });
    }
    // The schema is many statements; Qt runs one per query, SQLite's own
    // exec runs them all in one go.
    sqlite3* handle = *static_cast<sqlite3* const*>(db.driver()->handle().data());
    if (!handle)
        return Result::failure(QCoreApplication::translate("Schema", "数据库没有打开"));
    const QByteArray text = sql().toUtf8();
    if (text.isEmpty())
        return Result::failure(QCoreApplication::translate("Schema", "找不到数据库结构定义"));
    char* error = nullptr;
    const int rc = sqlite3_exec(handle, text.constData(), nullptr, nullptr, &error);
    if (rc != SQLITE_OK) {
        const QString message = QString::fromUtf8(error ? error : "unknown error");
        sqlite3_free(error);
        return Result::failure(message);
    }
    return Result::success();
}

namespace {

// The table's definition as the store writes it; empty for a table the
// schema lacks.
QString tableStatement(const QSqlDatabase& db, const QString& table)
{
    const QRegularExpression definition(QStringLiteral("^CREATE TABLE %1 \\(.*?\\n\\);").arg(table),
                                        QRegularExpression::MultilineOption |
                                            QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch found = definition.match(sql());
    if (!found.hasMatch())
        return {};
    QString statement = found.captured(0);
    statement.chop(1);
    if (SqlDialect::of(db) == SqlDialect::Store::Server)
        statement = SqlDialect::serverSchema(statement).constFirst();
    return statement;
}

Result createFrom(const QSqlDatabase& db, const QString& statement)
{
    if (statement.isEmpty())
        return Result::failure(QCoreApplication::translate("Schema", "找不到数据库结构定义"));
    return Sql::execDefinition(db, statement);
}

} // namespace

Result createTable(const QSqlDatabase& db, const QString& table)
{
    return createFrom(db, tableStatement(db, table));
}

Result createTemporaryTable(const QSqlDatabase& db, const QString& table)
{
    QString statement = tableStatement(db, table);
    if (!statement.isEmpty())
        statement.replace(0, QStringLiteral("CREATE TABLE").size(), QStringLiteral("CREATE TEMPORARY TABLE"));
    return createFrom(db, statement);
}

QStringList requiredTables()
{
    static const QRegularExpression table(QStringLiteral("^CREATE TABLE (\\w+)"), QRegularExpression::MultilineOption);
    QStringList names;
    auto it = table.globalMatch(sql());
    while (it.hasNext())
        names.append(it.next().captured(1));
    names.removeAll(QStringLiteral("jfbzfa"));
    return names;
}

QStringList missingTables(const QSqlDatabase& db)
{
    const QStringList present = db.tables(QSql::Tables);
    QStringList missing;
    for (const QString& name : requiredTables()) {
        if (!present.contains(name, Qt::CaseInsensitive))
            missing.append(name);
    }
    return missing;
}

ResultOf<QStringList> addMissingIndexes(const QSqlDatabase& db)
{
    static const QRegularExpression index(QStringLiteral("^CREATE INDEX (\\w+) ON [^;]+"),
                                          QRegularExpression::MultilineOption);
    QStringList added;
    QStringList statements;
    auto it = index.globalMatch(sql());
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        const ResultOf<bool> found = SqlDialect::hasIndex(db, match.captured(1));
        if (!found)
            return found.result();
        if (!*found) {
            added.append(match.captured(1));
            statements.append(match.captured(0));
        }
    }
    QSqlDatabase connection = db;
    const Result created = Sql::transaction(connection, [&] {
        for (const QString& statement : std::as_const(statements)) {
            if (Result done = Sql::execDefinition(db, statement); !done)
                return done;
        }
        return Result::success();
    });
    if (!created)
        return created;
    return added;
}

ResultOf<QStringList> addMissingColumns(const QSqlDatabase& db)
{
    struct AddedColumn
    {
        const char* table;
        const char* column;
        const char* type;
        const char* fill;
    };
    static const AddedColumn columns[] = {
        // A top-up counts in the hand-over of the one shift that took it.
        // Older top-ups are left to be counted as before, by their date and
        // operator, until their operator's next shift settle.
        {"srmx", "dzbj", "TEXT", "UPDATE srmx SET dzbj = '1' WHERE xm = '加款'"},
        // Visits opened before counters had names name none.
        {"waimxd", "zdname", "TEXT", nullptr},
        // The counter an operator-log row was written at; older rows keep it unknown.
        {"czyrzh", "zdname", "TEXT", nullptr},
        // The discount typed at checkout and what it took off; older visits
        // count as settled without one.
        {"waimxd", "zk", "REAL", nullptr},
        {"waimxd", "zkje", "REAL", nullptr},
        // The list price a sale was written at; older sales are measured
        // against their own price.
        {"ckv_zc", "spdj", "REAL", nullptr},
    };
    QStringList added;
    QSqlDatabase connection = db;
    const Result result = Sql::transaction(connection, [&] {
        for (const AddedColumn& column : columns) {
            const QString table = QLatin1String(column.table);
            const QString name = QLatin1String(column.column);
            if (db.record(table).contains(name))
                continue;
            Result step =
                Sql::execDefinition(db, QStringLiteral("ALTER TABLE ") + table + QStringLiteral(" ADD COLUMN ") + name +
                                            QLatin1Char(' ') + QLatin1String(column.type));
            if (step && column.fill)
                step = Sql::exec(db, QString::fromUtf8(column.fill));
            if (!step)
                return step;
            added.append(table + QLatin1Char('.') + name);
        }
        return Result::success();
    });
    if (!result)
        return result;
    return added;
}

} // namespace Schema
