#include "core/admin/BackupCopies.h"

#include "core/base/AppState.h"
#include "core/base/Clock.h"
#include "core/base/SqlDialect.h"
#include "core/base/SqliteHandle.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDriver>

#include <sqlite3.h>

namespace BackupCopies {

namespace {

Result sqliteFailure(sqlite3* db, int rc)
{
    const char* text = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    return Result::failure(QString::fromUtf8(text));
}

// Runs the online backup from source into the (empty) database file at path.
Result copyInto(sqlite3* source, const QString& path)
{
    sqlite3* dest = nullptr;
    int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &dest, SQLITE_OPEN_READWRITE, nullptr);
    if (rc != SQLITE_OK) {
        const Result failed = sqliteFailure(dest, rc);
        sqlite3_close(dest);
        return failed;
    }
    Result result = Result::success();
    sqlite3_backup* copy = sqlite3_backup_init(dest, "main", source, "main");
    if (!copy) {
        result = sqliteFailure(dest, SQLITE_ERROR);
    } else {
        rc = sqlite3_backup_step(copy, -1);
        const int finished = sqlite3_backup_finish(copy);
        if (rc != SQLITE_DONE)
            result = Result::failure(QString::fromUtf8(sqlite3_errstr(rc)));
        else if (finished != SQLITE_OK)
            result = sqliteFailure(dest, finished);
    }
    // The copy carries the source's WAL mode; a backup should be one file
    // that opens anywhere, even from read-only media.
    if (result) {
        rc = sqlite3_exec(dest, "PRAGMA journal_mode=DELETE", nullptr, nullptr, nullptr);
        if (rc != SQLITE_OK)
            result = sqliteFailure(dest, rc);
    }
    rc = sqlite3_close(dest);
    if (result && rc != SQLITE_OK)
        result = Result::failure(QString::fromUtf8(sqlite3_errstr(rc)));
    return result;
}

// A server's books are copied by the server's own dump tool, in the custom
// format pg_restore reads, as one consistent snapshot.
Result dumpInto(const QSqlDatabase& db, const QString& path)
{
    QStringList arguments{QStringLiteral("--format=custom"), QStringLiteral("--no-password"),
                          QStringLiteral("--file"),          path,
                          QStringLiteral("--host"),          db.hostName(),
                          QStringLiteral("--dbname"),        db.databaseName()};
    // Without a port of its own the connection took libpq's default.
    if (db.port() > 0)
        arguments << QStringLiteral("--port") << QString::number(db.port());
    if (!db.userName().isEmpty())
        arguments << QStringLiteral("--username") << db.userName();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!db.password().isEmpty())
        environment.insert(QStringLiteral("PGPASSWORD"), db.password());
    QProcess dump;
    dump.setProcessEnvironment(environment);
    dump.start(QStringLiteral("pg_dump"), arguments);
    if (!dump.waitForStarted())
        return Result::failure(QCoreApplication::translate(
            "BackupCopies", "找不到 PostgreSQL 的备份程序 pg_dump，请安装 postgresql-client"));
    dump.waitForFinished(-1);
    if (dump.exitStatus() != QProcess::NormalExit || dump.exitCode() != 0)
        return Result::failure(QCoreApplication::translate("BackupCopies", "pg_dump 备份失败：%1")
                                   .arg(QString::fromLocal8Bit(dump.readAllStandardError()).trimmed()));
    return Result::success();
}

// Creates the file owner-only, as the database itself is.
Result createEmpty(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return Result::failure(file.errorString());
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return Result::success();
}

// QFile::rename refuses an existing target, so a backup never replaces another.
Result moveInto(const QString& from, const QString& to)
{
    QFile file(from);
    if (!file.rename(to))
        return Result::failure(file.errorString());
    return Result::success();
}

} // namespace

QString fileName(const QDateTime& moment, int copy)
{
    const QString suffix = copy > 1 ? QLatin1Char('-') + QString::number(copy) : QString();
    return QStringLiteral("data") + moment.toString(QStringLiteral("yyyyMMddHH")) + suffix + QStringLiteral(".bak");
}

QString target(const AppState& state, const QDateTime& moment)
{
    const QDir folder(state.DbFolder);
    int copy = 1;
    while (folder.exists(fileName(moment, copy)))
        ++copy;
    return folder.filePath(fileName(moment, copy));
}

Result backup(const QSqlDatabase& db, const QString& target)
{
    const bool onServer = SqlDialect::of(db) == SqlDialect::Store::Server;
    sqlite3* source = onServer ? nullptr : sqliteHandle(db);
    if (!onServer && !source)
        return Result::failure(QCoreApplication::translate("BackupCopies", "数据库没有打开"));

    const QString partial = target + QStringLiteral(".part");
    QFile::remove(partial);
    Result result = createEmpty(partial);
    if (!result)
        return result;
    result = onServer ? dumpInto(db, partial) : copyInto(source, partial);
    if (result)
        result = moveInto(partial, target);
    if (!result) {
        QFile::remove(partial);
        QFile::remove(partial + QStringLiteral("-journal"));
    }
    return result;
}

Outcome backupNow(const AppState& state)
{
    Outcome outcome;
    outcome.target = target(state, Clock::now());
    outcome.result = backup(state.DbConn, outcome.target);
    return outcome;
}

} // namespace BackupCopies
