#include "core/base/Database.h"
#include "core/base/Schema.h"
#include "core/base/ServerUri.h"
#include "core/base/Sql.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QTimeZone>

namespace Database {

namespace {

// The oldest server whose SQL the program's statements are written for.
constexpr int OldestServerVersion = 130000;

Result refuse(const ServerPlace& place, const QString& cause, qint64 number)
{
    return Result::failure(
        QCoreApplication::translate("Database", "无法打开服务器上的数据库 %1：%2").arg(place.describe(), cause),
        number);
}

// libpq says why a connection failed only in its message, which it lays
// out for a terminal with newlines and tabs.
Result refuseConnection(const ServerPlace& place, const QSqlError& error)
{
    const QString said = error.databaseText().simplified();
    if (said.contains(QLatin1String("password authentication failed")))
        return refuse(place, QCoreApplication::translate("Database", "密码错误"), Result::WrongPassword);
    if (said.contains(QLatin1String("no password supplied")))
        return refuse(place, QCoreApplication::translate("Database", "服务器要求输入密码"), Result::PasswordNeeded);
    if (said.contains(QLatin1String("does not exist")))
        return refuse(place, QCoreApplication::translate("Database", "服务器上没有这个数据库或用户（%1）").arg(said),
                      Result::NotTavoroDatabase);
    return refuse(
        place,
        QCoreApplication::translate("Database", "服务器没有响应，请检查服务器是否开着、地址和端口是否正确（%1）")
            .arg(said),
        Result::ServerUnreachable);
}

// A server too old for the program's SQL is refused before anything is
// written to it.
Result checkVersion(const ServerPlace& place, const QSqlDatabase& db)
{
    const ResultOf<QVariant> version = Sql::scalar(db, QStringLiteral("select current_setting('server_version_num')"));
    if (!version)
        return refuse(place, version.result().message(), version.result().number());
    if (version->toInt() < OldestServerVersion)
        return refuse(place,
                      QCoreApplication::translate("Database", "服务器的版本太旧（%1），需要 PostgreSQL 13 或更新的版本")
                          .arg(version->toInt()),
                      Result::DatabaseFailure);
    return Result::success();
}

// A database that is not a hall's is refused as it stands.
Result checkHall(const ServerPlace& place, const QSqlDatabase& db)
{
    const QStringList missing = Schema::missingTables(db);
    if (!missing.isEmpty())
        return refuse(place,
                      QCoreApplication::translate("Database", "数据库中没有 Tavoro 的表（缺少 %1）")
                          .arg(missing.join(QStringLiteral(", "))),
                      Result::NotTavoroDatabase);
    return Result::success();
}

// A new hall goes only where none is yet, so that no hall's books are
// written over or mixed with another's.
Result checkEmpty(const ServerPlace& place, const QSqlDatabase& db)
{
    const QStringList required = Schema::requiredTables();
    if (Schema::missingTables(db).size() == required.size())
        return Result::success();
    return refuse(place, QCoreApplication::translate("Database", "数据库中已经有 Tavoro 的表，请换一个空的数据库"),
                  Result::DatabaseFailure);
}

Result connectServer(const ServerPlace& place, const QString& password, const QString& connectionName, QSqlDatabase* db,
                     Result (*checkTables)(const ServerPlace&, const QSqlDatabase&))
{
    QSqlDatabase conn = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connectionName);
    conn.setHostName(place.host);
    conn.setPort(place.port);
    conn.setDatabaseName(place.database);
    conn.setUserName(place.user);
    conn.setPassword(password);
    // A server that does not answer is told within seconds, not after the
    // system's minutes-long wait. A visit's start defaults to the server's
    // local time, which must be the counter's, also in a session opened
    // again after the server restarted. A row another counter holds is
    // waited for as long as a file's writer is, then told.
    conn.setConnectOptions(
        QStringLiteral("connect_timeout=5;application_name=Tavoro;options='-c TimeZone=%1 -c lock_timeout=5s'")
            .arg(QString::fromUtf8(QTimeZone::systemTimeZoneId())));
    Result result = conn.open() ? checkVersion(place, conn) : refuseConnection(place, conn.lastError());
    if (result)
        result = checkTables(place, conn);
    if (!result) {
        conn = QSqlDatabase();
        QSqlDatabase::removeDatabase(connectionName);
        return result;
    }
    *db = conn;
    return result;
}

} // namespace

Result openServer(const ServerPlace& place, const QString& password, const QString& connectionName, QSqlDatabase* db)
{
    return connectServer(place, password, connectionName, db, checkHall);
}

Result connectEmptyServer(const ServerPlace& place, const QString& password, const QString& connectionName,
                          QSqlDatabase* db)
{
    return connectServer(place, password, connectionName, db, checkEmpty);
}

Result openNamed(const QString& text, const QString& connectionName, QSqlDatabase* db)
{
    if (!ServerUri::looksLikeServer(text))
        return open(text, connectionName, db);
    const ResultOf<ServerUri::Named> named = ServerUri::parse(text);
    if (!named)
        return named.result();
    return openServer(named->place, named->password, connectionName, db);
}

} // namespace Database
