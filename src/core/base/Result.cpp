#include "core/base/Result.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>

#include <optional>
#include <sqlite3.h>

namespace {

qint64 numberOfCode(int code)
{
    switch (code) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return Result::DatabaseLocked;
    case SQLITE_READONLY:
        return Result::DatabaseReadOnly;
    case SQLITE_FULL:
        return Result::DiskFull;
    case SQLITE_IOERR:
        return Result::DiskError;
    case SQLITE_CORRUPT:
        return Result::DatabaseDamaged;
    case SQLITE_NOTADB:
        return Result::NotTavoroDatabase;
    default:
        return Result::DatabaseFailure;
    }
}

// A server names a failure by its five-character SQLSTATE, where SQLite's
// codes are numbers below 10000.
std::optional<qint64> numberOfState(const QString& state)
{
    if (state.size() != 5)
        return std::nullopt;
    // A server shutting down (restarted) ends every session first.
    if (state.startsWith(QLatin1String("08")) || state.startsWith(QLatin1String("57P0")))
        return Result::ConnectionLost;
    if (state == QLatin1String("40001") || state == QLatin1String("40P01"))
        return Result::WriteConflict;
    if (state == QLatin1String("55P03"))
        return Result::DatabaseLocked;
    if (state == QLatin1String("25006"))
        return Result::DatabaseReadOnly;
    if (state == QLatin1String("53100"))
        return Result::DiskFull;
    if (state == QLatin1String("58030"))
        return Result::DiskError;
    if (state == QLatin1String("XX001") || state == QLatin1String("XX002"))
        return Result::DatabaseDamaged;
    return Result::DatabaseFailure;
}

// Qt passes no code on for a failed BEGIN or COMMIT, where a full disk shows
// first in WAL mode; SQLite's own text for the code still names it.
int codeOf(const QSqlError& error)
{
    bool known = false;
    const int code = error.nativeErrorCode().toInt(&known);
    if (known)
        return code & 0xff;
    const QString text = error.databaseText().trimmed();
    for (int candidate :
         {SQLITE_BUSY, SQLITE_LOCKED, SQLITE_READONLY, SQLITE_FULL, SQLITE_IOERR, SQLITE_CORRUPT, SQLITE_NOTADB}) {
        if (text == QLatin1String(sqlite3_errstr(candidate)))
            return candidate;
    }
    return SQLITE_ERROR;
}

} // namespace

QString Result::cause(qint64 number)
{
    switch (number) {
    case DiskFull:
        return QCoreApplication::translate("Result", "磁盘已满，请先腾出磁盘空间");
    case DatabaseReadOnly:
        return QCoreApplication::translate("Result", "数据文件是只读的，无法写入");
    case DiskError:
        return QCoreApplication::translate("Result", "读写磁盘出错，请检查磁盘");
    case DatabaseLocked:
        return QCoreApplication::translate("Result",
                                           "另一台终端正在写入，或数据文件被其他程序锁定；等了一会儿仍无法写入，"
                                           "这次操作什么也没有写入，请稍后再试");
    case WriteConflict:
        return QCoreApplication::translate("Result", "另一台终端同时在改同样的数据，试了几次仍未成功，"
                                                     "这次操作什么也没有写入，请再试一次");
    case DatabaseDamaged:
        return QCoreApplication::translate("Result", "数据文件已损坏");
    case NotTavoroDatabase:
        return QCoreApplication::translate("Result", "不是 Tavoro 数据库");
    case ConnectionLost:
        return QCoreApplication::translate(
            "Result", "与数据库服务器的连接断开了（服务器可能重新启动过或没有开着），这次操作没有完成，什么也没有写入");
    default:
        return QString();
    }
}

Result Result::fromSqlError(const QSqlError& error)
{
    QString text = error.text();
    if (text.trimmed().isEmpty())
        text = QCoreApplication::translate("Result", "数据库操作失败");
    // libpq names a connection gone mid-session in its text only.
    const QString said = error.databaseText();
    if (said.contains(QLatin1String("server closed the connection")) ||
        said.contains(QLatin1String("no connection to the server")))
        return failure(text.simplified(), ConnectionLost);
    const std::optional<qint64> serverNumber = numberOfState(error.nativeErrorCode());
    return failure(text, serverNumber ? *serverNumber : numberOfCode(codeOf(error)));
}

Result Result::fromQuery(const QSqlQuery& query)
{
    return fromSqlError(query.lastError());
}
