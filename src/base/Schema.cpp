#include "base/Schema.h"

#include "base/Sql.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QSqlDriver>
#include <QSqlQuery>

#include <sqlite3.h>

namespace Schema {

QString sql()
{
    QFile file(QStringLiteral(":/data/schema.sql"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

Result create(const QSqlDatabase& db)
{
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

Result addMissingIndexes(const QSqlDatabase& db, QStringList* added)
{
    static const QRegularExpression index(QStringLiteral("^CREATE INDEX (\\w+) ON [^;]+"),
                                          QRegularExpression::MultilineOption);
    added->clear();
    QStringList statements;
    auto it = index.globalMatch(sql());
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        Result looked = Result::success();
        const QVariant found =
            Sql::scalar(db, QStringLiteral("select 1 from sqlite_master where type = 'index' and name = ?"),
                        {match.captured(1)}, &looked);
        if (!looked)
            return looked;
        if (!found.isValid()) {
            added->append(match.captured(1));
            statements.append(match.captured(0));
        }
    }
    QSqlDatabase connection = db;
    const Result created = Sql::transaction(connection, [&] {
        for (const QString& statement : std::as_const(statements)) {
            if (Result done = Sql::exec(db, statement); !done)
                return done;
        }
        return Result::success();
    });
    if (!created)
        added->clear();
    return created;
}

} // namespace Schema
