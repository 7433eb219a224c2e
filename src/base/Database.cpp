#include "base/Database.h"

#include "base/Schema.h"
#include "base/Sql.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

namespace Database {

namespace {

Result refuse(const QString& fullName, const QString& cause)
{
    return Result::failure(QStringLiteral("无法打开数据文件 ") + fullName + QStringLiteral("：") + cause);
}

// Opens the file without ever creating it: a wrong path must be an error,
// not a new empty database.
Result connect(const QString& fullName, const QString& connectionName, const QString& mode, QSqlDatabase* db)
{
    QSqlDatabase conn = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
    conn.setDatabaseName(QStringLiteral("file:") + QString::fromLatin1(QUrl::toPercentEncoding(fullName, "/")) +
                         QStringLiteral("?mode=") + mode);
    conn.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=5000"));
    if (!conn.open()) {
        const QString cause = conn.lastError().text();
        conn = QSqlDatabase();
        QSqlDatabase::removeDatabase(connectionName);
        return refuse(fullName, cause);
    }
    *db = conn;
    return Result::success();
}

// *mode is the journal mode SQLite actually got.
Result prepareConnection(const QSqlDatabase& db, QString* mode)
{
    QSqlQuery query(db);
    // Reading the journal mode touches the file header: a file that is not
    // a database fails here rather than at the first screen.
    Result result = Sql::exec(query, QStringLiteral("PRAGMA journal_mode=WAL"));
    if (!result)
        return result;
    *mode = query.next() ? query.value(0).toString() : QString();
    return Sql::exec(db, QStringLiteral("PRAGMA synchronous=FULL"));
}

// A file system without the shared memory WAL needs (some network shares)
// leaves the file in its old mode, where a report or a backup reading it
// blocks the counter's writes: such a place is refused, not run on slowly.
Result requireWal(const QString& fullName, const QString& mode)
{
    if (mode.compare(QStringLiteral("wal"), Qt::CaseInsensitive) == 0)
        return Result::success();
    return refuse(fullName, QStringLiteral("所在位置不支持 WAL 日志模式（SQLite 只给出“%1”模式），"
                                           "请把数据文件放在本机磁盘上")
                                .arg(mode));
}

} // namespace

Result open(const QString& fullName, const QString& connectionName, QSqlDatabase* db)
{
    const QFileInfo info(fullName);
    if (!info.exists())
        return refuse(fullName, QStringLiteral("文件不存在"));
    if (!info.isFile())
        return refuse(fullName, QStringLiteral("不是一个文件"));
    if (!info.isReadable() || !info.isWritable())
        return refuse(fullName, QStringLiteral("没有读写权限"));

    Result result = connect(fullName, connectionName, QStringLiteral("rw"), db);
    if (!result)
        return result;
    QString mode;
    result = prepareConnection(*db, &mode);
    if (!result)
        result = refuse(fullName, QStringLiteral("不是 Tavoro 数据库（") + result.message() + QStringLiteral("）"));
    else
        result = requireWal(fullName, mode);
    if (!result) {
        close(connectionName);
        return result;
    }
    const QStringList missing = Schema::missingTables(*db);
    if (!missing.isEmpty()) {
        close(connectionName);
        return refuse(fullName, QStringLiteral("缺少数据表 ") + missing.join(QStringLiteral(", ")));
    }
    return Result::success();
}

Result create(const QString& fullName, const QString& connectionName, QSqlDatabase* db)
{
    if (QFileInfo::exists(fullName))
        return Result::failure(QStringLiteral("文件已存在，不会覆盖：") + fullName);
    {
        QFile file(fullName);
        if (!file.open(QIODevice::WriteOnly))
            return Result::failure(QStringLiteral("无法创建文件 ") + fullName + QStringLiteral("：") +
                                   file.errorString());
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    Result result = connect(fullName, connectionName, QStringLiteral("rw"), db);
    QString mode;
    if (result)
        result = prepareConnection(*db, &mode);
    if (result)
        result = requireWal(fullName, mode);
    if (result)
        result = Schema::create(*db);
    if (!result) {
        close(connectionName);
        QFile::remove(fullName);
    }
    return result;
}

void close(const QString& connectionName)
{
    {
        QSqlDatabase db = QSqlDatabase::database(connectionName, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(connectionName);
}

} // namespace Database
